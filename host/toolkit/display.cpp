#include "host/toolkit/display.hpp"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "host/core/context.hpp"
#include "host/core/utf8_path.hpp"
#include "host/text/mazovia.hpp"
#include "host/toolkit/screen/desktop.hpp"

namespace hadrek::toolkit {

Display& display() {
    static Display instance;
    return instance;
}

void Display::open(Window& window) { windows_.push_back(&window); }

void Display::close(Window& window) {
    windows_.erase(std::remove(windows_.begin(), windows_.end(), &window), windows_.end());
}

void Display::refresh() {
    screen::drawDesktop(screen_);
    for (Window* window : windows_) window->draw(screen_);

    if (frontEnd_) frontEnd_->present(screen_);
    const HostContext& host = context();
    if (host.options.screensDir.empty()) return;
    std::filesystem::create_directories(utf8Path(host.options.screensDir));
    char name[32];
    std::snprintf(name, sizeof name, "%04d.txt", ++written_);
    std::ofstream out(utf8Path(host.options.screensDir) / name, std::ios::binary);
    for (const std::string& line : screen_.snapshot()) out << line << '\n';
}

nlohmann::json Display::screenForLog() const {
    return {{"width", screen_.width()},
            {"height", screen_.height()},
            {"lines", screen_.snapshot()},
            {"attributes", screen_.attributeSnapshot()}};
}

std::vector<std::string> Display::linesOf(const Window& window) const {
    const screen::Rect area = window.area(screen_);
    std::vector<std::string> lines;
    for (int y = std::max(0, area.y); y < std::min(area.bottom(), screen_.height()); ++y) {
        // Cut by cells, not bytes: the snapshot is UTF-8.
        std::u32string row;
        for (int x = area.x; x < area.right(); ++x) row += screen_.at(x, y).ch;
        std::string line;
        for (const char32_t ch : row) text::appendUtf8(line, ch);
        while (!line.empty() && line.back() == ' ') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

void drawWindowBox(screen::Screen& on, const screen::Rect& box, const CellRow& caption) {
    on.fill(box, Cell{});
    on.frame(box, caption, screen::FrameStyle::Double);
    on.shadow(box);
}

std::optional<screen::Key> Display::nextKey() { return frontEnd_ ? frontEnd_->nextKey() : std::nullopt; }

void Display::useFrontEnd(std::unique_ptr<screen::FrontEnd> frontEnd) {
    frontEnd_ = std::move(frontEnd);
    context().terminalTaken = frontEnd_ && frontEnd_->interactive();
}

}  // namespace hadrek::toolkit
