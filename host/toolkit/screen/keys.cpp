#include "host/toolkit/screen/keys.hpp"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>

#include "host/text/mazovia.hpp"

namespace hadrek::screen {

namespace {

struct NamedKey {
    std::string_view name;
    std::uint16_t code;
};

constexpr std::array kNamedKeys{
    NamedKey{"F1", key::F1},
    NamedKey{"F2", key::F2},
    NamedKey{"F3", key::F3},
    NamedKey{"F4", key::F4},
    NamedKey{"F5", key::F5},
    NamedKey{"F6", key::F6},
    NamedKey{"F7", key::F7},
    NamedKey{"F8", key::F8},
    NamedKey{"F9", key::F9},
    NamedKey{"F10", key::F10},
    NamedKey{"F11", key::F11},
    NamedKey{"F12", key::F12},
    NamedKey{"Esc", key::Esc},
    NamedKey{"Enter", key::Enter},
    NamedKey{"Tab", key::Tab},
    NamedKey{"Shift-Tab", key::ShiftTab},
    NamedKey{"Up", key::Up},
    NamedKey{"Down", key::Down},
    NamedKey{"Left", key::Left},
    NamedKey{"Right", key::Right},
    NamedKey{"PgUp", key::PgUp},
    NamedKey{"PgDn", key::PgDn},
    NamedKey{"Home", key::Home},
    NamedKey{"End", key::End},
    NamedKey{"Backspace", key::Backspace},
    NamedKey{"Del", key::Del},
    NamedKey{"Ins", key::Ins},
    NamedKey{"Ctrl-Ins", key::CtrlIns},
    NamedKey{"Space", key::Space},
};

// Scan codes of the letter keys, A to Z, on the PC keyboard.
constexpr std::array<std::uint8_t, 26> kLetterScanCodes{
    0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22, 0x23, 0x17, 0x24, 0x25, 0x26, 0x32,
    0x31, 0x18, 0x19, 0x10, 0x13, 0x1F, 0x14, 0x16, 0x2F, 0x11, 0x2D, 0x15, 0x2C,
};

constexpr std::string_view kAltPrefix = "Alt-";

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return upper(x) == upper(y); });
}

std::optional<std::uint16_t> namedKeyCode(std::string_view token) {
    for (const NamedKey& named : kNamedKeys) {
        if (sameName(token, named.name)) {
            return named.code;
        }
    }
    if (token.size() == kAltPrefix.size() + 1 && sameName(token.substr(0, kAltPrefix.size()), kAltPrefix)) {
        if (const std::uint16_t code = key::alt(token.back())) {
            return code;
        }
    }
    return std::nullopt;
}

bool isSeparator(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == ','; }

class ScriptReader {
public:
    explicit ScriptReader(std::string_view script) : script_(script) {}

    std::variant<std::vector<Key>, ScriptError> read() {
        std::vector<Key> keys;
        while (skipBlanksAndComments()) {
            std::optional<Key> next = script_[pos_] == '"' ? quotedText() : namedKey();
            if (!next) {
                return error_;
            }
            keys.push_back(std::move(*next));
        }
        return keys;
    }

private:
    // Answers whether a token follows.
    bool skipBlanksAndComments() {
        while (pos_ < script_.size()) {
            const char c = script_[pos_];
            if (c == '#') {
                while (pos_ < script_.size() && script_[pos_] != '\n') {
                    ++pos_;
                }
            } else if (isSeparator(c)) {
                line_ += c == '\n';
                ++pos_;
            } else {
                return true;
            }
        }
        return false;
    }

    std::optional<Key> fail(std::size_t start) {
        error_ = {std::string(script_.substr(start, pos_ - start)), line_};
        return std::nullopt;
    }

    std::optional<Key> namedKey() {
        const std::size_t start = pos_;
        while (pos_ < script_.size() && !isSeparator(script_[pos_]) && script_[pos_] != '#' && script_[pos_] != '"') {
            ++pos_;
        }
        if (const auto code = namedKeyCode(script_.substr(start, pos_ - start))) {
            return Key{*code, {}};
        }
        return fail(start);
    }

    // A text ends at its closing quote on the same line; a line break
    // before it means the quote was never closed.
    std::optional<Key> quotedText() {
        const std::size_t start = pos_++;
        std::string utf8;
        while (pos_ < script_.size() && script_[pos_] != '"' && script_[pos_] != '\n') {
            const char c = script_[pos_++];
            const bool escape = c == '\\' && pos_ < script_.size() && (script_[pos_] == '"' || script_[pos_] == '\\');
            utf8 += escape ? script_[pos_++] : c;
        }
        if (pos_ == script_.size() || script_[pos_] != '"') {
            return fail(start);
        }
        ++pos_;
        const bool hasControl = std::any_of(utf8.begin(), utf8.end(),
                                            [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
        std::string mazovia = text::fromUtf8(utf8);
        // The conversion writes '?' for what the code page lacks, so any
        // '?' it added was a letter the host could never have received.
        const bool lostLetters =
            std::count(mazovia.begin(), mazovia.end(), '?') != std::count(utf8.begin(), utf8.end(), '?');
        if (utf8.empty() || hasControl || lostLetters) {
            return fail(start);
        }
        return Key{0, std::move(mazovia)};
    }

    std::string_view script_;
    std::size_t pos_ = 0;
    int line_ = 1;
    ScriptError error_;
};

}  // namespace

namespace key {

std::uint8_t letterScanCode(char letter) {
    const char c = upper(letter);
    return c >= 'A' && c <= 'Z' ? kLetterScanCodes[static_cast<std::size_t>(c - 'A')] : 0;
}

std::uint16_t alt(char letter) { return static_cast<std::uint16_t>(letterScanCode(letter) << 8); }

}  // namespace key

std::variant<std::vector<Key>, ScriptError> parseKeyScript(std::string_view script) {
    return ScriptReader(script).read();
}

std::string keyName(std::uint16_t code) {
    for (const NamedKey& named : kNamedKeys) {
        if (named.code == code) {
            return std::string(named.name);
        }
    }
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (code == key::alt(letter)) {
            return std::string(kAltPrefix) + letter;
        }
    }
    if (code > 0x20 && code < 0x7F) {
        return {'\'', static_cast<char>(code), '\''};
    }
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%04X", static_cast<unsigned>(code));
    return hex;
}

}  // namespace hadrek::screen
