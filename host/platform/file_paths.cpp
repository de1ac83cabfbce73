#include "host/platform/file_paths.hpp"

#include "host/core/host_variants.hpp"
#include "host/core/utf8_path.hpp"
#include "host/platform/raw_paths.hpp"
#include "host/text/mazovia.hpp"

namespace hadrek::platform {
namespace {

std::string bytes(const std::u8string& utf8) { return std::string(utf8.begin(), utf8.end()); }

bool raw() { return hostVariant(HostVariant::RawPaths); }

}  // namespace

std::filesystem::path fileSystemPath(std::string_view mazovia) {
    return raw() ? rawFileSystemPath(mazovia) : utf8Path(text::toUtf8(mazovia));
}

std::string hostName(const std::filesystem::path& name) {
    return raw() ? rawHostName(name) : text::fromUtf8(bytes(name.u8string()));
}

std::string loggedPath(const std::filesystem::path& path) {
    return raw() ? rawLoggedPath(path) : bytes(path.generic_u8string());
}

}  // namespace hadrek::platform
