#include "host/toolkit/dialog/dialog_window.hpp"

#include <algorithm>
#include <cstring>

#include "host/text/markup.hpp"
#include "host/toolkit/screen/desktop.hpp"
#include "plugin/interface/dialog_ids.hpp"

namespace hadrek::toolkit {
namespace {

CellRow firstRow(const std::string& mazovia) {
    const auto rows = text::renderText(mazovia);
    return rows.empty() ? CellRow{} : rows.front();
}

CellRow clipped(CellRow row, int width) {
    if (static_cast<int>(row.size()) > width) row.resize(static_cast<std::size_t>(std::max(0, width)));
    return row;
}

}  // namespace

DialogWindow::DialogWindow(const DialogTemplate& dialog, void* object, unsigned char* buffer)
    : caption_(dialog.dialog), object_(object), buffer_(buffer) {
    std::size_t editNumber = 0;
    for (const ControlRecord& record : dialog.controls) {
        DialogControl control;
        control.record = record;
        if (record.type == Typ::PoleEdycji) {
            control.edit.emplace(record.maxLength, record.width, record.periodField);
            control.slot = editNumber < dialog.slotOffsets.size() ? dialog.slotOffsets[editNumber] : 0;
            ++editNumber;
        }
        controls_.push_back(std::move(control));
    }
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        DialogControl& control = controls_[i];
        const ControlRecord& record = control.record;
        if (record.type == Typ::Przycisk) {
            control.key = record.hotKey ? record.hotKey : text::hotKeyOf(record.text);
        } else if (record.type == Typ::Etykieta) {
            // The selection dialog names a label's key in its hot-key field,
            // the options dialog in its id.
            control.key = record.hotKey ? record.hotKey : (record.id != kz::kBezId ? record.id : 0);
            for (std::size_t j = i + 1; j < controls_.size(); ++j)
                if (controls_[j].record.type == Typ::PoleEdycji || controls_[j].record.type == Typ::Lista) {
                    control.target = static_cast<int>(j);
                    break;
                }
        } else if (record.type == Typ::Lista && !list_) {
            list_.emplace(record.height);
            listIndex_ = static_cast<int>(i);
        }
    }
    // The column header is the text line right above the list, as wide.
    if (list_) {
        const ControlRecord& list = controls_[listIndex_].record;
        for (std::size_t i = 0; i < controls_.size(); ++i) {
            const ControlRecord& r = controls_[i].record;
            if (r.type == Typ::LiniaTekstu && r.x == list.x && r.y == list.y - 1) {
                headerIndex_ = static_cast<int>(i);
                columns_ = text::parseColumns(r.text, list.width);
            }
        }
    }
    bufferToFields();
    for (std::size_t i = 0; i < controls_.size(); ++i)
        if (controls_[i].focusable()) {
            focusOn(static_cast<int>(i));
            break;
        }
}

screen::Rect DialogWindow::area(const screen::Screen& on) const {
    return screen::centred(on, caption_.width, caption_.height);
}

void DialogWindow::focusOn(int index) {
    if (index < 0 || index >= static_cast<int>(controls_.size()) || !controls_[index].focusable()) return;
    focus_ = index;
    if (controls_[index].edit) controls_[index].edit->enter();
}

void DialogWindow::focusNext(int step) {
    const int count = static_cast<int>(controls_.size());
    for (int n = 1; n <= count; ++n) {
        const int i = ((focus_ + step * n) % count + count) % count;
        if (controls_[i].focusable()) return focusOn(i);
    }
}

void DialogWindow::fieldsToBuffer() const {
    for (const DialogControl& control : controls_) {
        if (!control.edit) continue;
        const std::string& value = control.edit->value();
        std::memcpy(buffer_ + control.slot, value.c_str(), value.size() + 1);
    }
}

void DialogWindow::bufferToFields() {
    for (DialogControl& control : controls_) {
        if (!control.edit) continue;
        const char* slot = reinterpret_cast<const char*>(buffer_ + control.slot);
        control.edit->setValue(std::string(slot, strnlen(slot, control.record.maxLength)));
    }
}

void DialogWindow::draw(screen::Screen& on) {
    const screen::Rect box = area(on);
    drawWindowBox(on, box, firstRow(caption_.text));
    on.hideCursor();
    for (int i = 0; i < static_cast<int>(controls_.size()); ++i) {
        const DialogControl& control = controls_[i];
        const ControlRecord& r = control.record;
        const int x = box.x + r.x;
        const int y = box.y + r.y;
        const bool focused = i == focus_;
        switch (r.type) {
        // Labels and text lines may run past their width (the block's
        // "zawierające w:" does); only the frame stops them.
        case Typ::Etykieta:
        case Typ::LiniaTekstu:
            if (i == headerIndex_)
                on.put(x, y, text::renderHeader(columns_, r.width));
            else
                on.put(x, y, clipped(firstRow(r.text), box.right() - 1 - x));
            break;
        case Typ::PoleEdycji: drawEditField(on, x, y, r.width, *control.edit, focused); break;
        case Typ::Przycisk: {
            CellRow label = firstRow(r.text);
            const int left = x + std::max(0, (r.width - static_cast<int>(label.size())) / 2);
            on.put(left, y, clipped(label, r.width));
            if (focused) on.markFocus({x, y, r.width, 1});
            break;
        }
        case Typ::Lista: drawList(on, box.x, box.y, control); break;
        default: break;
        }
    }
}

void DialogWindow::drawList(screen::Screen& on, int originX, int originY, const DialogControl& control) {
    const ControlRecord& r = control.record;
    if (!rows_ || !list_) return;
    list_->setCount(static_cast<int>(rows_(kz::kPytanieOLiczbe)));
    for (int line = 0; line < list_->height(); ++line) {
        const int row = list_->top() + line;
        if (row >= list_->count()) break;
        const auto address = rows_(row);
        const char* text = reinterpret_cast<const char*>(address);
        const std::string rowText = text ? std::string(text, strnlen(text, 1024)) : std::string();
        CellRow cells = text::renderRow(rowText, columns_, r.width);
        const bool current = row == *list_->currentRow();
        // Away from the list the current row stays in sight, emphasised:
        // the INS and Ctrl-INS buttons act on it.
        if (current && focus_ != listIndex_)
            for (Cell& cell : cells) cell.attr = Attr::Emphasis;
        on.put(originX + r.x, originY + r.y + line, cells);
        if (current && focus_ == listIndex_) on.markFocus({originX + r.x, originY + r.y + line, r.width, 1});
    }
}

}  // namespace hadrek::toolkit
