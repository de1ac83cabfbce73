// The host screen on a text terminal, through curses. Only the Linux build
// has curses; elsewhere only checkSize is there.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "host/toolkit/screen/front_end.hpp"

namespace hadrek::screen {

class TerminalFrontEnd final : public FrontEnd {
public:
    // The message for the user when a terminal cannot hold the host
    // screen, none when it can.
    static std::optional<std::string> checkSize(int width, int height);

    // Takes over the terminal; throws std::runtime_error, with the terminal
    // given back, when it is too small or another one already holds it.
    TerminalFrontEnd();
    ~TerminalFrontEnd() override;
    TerminalFrontEnd(const TerminalFrontEnd&) = delete;
    TerminalFrontEnd& operator=(const TerminalFrontEnd&) = delete;

    // While the terminal is made smaller than the host screen, the size
    // message stands in its place until it is large again.
    void present(const Screen& screen) override;
    // None only when the terminal's input has ended.
    std::optional<Key> nextKey() override;
    bool interactive() const override { return true; }

private:
    struct Curses;
    std::unique_ptr<Curses> curses_;
};

}  // namespace hadrek::screen
