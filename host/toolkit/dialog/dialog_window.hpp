// One running dialog built from its template: its controls with their
// state, bound to the caller's data buffer, drawn onto the host screen.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "host/text/list_columns.hpp"
#include "host/toolkit/dialog/edit_field.hpp"
#include "host/toolkit/dialog/list_view.hpp"
#include "host/toolkit/display.hpp"
#include "host/toolkit/template/template_reader.hpp"
#include "plugin/interface/dialog_ids.hpp"

namespace hadrek::toolkit {

struct DialogControl {
    ControlRecord record;
    std::optional<EditField> edit;
    std::size_t slot = 0;     // data buffer offset of an edit field
    int target = -1;          // the control a label gives focus to
    std::uint16_t key = 0;    // the key that reaches a label or button
    std::uint16_t value = 0;  // what 52033 points to for controls without one of their own

    bool focusable() const {
        return record.type == Typ::PoleEdycji || record.type == Typ::Przycisk || record.type == Typ::Lista;
    }
};

class DialogWindow final : public Window {
public:
    DialogWindow(const DialogTemplate& dialog, void* object, unsigned char* buffer);

    screen::Rect area(const screen::Screen& on) const override;
    void draw(screen::Screen& on) override;

    std::uint16_t id() const { return caption_.id; }
    void* object() const { return object_; }
    unsigned char* buffer() const { return buffer_; }

    std::vector<DialogControl>& controls() { return controls_; }
    int focus() const { return focus_; }
    // Moves the focus; entering an edit field selects its content.
    void focusOn(int index);
    void focusNext(int step);
    DialogControl* focused() { return focus_ < 0 ? nullptr : &controls_[focus_]; }

    ListView* list() { return list_ ? &*list_ : nullptr; }
    int listIndex() const { return listIndex_; }

    // 52040: the edit fields into their slots, or the slots into the fields.
    void fieldsToBuffer() const;
    void bufferToFields();

    // Rows come from the dialog object; the runner supplies the call.
    void setRowSource(std::function<std::intptr_t(int row)> rows) { rows_ = std::move(rows); }

private:
    void drawList(screen::Screen& on, int originX, int originY, const DialogControl& control);

    ControlRecord caption_;
    std::vector<DialogControl> controls_;
    void* object_;
    unsigned char* buffer_;
    int focus_ = -1;
    std::optional<ListView> list_;
    int listIndex_ = -1;
    int headerIndex_ = -1;
    std::vector<text::Column> columns_;
    std::function<std::intptr_t(int row)> rows_;
};

}  // namespace hadrek::toolkit
