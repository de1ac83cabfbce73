// Paths as a host that converts nothing names them: the code page's bytes
// handed to the file system as they are (--host-variant raw-paths). On
// Linux the bytes are the name; on Windows they go through the C library's
// byte-string calls, which read them in the ANSI code page.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace hadrek::platform {

std::filesystem::path rawFileSystemPath(std::string_view bytes);

// The bytes a byte-string call gives for a name; '?' for what the ANSI
// code page lacks.
std::string rawHostName(const std::filesystem::path& name);

// For the log, which is UTF-8 whatever the bytes: read as the host's code
// page where the file system keeps bytes.
std::string rawLoggedPath(const std::filesystem::path& path);

}  // namespace hadrek::platform
