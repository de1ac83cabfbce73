#include "host/services/ini_file.hpp"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace hadrek::ini {
namespace {

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
    return text;
}

std::optional<std::string_view> sectionName(std::string_view line) {
    line = trim(line);
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') return std::nullopt;
    return trim(line.substr(1, line.size() - 2));
}

struct KeyValue {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyValue> keyValue(std::string_view line) {
    const auto trimmed = trim(line);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#') return std::nullopt;
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return KeyValue{trim(line.substr(0, equals)), trim(line.substr(equals + 1))};
}

// Of a character std::isxdigit accepted.
int hexDigit(char c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; }

}  // namespace

IniDocument IniDocument::parse(std::string_view text) {
    IniDocument document;
    // Room for the key a later set() may add as well.
    document.lines_.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 2);
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        document.lines_.emplace_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return document;
}

std::string IniDocument::serialize() const {
    std::size_t size = 0;
    for (const std::string& line : lines_) size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const std::string& line : lines_) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::optional<std::string> IniDocument::get(std::string_view section, std::string_view key) const {
    bool inSection = false;
    for (const std::string& line : lines_) {
        if (const auto name = sectionName(line)) {
            inSection = sameName(*name, section);
        } else if (inSection) {
            if (const auto kv = keyValue(line); kv && sameName(kv->key, key)) return std::string(kv->value);
        }
    }
    return std::nullopt;
}

void IniDocument::set(std::string_view section, std::string_view key, std::string_view value) {
    std::string entry;
    entry.reserve(key.size() + 1 + value.size());
    entry.append(key).append("=").append(value);
    // New keys go after the section's last non-blank line.
    std::optional<std::size_t> insertAt;
    bool inSection = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (const auto name = sectionName(lines_[i])) {
            inSection = sameName(*name, section);
            if (inSection) insertAt = i + 1;
            continue;
        }
        if (!inSection) continue;
        if (const auto kv = keyValue(lines_[i]); kv && sameName(kv->key, key)) {
            lines_[i] = entry;
            return;
        }
        if (!trim(lines_[i]).empty()) insertAt = i + 1;
    }
    if (insertAt) {
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*insertAt), entry);
        return;
    }
    if (!lines_.empty() && !trim(lines_.back()).empty()) lines_.emplace_back();
    lines_.push_back("[" + std::string(section) + "]");
    lines_.push_back(entry);
}

std::optional<RecordFormat> parseRecordFormat(std::string_view format) {
    RecordFormat record;
    std::string piece;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            piece += format[i];
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '%') {
            piece += '%';
            ++i;
            continue;
        }
        int width = 0;
        std::size_t j = i + 1;
        while (j < format.size() && std::isdigit(static_cast<unsigned char>(format[j])))
            width = width * 10 + (format[j++] - '0');
        if (j >= format.size() || format[j] != 's' || width == 0 || width > 4096) return std::nullopt;
        record.pieces.push_back(std::move(piece));
        piece.clear();
        record.widths.push_back(width);
        i = j;
    }
    record.pieces.push_back(std::move(piece));
    return record;
}

std::string encodeRecord(const RecordFormat& format, const std::vector<std::string_view>& texts) {
    std::size_t size = 0;
    for (std::size_t k = 0; k < format.widths.size(); ++k)
        size += format.pieces[k].size() + 2 + std::min(texts[k].size(), static_cast<std::size_t>(format.widths[k]));
    std::string value;
    value.reserve(size + format.pieces.back().size());
    for (std::size_t k = 0; k < format.widths.size(); ++k) {
        value += format.pieces[k];
        value += '"';
        const std::string_view text = texts[k].substr(0, static_cast<std::size_t>(format.widths[k]));
        for (const char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            if (c == '"' || c == '\\') {
                value += '\\';
                value += c;
            } else if (byte < 0x20) {
                char escape[5];
                std::snprintf(escape, sizeof escape, "\\x%02X", byte);
                value += escape;
            } else {
                value += c;
            }
        }
        value += '"';
    }
    value += format.pieces.back();
    return value;
}

std::optional<std::vector<std::string>> decodeRecord(const RecordFormat& format, std::string_view value) {
    std::vector<std::string> texts;
    std::size_t at = 0;
    auto expect = [&](std::string_view piece) {
        if (value.substr(at, piece.size()) != piece) return false;
        at += piece.size();
        return true;
    };
    for (std::size_t k = 0; k < format.widths.size(); ++k) {
        if (!expect(format.pieces[k]) || at >= value.size() || value[at] != '"') return std::nullopt;
        ++at;
        std::string text;
        for (;;) {
            if (at >= value.size()) return std::nullopt;
            const char c = value[at++];
            if (c == '"') break;
            if (c != '\\') {
                text += c;
                continue;
            }
            if (at >= value.size()) return std::nullopt;
            const char escaped = value[at++];
            if (escaped == 'x' && at + 2 <= value.size() && std::isxdigit(static_cast<unsigned char>(value[at])) &&
                std::isxdigit(static_cast<unsigned char>(value[at + 1]))) {
                text += static_cast<char>(hexDigit(value[at]) << 4 | hexDigit(value[at + 1]));
                at += 2;
            } else {
                text += escaped;
            }
        }
        if (text.size() > static_cast<std::size_t>(format.widths[k])) text.resize(format.widths[k]);
        texts.push_back(std::move(text));
    }
    if (!expect(format.pieces.back()) || at != value.size()) return std::nullopt;
    return texts;
}

}  // namespace hadrek::ini
