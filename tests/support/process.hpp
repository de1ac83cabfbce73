// Runs a program to its end and gives its exit code: the tests' only way to
// start the host, so every scenario goes through the real loader path.
#pragma once

#include <string>
#include <vector>

namespace kz::test {

int runProgram(const std::string& program, const std::vector<std::string>& arguments);

}  // namespace kz::test
