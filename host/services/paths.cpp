// Path and text copying services. Paths are Mazovia bytes here; only the
// separator is the platform's.
#include <algorithm>
#include <cstring>

#include "host/core/context.hpp"
#include "host/platform/file_paths.hpp"
#include "host/services/services.hpp"

namespace hadrek::services {

// 52015: append a name to the path in place as one more component; the
// path. An empty path stays relative: it becomes the name alone.
char* KZ_CDECL pathAppendName(char* path, const char* name) {
    if (!path || !name) misuse(kz::Slot::PathAppendName, "was handed a null path or name");
    std::size_t length = std::strlen(path);
    if (length && !platform::isPathSeparator(path[length - 1])) path[length++] = platform::kPathSeparator;
    std::strcpy(path + length, name);
    return path;
}

// 52161: copy at most `limit` characters and always end the copy with a
// NUL, so the destination needs limit + 1 bytes; the destination. Under
// lazy-text as strncpy does: no NUL when the source fills the limit.
char* KZ_CDECL boundedCopy(char* destination, const char* source, int limit) {
    if (!destination || !source) misuse(kz::Slot::BoundedCopy, "was handed a null destination or source");
    if (hostVariant(HostVariant::LazyText))
        return std::strncpy(destination, source, static_cast<std::size_t>(std::max(limit, 0)));
    const std::size_t length = limit > 0 ? strnlen(source, static_cast<std::size_t>(limit)) : 0;
    std::memmove(destination, source, length);
    destination[length] = '\0';
    return destination;
}

}  // namespace hadrek::services
