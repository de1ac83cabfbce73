// The host's INI files: sections of key=value lines, keys compared without
// regard to case, everything else kept as it was read.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hadrek::ini {

class IniDocument {
public:
    static IniDocument parse(std::string_view text);
    std::string serialize() const;

    std::optional<std::string> get(std::string_view section, std::string_view key) const;
    void set(std::string_view section, std::string_view key, std::string_view value);

private:
    std::vector<std::string> lines_;
};

// A record of texts as the host stores it for operations 8/9: each text
// quoted (backslash escapes for quotes, backslashes and control bytes) and
// the quoted texts joined by the literal pieces of the format.
struct RecordFormat {
    std::vector<int> widths;          // one per %Ns conversion
    std::vector<std::string> pieces;  // literal text before each conversion, and after the last
};

// Only "%Ns" conversions and literal text are understood; nullopt otherwise.
std::optional<RecordFormat> parseRecordFormat(std::string_view format);

std::string encodeRecord(const RecordFormat& format, const std::vector<std::string_view>& texts);

// The stored texts cut to their widths; nullopt when the value does not
// have the format's shape.
std::optional<std::vector<std::string>> decodeRecord(const RecordFormat& format, std::string_view value);

}  // namespace hadrek::ini
