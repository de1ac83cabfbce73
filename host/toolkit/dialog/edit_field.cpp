#include "host/toolkit/dialog/edit_field.hpp"

#include <algorithm>

#include "host/text/mazovia.hpp"
#include "host/toolkit/screen/keys.hpp"

namespace hadrek::toolkit {

EditField::EditField(int maxLength, int width, bool periodField)
    : maxLength_(std::max(0, maxLength)), width_(std::max(1, width)), periodField_(periodField) {}

void EditField::setValue(std::string value) {
    if (static_cast<int>(value.size()) > maxLength_) value.resize(maxLength_);
    value_ = std::move(value);
    // Shown from its start until the user enters it.
    cursor_ = 0;
    scroll_ = 0;
    selected_ = false;
}

void EditField::enter() {
    selected_ = !value_.empty();
    cursor_ = static_cast<int>(value_.size());
    keepCursorVisible();
}

bool EditField::handle(std::uint16_t code, const std::string& text) {
    namespace key = screen::key;
    if (!text.empty()) {
        for (const char c : text) insert(c);
        return true;
    }
    const int length = static_cast<int>(value_.size());
    switch (code) {
    case key::Space: insert(' '); return true;
    case key::Backspace:
        if (selected_)
            value_.clear(), cursor_ = 0;
        else if (cursor_ > 0)
            value_.erase(static_cast<std::size_t>(--cursor_), 1);
        break;
    case key::Del:
        if (selected_)
            value_.clear(), cursor_ = 0;
        else if (cursor_ < length)
            value_.erase(static_cast<std::size_t>(cursor_), 1);
        break;
    case key::Left: cursor_ = std::max(0, cursor_ - 1); break;
    case key::Right: cursor_ = std::min(length, cursor_ + 1); break;
    case key::Home: cursor_ = 0; break;
    case key::End: cursor_ = length; break;
    default: return false;
    }
    selected_ = false;
    keepCursorVisible();
    return true;
}

void EditField::insert(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) return;
    if (periodField_ && (c < '0' || c > '9')) return;
    if (selected_) {
        value_.clear();
        cursor_ = 0;
        selected_ = false;
    }
    if (static_cast<int>(value_.size()) >= maxLength_) return;
    value_.insert(value_.begin() + cursor_++, c);
    keepCursorVisible();
}

void EditField::keepCursorVisible() {
    if (cursor_ < scroll_) scroll_ = cursor_;
    // The last cell stays free for the cursor behind the text.
    if (cursor_ - scroll_ >= width_) scroll_ = cursor_ - width_ + 1;
    // Deleting at the end must not leave the field scrolled past its text.
    scroll_ = std::clamp(scroll_, 0, std::max(0, static_cast<int>(value_.size()) - width_ + 1));
}

std::string EditField::visible() const {
    if (scroll_ >= static_cast<int>(value_.size())) return {};
    return value_.substr(static_cast<std::size_t>(scroll_), static_cast<std::size_t>(width_));
}

bool EditField::valid() const { return !periodField_ || value_.empty() || isDate(value_); }

void drawEditField(screen::Screen& on, int x, int y, int width, const EditField& field, bool focused) {
    on.fill({x, y, width, 1}, Cell{U'_', Attr::Normal});
    std::u32string shown;
    for (const char c : field.visible()) shown += text::decode(static_cast<unsigned char>(c));
    on.putText(x, y, shown);
    if (!focused) return;
    if (field.selected()) on.markFocus({x, y, static_cast<int>(shown.size()), 1});
    on.setCursor(x + field.cursorColumn(), y);
}

bool isDate(const std::string& text) {
    if (text.size() != 8 || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    const int year = std::stoi(text.substr(0, 4));
    const int month = std::stoi(text.substr(4, 2));
    const int day = std::stoi(text.substr(6, 2));
    if (year < 1900 || month < 1 || month > 12 || day < 1) return false;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

}  // namespace hadrek::toolkit
