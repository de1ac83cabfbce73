// A file hidden from a plain listing, each platform its own way: on Linux
// by a name that starts with a dot, which the caller gives it; on Windows by
// the hidden attribute, which hideFile sets.
#pragma once

#include <filesystem>

namespace kz::test {

void hideFile(const std::filesystem::path& file);

}  // namespace kz::test
