// An edit field's value and editing, as text-mode forms edit: entering the
// field selects its content, typing replaces a selection, the usual keys
// move and delete. Values are Mazovia bytes.
#pragma once

#include <cstdint>
#include <string>

#include "host/toolkit/screen/screen.hpp"

namespace hadrek::toolkit {

class EditField {
public:
    EditField(int maxLength, int width, bool periodField);

    void setValue(std::string value);
    const std::string& value() const { return value_; }

    void enter();
    // Acts on an editing key or typed text; false when the key is not the
    // field's (focus keys, function keys, …).
    bool handle(std::uint16_t code, const std::string& text);

    // What the field shows: `width` cells from the scroll position.
    std::string visible() const;
    int cursorColumn() const { return cursor_ - scroll_; }
    bool selected() const { return selected_; }

    bool periodField() const { return periodField_; }
    // A period field holds nothing or a real date as eight digits RRRRMMDD.
    bool valid() const;

private:
    void insert(char c);
    void keepCursorVisible();

    int maxLength_;
    int width_;
    bool periodField_;
    std::string value_;
    int cursor_ = 0;
    int scroll_ = 0;
    bool selected_ = false;
};

bool isDate(const std::string& text);

// The field's cells at (x, y): blanks shown as '_'; with the focus, the
// cursor and a selected content's bar.
void drawEditField(screen::Screen& on, int x, int y, int width, const EditField& field, bool focused);

}  // namespace hadrek::toolkit
