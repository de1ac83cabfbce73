#include "host/platform/raw_paths.hpp"

#include "host/text/mazovia.hpp"

namespace hadrek::platform {

std::filesystem::path rawFileSystemPath(std::string_view bytes) { return std::string(bytes); }

std::string rawHostName(const std::filesystem::path& name) { return name.native(); }

std::string rawLoggedPath(const std::filesystem::path& path) { return text::toUtf8(path.generic_string()); }

}  // namespace hadrek::platform
