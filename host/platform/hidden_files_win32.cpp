#include <windows.h>

#include "host/platform/file_paths.hpp"

namespace hadrek::platform {

bool isHiddenFile(const std::filesystem::directory_entry& entry) {
    const DWORD attributes = GetFileAttributesW(entry.path().c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_HIDDEN);
}

}  // namespace hadrek::platform
