// INI access. Operations 1/2 read and write plain values with scanf/printf
// semantics (the first-run key); 8/9 read and write a record of texts so
// that blanks, commas, empty and over-long texts come back as written, cut
// to the format's widths (the options key).
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/core/context.hpp"
#include "host/core/utf8_path.hpp"
#include "host/services/ini_file.hpp"
#include "host/services/services.hpp"
#include "host/text/mazovia.hpp"

namespace hadrek::services {
namespace {

constexpr int kDone = 0;
constexpr int kNotFound = 1;
constexpr int kBadRequest = 2;
constexpr int kWriteFailed = 3;
constexpr int kInjected = 4;

std::filesystem::path iniPath(const char* file) {
    return utf8Path(context().options.configDir) / std::filesystem::path(file).filename();
}

ini::IniDocument load(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    if (in) text << in.rdbuf();
    return ini::IniDocument::parse(text.str());
}

// Written beside the old file and moved over it, so a failed write leaves
// the old file as it was.
bool store(const std::filesystem::path& path, const ini::IniDocument& document) {
    auto temporary = path;
    temporary += ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << document.serialize();
        if (!out.flush()) return false;
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) std::filesystem::remove(temporary, error);
    return !error;
}

int readPlain(const std::optional<std::string>& value, const char* format, va_list arguments) {
    if (!value) return kNotFound;
    int expected = 0;
    for (const char* p = format; *p; ++p)
        if (*p == '%' && p[1] != '%' && p[1] != '*')
            ++expected;
        else if (*p == '%')
            ++p;
    return std::vsscanf(value->c_str(), format, arguments) == expected ? kDone : kNotFound;
}

int readRecord(const std::optional<std::string>& value, const char* format, va_list arguments) {
    const auto record = ini::parseRecordFormat(format);
    if (!record) return kBadRequest;
    if (!value) return kNotFound;
    const auto texts = ini::decodeRecord(*record, *value);
    if (!texts) return kNotFound;
    for (const std::string& text : *texts) {
        char* field = va_arg(arguments, char*);
        std::memcpy(field, text.c_str(), text.size() + 1);
    }
    return kDone;
}

std::optional<std::string> writeRecord(const char* format, va_list arguments) {
    const auto record = ini::parseRecordFormat(format);
    if (!record) return std::nullopt;
    std::vector<std::string_view> texts;
    for (std::size_t k = 0; k < record->widths.size(); ++k) {
        const char* field = va_arg(arguments, const char*);
        texts.emplace_back(field, strnlen(field, static_cast<std::size_t>(record->widths[k])));
    }
    return ini::encodeRecord(*record, texts);
}

std::string writePlain(const char* format, va_list arguments) {
    char value[1024];
    std::vsnprintf(value, sizeof value, format, arguments);
    return value;
}

}  // namespace

// 41399: (file, operation, section, key, format, values or their addresses).
int KZ_CDECL iniAccess(const char* file, int operation, const char* section, const char* key, const char* format, ...) {
    const auto path = iniPath(file);
    if (injectFault(kz::Slot::IniAccess)) {
        context().log.write(
            {{"event", "ini"}, {"operation", operation}, {"key", text::toUtf8(key)}, {"result", kInjected}});
        return kInjected;
    }
    ini::IniDocument document = load(path);
    va_list arguments;
    va_start(arguments, format);
    int status = kBadRequest;
    std::string written;
    switch (operation) {
    case kz::kIniReadValue: status = readPlain(document.get(section, key), format, arguments); break;
    case kz::kIniReadRecord: status = readRecord(document.get(section, key), format, arguments); break;
    case kz::kIniWriteValue:
    case kz::kIniWriteRecord: {
        const auto value = operation == kz::kIniWriteValue ? std::optional(writePlain(format, arguments))
                                                           : writeRecord(format, arguments);
        if (!value) break;
        written = *value;
        document.set(section, key, *value);
        status = store(path, document) ? kDone : kWriteFailed;
        break;
    }
    default: break;
    }
    va_end(arguments);

    nlohmann::json event = {{"event", "ini"},
                            {"operation", operation},
                            {"file", path.filename().string()},
                            {"section", text::toUtf8(section)},
                            {"key", text::toUtf8(key)},
                            {"result", status}};
    if (operation == kz::kIniWriteValue || operation == kz::kIniWriteRecord) event["value"] = text::toUtf8(written);
    context().log.write(event);
    return status;
}

}  // namespace hadrek::services
