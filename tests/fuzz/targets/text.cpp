// The mark-up renderer and the code page conversions on any bytes. A tab
// stop never pushes a line past the widest column the renderer allows, and
// the code page is one byte per character both ways: Mazovia bytes come
// back from UTF-8 unchanged, and UTF-8 that converts exactly converts back
// to itself.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "host/text/markup.hpp"
#include "host/text/mazovia.hpp"

using namespace hadrek::text;

namespace {

// Every cell shows one character of the code page, so a row's visible text
// reads back as one byte per cell.
void renderBounded(std::string_view bytes) {
    std::string shown;
    for (const hadrek::CellRow& row : renderText(bytes)) {
        if (row.size() > static_cast<std::size_t>(kMaxLineWidth) + bytes.size()) std::abort();
        if (fromUtf8Exact(visibleText(row), shown) || shown.size() != row.size()) std::abort();
    }
    hotKeyOf(bytes);
}

void mazoviaRoundTrip(std::string_view bytes) {
    std::string back;
    if (fromUtf8Exact(toUtf8(bytes), back) || back != bytes) std::abort();
}

void utf8RoundTrip(std::string_view bytes) {
    const std::string lossy = fromUtf8(bytes);
    if (lossy.size() > bytes.size()) std::abort();
    std::string exact;
    if (fromUtf8Exact(bytes, exact)) return;
    if (exact != lossy || toUtf8(exact) != bytes) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    renderBounded(bytes);
    mazoviaRoundTrip(bytes);
    utf8RoundTrip(bytes);
    return 0;
}
