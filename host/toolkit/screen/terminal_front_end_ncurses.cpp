#include "host/toolkit/screen/terminal_front_end.hpp"

#include <curses.h>
#include <langinfo.h>

#include <clocale>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <stdexcept>

#include "host/toolkit/screen/terminal_keys.hpp"

namespace hadrek::screen {

namespace {

// Long enough for the rest of an escape sequence to arrive, short enough
// that a lone Esc does not feel slow.
constexpr int kEscapeDelayMs = 50;

enum ColourPair : short {
    kPairNormal = 1,
    kPairEmphasis,
    kPairKeyName,
    kPairHotKey,
    kPairFocusNormal,
    kPairFocusEmphasis,
    kPairFocusKeyName,
    kPairFocusHotKey,
    kPairShadow,
};

// The terminal must come back usable however the host ends: normally, by
// an uncaught exception, by exit(), or by a terminating signal.
bool g_cursesActive = false;
std::terminate_handler g_previousTerminate = nullptr;

void restoreTerminal() {
    if (g_cursesActive) {
        g_cursesActive = false;
        endwin();
    }
}

void restoreOnSignal(int signal) {
    restoreTerminal();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void restoreOnTerminate() {
    restoreTerminal();
    if (g_previousTerminate) {
        g_previousTerminate();
    }
    std::abort();
}

void installRestorers() {
    static bool installed = false;
    if (installed) {
        return;
    }
    installed = true;
    std::atexit(restoreTerminal);
    g_previousTerminate = std::set_terminate(restoreOnTerminate);
    for (int signal : {SIGTERM, SIGHUP, SIGQUIT}) {
        std::signal(signal, restoreOnSignal);
    }
}

// Box-drawing characters need a UTF-8 character type; a plain C locale
// would show them as garbage. Only the character type is taken from the
// environment: numbers the host and the plug-in print (export files, list
// amounts) keep the C locale's full stop.
void chooseLocale() {
    std::setlocale(LC_CTYPE, "");
    if (std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0) {
        std::setlocale(LC_CTYPE, "C.UTF-8");
    }
}

// Where terminfo describes a Ctrl-Ins sequence, curses hands out a key
// code of its own for it.
int ctrlInsKeyCode() {
    char name[] = "kIC5";
    const char* sequence = tigetstr(name);
    if (sequence == nullptr || sequence == reinterpret_cast<const char*>(-1)) {
        return 0;
    }
    const int code = key_defined(sequence);
    return code > 0 ? code : 0;
}

void defineColours() {
    if (!has_colors()) {
        return;
    }
    start_color();
    init_pair(kPairNormal, COLOR_WHITE, COLOR_BLUE);
    init_pair(kPairEmphasis, COLOR_WHITE, COLOR_BLUE);
    init_pair(kPairKeyName, COLOR_YELLOW, COLOR_BLUE);
    init_pair(kPairHotKey, COLOR_RED, COLOR_BLUE);
    init_pair(kPairFocusNormal, COLOR_BLACK, COLOR_CYAN);
    init_pair(kPairFocusEmphasis, COLOR_WHITE, COLOR_CYAN);
    init_pair(kPairFocusKeyName, COLOR_YELLOW, COLOR_CYAN);
    init_pair(kPairFocusHotKey, COLOR_RED, COLOR_CYAN);
    init_pair(kPairShadow, COLOR_WHITE, COLOR_BLACK);
}

struct Rendition {
    attr_t attributes;
    short pair;
};

Rendition renditionOf(Attr attr, Overlay overlay) {
    if (!has_colors()) {
        attr_t attributes = A_NORMAL;
        switch (attr) {
        case Attr::Emphasis:
        case Attr::KeyName: attributes = A_BOLD; break;
        case Attr::HotKey: attributes = A_UNDERLINE; break;
        case Attr::Normal: break;
        }
        if (overlay == Overlay::Focus) attributes |= A_REVERSE;
        if (overlay == Overlay::Shadow) attributes = A_DIM;
        return {attributes, 0};
    }
    if (overlay == Overlay::Shadow) {
        return {A_DIM, kPairShadow};
    }
    const bool focus = overlay == Overlay::Focus;
    switch (attr) {
    case Attr::Emphasis: return {A_BOLD, focus ? kPairFocusEmphasis : kPairEmphasis};
    case Attr::KeyName: return {A_BOLD, focus ? kPairFocusKeyName : kPairKeyName};
    case Attr::HotKey: return {A_BOLD, focus ? kPairFocusHotKey : kPairHotKey};
    case Attr::Normal: break;
    }
    return {A_NORMAL, focus ? kPairFocusNormal : kPairNormal};
}

void drawCell(int x, int y, Cell cell, Overlay overlay) {
    const Rendition rendition = renditionOf(cell.attr, overlay);
    const wchar_t text[2] = {static_cast<wchar_t>(cell.ch), L'\0'};
    cchar_t wide;
    setcchar(&wide, text, rendition.attributes, rendition.pair, nullptr);
    mvadd_wch(y, x, &wide);
}

void showSizeMessage(const std::string& message) {
    erase();
    mvaddnstr(0, 0, message.c_str(), COLS);
    curs_set(0);
    refresh();
}

}  // namespace

struct TerminalFrontEnd::Curses {
    int ctrlInsKeyCode = 0;
    Screen shown{0, 0};
    bool anythingShown = false;
};

TerminalFrontEnd::TerminalFrontEnd() {
    if (g_cursesActive) {
        throw std::runtime_error("the terminal is already in use by another front end");
    }
    installRestorers();
    chooseLocale();
    if (initscr() == nullptr) {
        throw std::runtime_error("cannot take over the terminal");
    }
    g_cursesActive = true;
    if (const auto tooSmall = checkSize(COLS, LINES)) {
        restoreTerminal();
        throw std::runtime_error(*tooSmall);
    }
    raw();
    noecho();
    nonl();
    keypad(stdscr, TRUE);
    set_escdelay(kEscapeDelayMs);
    defineColours();
    curses_ = std::make_unique<Curses>();
    curses_->ctrlInsKeyCode = ctrlInsKeyCode();
}

TerminalFrontEnd::~TerminalFrontEnd() { restoreTerminal(); }

void TerminalFrontEnd::present(const Screen& screen) {
    curses_->shown = screen;
    curses_->anythingShown = true;
    if (const auto tooSmall = checkSize(COLS, LINES)) {
        showSizeMessage(*tooSmall);
        return;
    }
    erase();
    for (int y = 0; y < screen.height(); ++y) {
        for (int x = 0; x < screen.width(); ++x) {
            drawCell(x, y, screen.at(x, y), screen.overlayAt(x, y));
        }
    }
    const Cursor& cursor = screen.cursor();
    curs_set(cursor.visible ? 1 : 0);
    if (cursor.visible) {
        move(cursor.y, cursor.x);
    }
    refresh();
}

std::optional<Key> TerminalFrontEnd::nextKey() {
    for (;;) {
        wint_t value = 0;
        const int status = get_wch(&value);
        if (status == ERR) {
            return std::nullopt;
        }
        if (status == KEY_CODE_YES && value == KEY_RESIZE) {
            if (curses_->anythingShown) {
                present(curses_->shown);
            }
            continue;
        }
        if (status == OK && value == 0x1B) {
            // Terminals send Alt with a letter as Esc followed by the letter.
            timeout(kEscapeDelayMs);
            wint_t following = 0;
            const int followingStatus = get_wch(&following);
            timeout(-1);
            if (followingStatus == OK) {
                if (auto alt = altKeyAfterEscape(following)) {
                    return alt;
                }
                unget_wch(static_cast<wchar_t>(following));
            } else if (followingStatus == KEY_CODE_YES) {
                ungetch(static_cast<int>(following));
            }
            return Key{key::Esc, {}};
        }
        const TerminalInput input{status == KEY_CODE_YES, static_cast<std::uint32_t>(value)};
        if (auto key = translateTerminalInput(input, curses_->ctrlInsKeyCode)) {
            return key;
        }
    }
}

}  // namespace hadrek::screen
