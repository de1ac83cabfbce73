// Every path the launcher is given is UTF-8 (the Win32 launcher converts
// its UTF-16 command line). Paths are made through here so the file system
// sees the same name on both flavours.
#pragma once

#include <filesystem>
#include <string>

namespace hadrek {

inline std::filesystem::path utf8Path(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace hadrek
