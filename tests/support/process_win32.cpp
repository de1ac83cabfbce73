#include <process.h>

#include "tests/support/process.hpp"

namespace kz::test {
namespace {

// The child's runtime splits its command line again: quote as it expects.
std::string quoted(const std::string& argument) {
    if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos) return argument;
    std::string text = "\"";
    std::size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        text.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        text += c;
    }
    text.append(backslashes * 2, '\\');
    return text + "\"";
}

}  // namespace

int runProgram(const std::string& program, const std::vector<std::string>& arguments) {
    std::vector<std::string> words{quoted(program)};
    for (const std::string& argument : arguments) words.push_back(quoted(argument));
    std::vector<const char*> argv;
    for (const std::string& word : words) argv.push_back(word.c_str());
    argv.push_back(nullptr);
    return static_cast<int>(_spawnv(_P_WAIT, program.c_str(), argv.data()));
}

}  // namespace kz::test
