#include "host/toolkit/dialog/runner.hpp"

#include <cstring>
#include <fstream>

#include "host/core/context.hpp"
#include "host/core/utf8_path.hpp"
#include "host/text/host_texts.hpp"
#include "host/text/mazovia.hpp"
#include "host/toolkit/dialog/delegates.hpp"
#include "host/toolkit/dialog/dialog_window.hpp"
#include "host/toolkit/dialog_base.hpp"
#include "host/toolkit/message_box.hpp"

namespace hadrek::toolkit {
namespace {

namespace key = screen::key;

std::vector<DialogWindow*>& running() {
    static std::vector<DialogWindow*> stack;
    return stack;
}

class Run {
public:
    Run(DialogWindow& window, const std::vector<void*>& delegateValues) : window_(window) {
        for (void* value : delegateValues) {
            if (const auto delegate = delegateFromValue(value))
                delegates_.push_back(*delegate);
            else
                context().log.write(
                    {{"event", "error"},
                     {"message", serviceMessage(kz::Slot::DialogRun, "was handed a value that is no live delegate")}});
        }
        window_.setRowSource([this](int row) { return rowText(row); });
    }

    // The dialog is on the screen already; each key is answered, then shown.
    std::uint16_t loop() {
        for (;;) {
            const auto pressed = display().nextKey();
            if (!pressed) return close(kz::kPrzyciskAnuluj);
            if (const auto result = handle(*pressed)) return *result;
            display().refresh();
        }
    }

private:
    // A delegate of the given dispatch function, when the caller made one.
    const Delegate* delegate(kz::Slot dispatch) const {
        for (const Delegate& d : delegates_)
            if (d.ordinal == kz::ordinalOf(dispatch)) return &d;
        return nullptr;
    }

    // The object's own operations, through its table: by the delegate the
    // caller made for them, or straight at their entry.
    int call(unsigned entry, kz::Slot dispatch, int code) {
        const Delegate* d = delegate(dispatch);
        const int result = d ? static_cast<int>(reinterpret_cast<DispatchFn>(d->dispatch)(d->object, code, 1))
                             : callHandler(window_.object(), entry, code, kz::kFazaDzialania);
        context().log.write({{"event", "handler"}, {"entry", entry}, {"code", code}, {"phase", 1}, {"result", result}});
        return result;
    }

    std::intptr_t rowText(int row) {
        const Delegate* d = delegate(kz::Slot::DispatchSelectionSecond);
        return d ? reinterpret_cast<DispatchFn>(d->dispatch)(d->object, row, 0) : callRowText(window_.object(), row);
    }

    std::uint16_t close(std::uint16_t result) {
        if (result == kz::kPrzyciskOk) window_.fieldsToBuffer();
        return result;
    }

    std::optional<std::uint16_t> confirm() {
        auto& controls = window_.controls();
        for (int i = 0; i < static_cast<int>(controls.size()); ++i)
            if (controls[i].edit && !controls[i].edit->valid()) {
                showBox({"message",
                         text::fromUtf8(texts::kErrorCaption),
                         text::fromUtf8(texts::kBadDate),
                         false,
                         {{"host", true}}});
                window_.focusOn(i);
                return std::nullopt;
            }
        if (callHandler(window_.object(), kMayClose, kz::kPrzyciskOk, kz::kFazaDzialania) == 0) return std::nullopt;
        return close(kz::kPrzyciskOk);
    }

    std::optional<std::uint16_t> press(const DialogControl& button) {
        const std::uint16_t id = button.record.id;
        if (id == kz::kPrzyciskOk) return confirm();
        if (id == kz::kPrzyciskAnuluj) return close(kz::kPrzyciskAnuluj);
        if (id == key::Ins || id == key::CtrlIns)
            call(kKeyHandler, kz::Slot::DispatchSelectionFirst, id);
        else
            call(kCommandHandler, kz::Slot::DispatchOptions, id);
        return std::nullopt;
    }

    void moveFocus(int step) {
        window_.focusNext(step);
        callHandler(window_.object(), kFocusMoved, window_.focus(), kz::kFazaDzialania);
    }

    void focusOn(int index) {
        window_.focusOn(index);
        callHandler(window_.object(), kFocusMoved, window_.focus(), kz::kFazaDzialania);
    }

