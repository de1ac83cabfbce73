// The INI reader and writer on any bytes, and the options record through
// the options format as the host stores it. A document written and read
// again writes the same; an options key that decodes gives texts that fit
// their slots and encode back to the same texts; and the first bytes of the
// input, taken as the plug-in's options record, come back from the file
// field by field.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "host/services/ini_file.hpp"
#include "plugin/interface/opcje_eksportu.hpp"

using namespace hadrek::ini;

namespace {

constexpr std::string_view kSection = "KalvetZakupy";
constexpr std::string_view kKey = "Opcje";

void storedKeyRoundTrip(const IniDocument& document, const RecordFormat& format) {
    const auto value = document.get(kSection, kKey);
    if (!value) return;
    const auto texts = decodeRecord(format, *value);
    if (!texts) return;
    std::vector<std::string_view> views;
    for (std::size_t k = 0; k < texts->size(); ++k) {
        if ((*texts)[k].size() > static_cast<std::size_t>(format.widths[k])) std::abort();
        views.emplace_back((*texts)[k]);
    }
    if (decodeRecord(format, encodeRecord(format, views)) != texts) std::abort();
}

// The fields in the stored order, each up to its NUL or its width, as the
// host's record writer takes them from the plug-in's buffer.
std::vector<std::string_view> optionTexts(const kz::OpcjeEksportu& o, const RecordFormat& format) {
    const char* fields[] = {o.okresOd,     o.okresDo,         o.filtrNazwy,
                            o.filtrAdresu, o.filtrSymbolu,    o.poleIdentyfikatora,
                            o.kodPlacowki, o.katalogWyjsciowy};
    std::vector<std::string_view> texts;
    for (std::size_t k = 0; k < format.widths.size(); ++k)
        texts.emplace_back(fields[k], strnlen(fields[k], static_cast<std::size_t>(format.widths[k])));
    return texts;
}

void optionsRecordRoundTrip(IniDocument document, const RecordFormat& format, std::string_view bytes) {
    kz::OpcjeEksportu options{};
    std::memcpy(&options, bytes.data(), std::min(bytes.size(), sizeof options));
    const auto texts = optionTexts(options, format);
    document.set(kSection, kKey, encodeRecord(format, texts));
    const auto value = IniDocument::parse(document.serialize()).get(kSection, kKey);
    const auto decoded = value ? decodeRecord(format, *value) : std::nullopt;
    if (!decoded || decoded->size() != texts.size()) std::abort();
    for (std::size_t k = 0; k < texts.size(); ++k)
        if ((*decoded)[k] != texts[k]) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    IniDocument document = IniDocument::parse(bytes);
    const std::string text = document.serialize();
    if (IniDocument::parse(text).serialize() != text) std::abort();
    static const auto format = parseRecordFormat(kz::kFormatOpcji.c_str());
    if (!format || format->widths.size() != 8) std::abort();
    storedKeyRoundTrip(document, *format);
    optionsRecordRoundTrip(std::move(document), *format, bytes);
    return 0;
}
