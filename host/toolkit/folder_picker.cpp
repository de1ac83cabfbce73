#include "host/toolkit/folder_picker.hpp"

#include <cstring>
#include <filesystem>

#include "host/core/context.hpp"
#include "host/platform/file_paths.hpp"
#include "host/text/host_texts.hpp"
#include "host/text/markup.hpp"
#include "host/text/mazovia.hpp"
#include "host/toolkit/dialog/edit_field.hpp"
#include "host/toolkit/display.hpp"
#include "host/toolkit/message_box.hpp"
#include "host/toolkit/screen/desktop.hpp"

namespace hadrek::toolkit {
namespace {

namespace key = screen::key;

constexpr int kWidth = 70;
constexpr int kFieldWidth = kWidth - 4;

class PromptWindow final : public Window {
public:
    PromptWindow(const char* prompt, int capacity, std::string initial)
        : prompt_(text::renderText(prompt ? prompt : "")), field_(capacity - 1, kFieldWidth, false) {
        field_.setValue(std::move(initial));
        field_.enter();
    }

    EditField& field() { return field_; }

    screen::Rect area(const screen::Screen& on) const override {
        return screen::centred(on, kWidth, static_cast<int>(prompt_.size()) + 5);
    }

    void draw(screen::Screen& on) override {
        const screen::Rect box = area(on);
        drawWindowBox(on, box, {});
        int y = box.y + 1;
        for (const CellRow& row : prompt_) on.put(box.x + 2, y++, row);
        drawEditField(on, box.x + 2, y + 1, kFieldWidth, field_, true);
    }

private:
    std::vector<CellRow> prompt_;
    EditField field_;
};

}  // namespace

int pickFolder(const char* prompt, char* destination, int capacity) {
    const std::string initial(destination, strnlen(destination, static_cast<std::size_t>(capacity - 1)));
    PromptWindow window(prompt, capacity, initial);
    Display& screen = display();
    screen.open(window);
    nlohmann::json event = {{"event", "folder-picker"}, {"prompt", text::toUtf8(prompt ? prompt : "")}};
    int result = -1;
    for (;;) {
        screen.refresh();
        const auto pressed = screen.nextKey();
        if (!pressed || pressed->code == key::Esc) break;
        if (pressed->code != key::Enter) {
            window.field().handle(pressed->code, pressed->text);
            continue;
        }
        const std::string path = window.field().value();
        std::error_code error;
        if (std::filesystem::is_directory(platform::fileSystemPath(path), error)) {
            std::memcpy(destination, path.c_str(), path.size() + 1);
            event["path"] = text::toUtf8(path);
            result = 0;
            break;
        }
        char message[600];
        std::snprintf(message, sizeof message, text::fromUtf8(texts::kNotAFolder).c_str(), path.c_str());
        showBox({"message", text::fromUtf8(texts::kErrorCaption), message, false, {{"host", true}}});
    }
    event["screen"] = screen.screenForLog();
    screen.close(window);
    event["result"] = result;
    context().log.write(event);
    return result;
}

}  // namespace hadrek::toolkit
