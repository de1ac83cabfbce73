// Paths the plug-in hands over are Mazovia bytes; the file system speaks
// UTF-8 (Linux) or UTF-16 (Windows). Every crossing between the two goes
// through here, and so does the one choice of separator.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace hadrek::platform {

// The separator the host writes into paths: `\` in the Win32 flavour, `/` in
// the Linux one.
inline constexpr char kPathSeparator = static_cast<char>(std::filesystem::path::preferred_separator);

// Windows takes `/` as well; on Linux both tests are the same.
constexpr bool isPathSeparator(char c) { return c == kPathSeparator || c == '/'; }

// Mazovia bytes to the file system's own form.
std::filesystem::path fileSystemPath(std::string_view mazovia);

// A file system name as the plug-in reads it: Mazovia bytes, '?' for what
// the code page lacks.
std::string hostName(const std::filesystem::path& name);

// A file the platform hides from a plain listing: a dot-file on Linux, one
// with the hidden attribute on Windows.
bool isHiddenFile(const std::filesystem::directory_entry& entry);

// What the log shows: UTF-8 with `/` between components on both flavours,
// so logs compare.
std::string loggedPath(const std::filesystem::path& path);

}  // namespace hadrek::platform
