#include <windows.h>

#include "tests/support/hidden_file.hpp"

namespace kz::test {

void hideFile(const std::filesystem::path& file) {
    const DWORD attributes = GetFileAttributesW(file.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) SetFileAttributesW(file.c_str(), attributes | FILE_ATTRIBUTE_HIDDEN);
}

}  // namespace kz::test
