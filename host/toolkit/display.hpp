// The host screen as the user sees it: the desktop with every open window
// on top, shown through the front end after each key.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "host/toolkit/screen/front_end.hpp"
#include "host/toolkit/screen/keys.hpp"
#include "host/toolkit/screen/screen.hpp"

namespace hadrek::toolkit {

class Window {
public:
    virtual ~Window() = default;
    virtual screen::Rect area(const screen::Screen& on) const = 0;
    // Drawing may ask the dialog object for rows, so it is not const.
    virtual void draw(screen::Screen& on) = 0;
};

class Display {
public:
    void open(Window& window);
    void close(Window& window);

    // Draws everything, shows it, and keeps a copy for --screens.
    void refresh();
    const screen::Screen& screen() const { return screen_; }
    // The last rendered screen for the log: its "width" and "height" in
    // cells, "lines" (UTF-8) and "attributes" (Screen::attributeSnapshot's
    // letters), row by row, trailing blanks trimmed.
    nlohmann::json screenForLog() const;
    // The lines of one window's area on the last rendered screen.
    std::vector<std::string> linesOf(const Window& window) const;

    // The next key from the front end; none when the key script is spent.
    std::optional<screen::Key> nextKey();

    // What the screen is shown through and the keys come from; without one
    // nothing is seen and no key comes, so every dialog closes at once.
    void useFrontEnd(std::unique_ptr<screen::FrontEnd> frontEnd);

private:
    std::unique_ptr<screen::FrontEnd> frontEnd_;
    std::vector<Window*> windows_;
    screen::Screen screen_;
    int written_ = 0;
};

Display& display();

// A window's box: blanked, double frame with the caption, shadow.
void drawWindowBox(screen::Screen& on, const screen::Rect& box, const CellRow& caption);

}  // namespace hadrek::toolkit
