#include "host/platform/file_paths.hpp"

namespace hadrek::platform {

bool isHiddenFile(const std::filesystem::directory_entry& entry) {
    return entry.path().filename().native().starts_with('.');
}

}  // namespace hadrek::platform
