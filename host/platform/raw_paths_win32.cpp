#include <windows.h>

#include "host/platform/raw_paths.hpp"

namespace hadrek::platform {

std::filesystem::path rawFileSystemPath(std::string_view bytes) {
    const int size = static_cast<int>(bytes.size());
    std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

std::string rawHostName(const std::filesystem::path& name) {
    const std::wstring& wide = name.native();
    const int size = static_cast<int>(wide.size());
    std::string bytes(
        static_cast<std::size_t>(WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, "?", nullptr)), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), size, bytes.data(), static_cast<int>(bytes.size()), "?", nullptr);
    return bytes;
}

std::string rawLoggedPath(const std::filesystem::path& path) {
    const std::u8string utf8 = path.generic_u8string();
    return std::string(utf8.begin(), utf8.end());
}

}  // namespace hadrek::platform
