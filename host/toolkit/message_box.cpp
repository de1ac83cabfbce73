#include "host/toolkit/message_box.hpp"

#include <algorithm>

#include "host/core/context.hpp"
#include "host/text/host_texts.hpp"
#include "host/text/markup.hpp"
#include "host/text/mazovia.hpp"
#include "host/toolkit/display.hpp"
#include "host/toolkit/screen/desktop.hpp"

namespace hadrek::toolkit {
namespace {

// The host's own words.

class BoxWindow final : public Window {
public:
    explicit BoxWindow(const BoxRequest& request)
        : caption_(text::renderText(request.caption)), rows_(text::renderText(request.text)), tick_(request.tick) {}

    bool hasTick() const { return tick_; }
    bool ticked() const { return ticked_; }
    void toggle() { ticked_ = !ticked_; }

    screen::Rect area(const screen::Screen& on) const override {
        int width = 24;
        for (const CellRow& row : rows_) width = std::max<int>(width, static_cast<int>(row.size()) + 4);
        if (!caption_.empty()) width = std::max<int>(width, static_cast<int>(caption_.front().size()) + 6);
        const int height = static_cast<int>(rows_.size()) + (tick_ ? 6 : 4);
        return screen::centred(on, std::min(width, on.width()), std::min(height, on.height()));
    }

    void draw(screen::Screen& on) override {
        const screen::Rect box = area(on);
        drawWindowBox(on, box, caption_.empty() ? CellRow{} : caption_.front());
        int y = box.y + 1;
        for (const CellRow& row : rows_) on.put(box.x + 2, y++, row);
        if (tick_) {
            ++y;
            on.putText(box.x + 2, y, ticked_ ? U"[x] " : U"[ ] ");
            on.putText(box.x + 6, y++, texts::kDontShowAgain);
        }
        const int okX = box.x + (box.width - 6) / 2;
        on.putText(okX, box.bottom() - 2, U"[ ");
        on.putText(okX + 2, box.bottom() - 2, texts::kOk, Attr::KeyName);
        on.putText(okX + 4, box.bottom() - 2, U" ]");
        on.markFocus({okX, box.bottom() - 2, 6, 1});
    }

private:
    std::vector<CellRow> caption_;
    std::vector<CellRow> rows_;
    bool tick_;
    bool ticked_ = false;
};

}  // namespace

BoxOutcome showBox(const BoxRequest& request) {
    namespace key = screen::key;
    BoxWindow window(request);
    Display& screen = display();
    screen.open(window);
    screen.refresh();
    for (;;) {
        const auto pressed = screen.nextKey();
        if (!pressed || pressed->code == key::Enter || pressed->code == key::Esc) break;
        if (window.hasTick() && pressed->code == key::Space) window.toggle();
        screen.refresh();
    }
    const auto lines = screen.linesOf(window);
    const nlohmann::json onScreen = screen.screenForLog();
    screen.close(window);
    screen.refresh();

    nlohmann::json event = {{"event", request.event}, {"caption", text::toUtf8(request.caption)}};
    addText(event, request.text);
    if (request.tick) event["ticked"] = window.ticked();
    event.update(request.extra);
    event["screen"] = onScreen;
    context().log.write(event);

    std::string shown;
    for (const std::string& line : lines) shown += line + "\n";
    say(shown);
    return {window.ticked()};
}

}  // namespace hadrek::toolkit
