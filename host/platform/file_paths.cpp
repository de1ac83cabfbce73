#include "host/platform/file_paths.hpp"

#include "host/core/utf8_path.hpp"
#include "host/text/mazovia.hpp"

namespace hadrek::platform {
namespace {

std::string bytes(const std::u8string& utf8) { return std::string(utf8.begin(), utf8.end()); }

}  // namespace

std::filesystem::path fileSystemPath(std::string_view mazovia) { return utf8Path(text::toUtf8(mazovia)); }

std::string hostName(const std::filesystem::path& name) { return text::fromUtf8(bytes(name.u8string())); }

std::string loggedPath(const std::filesystem::path& path) { return bytes(path.generic_u8string()); }

}  // namespace hadrek::platform