    std::optional<std::uint16_t> handle(const screen::Key& pressed) {
        auto& controls = window_.controls();
        DialogControl* focused = window_.focused();
        const bool inEdit = focused && focused->edit;

        if (pressed.code == key::Esc) return close(kz::kPrzyciskAnuluj);
        if (pressed.code == key::F12) return confirm();
        if (pressed.code == key::Tab) return moveFocus(1), std::nullopt;
        if (pressed.code == key::ShiftTab) return moveFocus(-1), std::nullopt;
        if (pressed.code == key::Ins || pressed.code == key::CtrlIns) {
            call(kKeyHandler, kz::Slot::DispatchSelectionFirst, pressed.code);
            return std::nullopt;
        }

        // Letter hot keys answer Alt+letter anywhere, the bare letter
        // outside edit fields; other keys answer as they are.
        std::uint16_t code = pressed.code;
        if (pressed.code == 0 && pressed.text.size() == 1 && !inEdit) code = hotKeyCode(pressed.text[0]);
        if ((pressed.code & 0xFF) == 0 && (pressed.code >> 8) != 0) {
            for (char letter = 'A'; letter <= 'Z'; ++letter)
                if (key::alt(letter) == pressed.code) code = static_cast<std::uint16_t>(letter);
        }
        if (code != 0) {
            for (int i = 0; i < static_cast<int>(controls.size()); ++i) {
                const DialogControl& control = controls[i];
                if (control.key != code) continue;
                if (control.record.type == Typ::Przycisk) return press(control);
                if (control.record.type == Typ::Etykieta && control.target >= 0)
                    return focusOn(control.target), std::nullopt;
            }
        }

        if (inEdit) {
            if (focused->edit->handle(pressed.code, pressed.text)) return std::nullopt;
            if (pressed.code == key::Enter) return moveFocus(1), std::nullopt;
        } else if (focused && focused->record.type == Typ::Lista) {
            if (window_.list()->handle(pressed.code)) return std::nullopt;
        } else if (focused && focused->record.type == Typ::Przycisk) {
            if (pressed.code == key::Enter || pressed.code == key::Space) return press(*focused);
        }
        context().log.write({{"event", "key"}, {"ignored", screen::keyName(pressed.code)}});
        return std::nullopt;
    }

    static std::uint16_t hotKeyCode(char c) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        return static_cast<std::uint16_t>(static_cast<unsigned char>(c));
    }

    DialogWindow& window_;
    std::vector<Delegate> delegates_;
};

void logScreen(const DialogWindow& window, const char* when) {
    nlohmann::json event = {{"event", "screen"}, {"dialog", window.id()}, {"when", when}};
    event.update(display().screenForLog());
    context().log.write(event);
}

}  // namespace

int PreparedDialog::delegateCount() const {
    if (!dialog) return 0;
    for (const ControlRecord& control : dialog->controls)
        if (control.type == Typ::Lista) return 2;
    return 1;
}

PreparedDialog prepareDialog(const void* block, int id) {
    PreparedDialog prepared;
    const auto* bytes = static_cast<const std::uint8_t*>(block);
    prepared.blockSize = bytes ? peekTemplateBlockSize(bytes) : 0;
    if (prepared.blockSize == 0) {
        prepared.error =
            bytes ? "the dialog template block is larger than any this host accepts" : "no dialog template block";
        return prepared;
    }
    ReadResult read = readTemplateBlock(bytes, prepared.blockSize);
    if (!read.block) {
        prepared.error = "the dialog template block is damaged: " + read.error;
        return prepared;
    }
    prepared.block = std::move(read.block);
    prepared.dialog = findDialog(*prepared.block, static_cast<std::uint16_t>(id));
    if (!prepared.dialog) prepared.error = "the dialog template block holds no dialog " + std::to_string(id);
    return prepared;
}

std::uint16_t runDialog(const PreparedDialog& prepared, const void* block, void* object, void* buffer,
                        const std::vector<void*>& delegateValues) {
    HostContext& host = context();
    if (!host.options.saveTemplate.empty() && prepared.blockSize)
        std::ofstream(utf8Path(host.options.saveTemplate), std::ios::binary)
            .write(static_cast<const char*>(block), static_cast<std::streamsize>(prepared.blockSize));
    if (!prepared.dialog) {
        host.log.write({{"event", "error"}, {"message", prepared.error}});
        std::fprintf(stderr, "hadrek: %s\n", prepared.error.c_str());
        return kz::kPrzyciskAnuluj;
    }

    DialogWindow window(*prepared.dialog, object, static_cast<unsigned char*>(buffer));
    const std::string caption = text::toUtf8(prepared.dialog->dialog.text);
    // The window asks the run for its rows: the run must be there for the
    // first drawing and stay until the last one, after the loop.
    Run run(window, delegateValues);
    running().push_back(&window);
    display().open(window);
    display().refresh();
    host.log.write({{"event", "dialog"}, {"action", "open"}, {"id", window.id()}, {"caption", caption}});
    logScreen(window, "open");
    callHandler(object, kOpened, window.id(), kz::kFazaDzialania);

    const std::uint16_t result = run.loop();
    display().refresh();
    logScreen(window, "close");
    std::string shown;
    for (const std::string& line : display().linesOf(window)) shown += line + "\n";
    callHandler(object, kClosed, result, kz::kFazaDzialania);
    display().close(window);
    running().pop_back();
    display().refresh();
    host.log.write(
        {{"event", "dialog"}, {"action", "close"}, {"id", window.id()}, {"caption", caption}, {"result", result}});
    say(shown);
    return result;
}

DialogWindow* runningDialog() { return running().empty() ? nullptr : running().back(); }

void redrawRunningDialog() {
    if (runningDialog()) display().refresh();
}

}  // namespace hadrek::toolkit
