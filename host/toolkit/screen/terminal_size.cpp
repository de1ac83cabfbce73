#include "host/toolkit/screen/terminal_front_end.hpp"

#include "host/toolkit/screen/screen.hpp"

namespace hadrek::screen {

std::optional<std::string> TerminalFrontEnd::checkSize(int width, int height) {
    if (width >= Screen::kMinimumWidth && height >= Screen::kMinimumHeight) {
        return std::nullopt;
    }
    return "terminal is " + std::to_string(width) + "x" + std::to_string(height) + "; the host screen needs at least " +
           std::to_string(Screen::kMinimumWidth) + "x" + std::to_string(Screen::kMinimumHeight);
}

}  // namespace hadrek::screen
