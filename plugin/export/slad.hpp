// The trace: when KALVETZAKUPY_SLAD names a file at load, every crossing of
// the host interface is appended to it as one JSON line, numbered in the
// order it happened. A maintainer replays it against the stand-in host.
//
// Kinds of line after the first (which names the plug-in, its version and
// flavour): `host` (a call through the host function table: slot, ordinal,
// arguments as the interface types them, the answer and what the host wrote
// into the plug-in's buffers), `read` (something the host made readable and
// the plug-in read: a record after a cursor step, an options record, a
// flag, the list's current row, a folder entry), `enter` and `leave` (a
// call of the host into the plug-in and the plug-in's answer).
//
// The file is written through the C library the plug-in already links: a
// file that cannot be opened or written only ends the trace.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <type_traits>

#include "plugin/interface/host_table.hpp"

namespace kz::slad {

extern std::FILE* g_plik;

inline bool wlaczony() { return g_plik != nullptr; }

// At load: opens the file the variable names, for appending, and writes the
// first line. Nothing happens when the variable is unset or empty.
void otworz(const char* nazwaModulu);

// One line under construction; written whole, or not at all, by zakoncz.
class Linia {
public:
    explicit Linia(const char* rodzaj, const char* nazwa);
    void pole(const char* klucz);
    void liczba(long long wartosc);
    void liczbaBezZnaku(unsigned long long wartosc);
    void zmienna(double wartosc);
    // A text of the code page: decoded to UTF-8, its bytes beside in hex when
    // any of them lies above ASCII; at most `miejsce` bytes are read.
    void tekst(const char* bajty, std::size_t miejsce);
    void wskaznik(const void* adres);
    void bajty(const void* adres, std::size_t ile);
    void surowe(const char* json);
    void zakoncz();

private:
    void przecinek();
    bool pierwszy_ = true;
};

// How one argument is written: numbers as numbers, texts as texts, other
// pointers only as present (true) or null.
template <typename T>
void argument(Linia& l, T wartosc) {
    if constexpr (std::is_same_v<T, const char*> || std::is_same_v<T, char*>)
        wartosc ? l.tekst(wartosc, 4096) : l.wskaznik(nullptr);
    else if constexpr (std::is_null_pointer_v<T>)
        l.wskaznik(nullptr);
    else if constexpr (std::is_pointer_v<T>)
        l.wskaznik(reinterpret_cast<const void*>(wartosc));
    else if constexpr (std::is_floating_point_v<T>)
        l.zmienna(wartosc);
    else if constexpr (std::is_enum_v<T>)
        l.liczba(static_cast<long long>(wartosc));
    else if constexpr (std::is_unsigned_v<T>)
        l.liczbaBezZnaku(wartosc);
    else
        l.liczba(wartosc);
}

// The room of a buffer of the plug-in's that the host writes into: the
// size the call hands over where it hands one, the interface's fixed size
// otherwise; 0 for an argument that is no such buffer.
std::size_t miejsceWyjscia(Slot slot, unsigned indeks, const long long* liczby, unsigned ileLiczb);

template <typename T>
long long jakoLiczba(T a) {
    if constexpr (std::is_integral_v<T>)
        return static_cast<long long>(a);
    else
        return 0;
}

// A call through the table: the arguments before it, the answer and the
// buffers after it. `wynik` is null for a call without an answer.
template <typename R, typename... A>
void wywolanie(Slot slot, const R* wynik, A... argumenty) {
    const HostFunction& f = kHostFunctions[static_cast<unsigned>(slot)];
    constexpr unsigned kIle = sizeof...(A);
    [[maybe_unused]] const long long liczby[kIle + 1] = {jakoLiczba(argumenty)...};
    Linia l("host", f.role);
    l.pole("slot");
    l.liczba(f.slot);
    l.pole("ordinal");
    l.liczba(f.ordinal);
    l.pole("args");
    l.surowe("[");
    [[maybe_unused]] unsigned i = 0;
    (
        [&](auto a) {
            const unsigned indeks = i++;
            if (indeks) l.surowe(",");
            // A buffer the host writes into is written once, after the
            // call, under "out"; here only its room.
            if constexpr (std::is_same_v<decltype(a), char*>) {
                const std::size_t miejsce = miejsceWyjscia(slot, indeks, liczby, kIle);
                if (a && miejsce) {
                    l.surowe("{\"buffer\":");
                    l.liczbaBezZnaku(miejsce);
                    l.surowe("}");
                    return;
                }
            }
            argument(l, a);
        }(argumenty),
        ...);
    l.surowe("]");
    // A text answer is the plug-in's own buffer handed back, which "out"
    // shows; it may hold no terminator inside its room.
    if (wynik) {
        l.pole("result");
        if constexpr (std::is_pointer_v<R>)
            l.wskaznik(reinterpret_cast<const void*>(*wynik));
        else
            argument(l, *wynik);
    }
    l.pole("out");
    l.surowe("[");
    [[maybe_unused]] bool pierwszy = true;
    i = 0;
    (
        [&](auto a) {
            const unsigned indeks = i++;
            if constexpr (std::is_same_v<decltype(a), char*>) {
                const std::size_t miejsce = miejsceWyjscia(slot, indeks, liczby, kIle);
                if (!a || miejsce == 0) return;
                l.surowe(pierwszy ? "{\"arg\":" : ",{\"arg\":");
                pierwszy = false;
                l.liczba(indeks);
                l.pole("room");
                l.liczbaBezZnaku(miejsce);
                l.pole("text");
                l.tekst(a, miejsce);
                l.surowe("}");
            }
        }(argumenty),
        ...);
    l.surowe("]");
    l.zakoncz();
}

// The lines of what the plug-in read, written only while a trace is taken.
namespace odczyt {
void rekord(const void* tabela);
void bajty(const char* co, const void* adres, std::size_t ile);
void liczba(const char* co, long long wartosc);
void tekst(const char* co, const char* tekst, std::size_t miejsce);
}  // namespace odczyt

// Something the host made readable and the plug-in read. Inline, so that
// without a trace a cursor step pays one test of a pointer, not a call.
inline void odczytRekordu(const void* tabela) {
    if (wlaczony()) [[unlikely]]
        odczyt::rekord(tabela);
}
inline void odczytBajtow(const char* co, const void* adres, std::size_t ile) {
    if (wlaczony()) [[unlikely]]
        odczyt::bajty(co, adres, ile);
}
inline void odczytLiczby(const char* co, long long wartosc) {
    if (wlaczony()) [[unlikely]]
        odczyt::liczba(co, wartosc);
}
inline void odczytTekstu(const char* co, const char* tekst, std::size_t miejsce) {
    if (wlaczony()) [[unlikely]]
        odczyt::tekst(co, tekst, miejsce);
}

// A call of the host into the plug-in: `enter` now, `leave` with the answer.
class Wejscie {
public:
    template <typename... A>
    Wejscie(const char* rola, A... argumenty) : rola_(rola) {
        if (!wlaczony()) return;
        Linia l("enter", rola);
        l.pole("args");
        l.surowe("[");
        [[maybe_unused]] bool pierwszy = true;
        ((l.surowe(pierwszy ? "" : ","), pierwszy = false, argument(l, argumenty)), ...);
        l.surowe("]");
        l.zakoncz();
    }
    template <typename R>
    R wynik(R odpowiedz) {
        if (!wlaczony()) return odpowiedz;
        Linia l("leave", rola_);
        l.pole("result");
        argument(l, odpowiedz);
        l.zakoncz();
        return odpowiedz;
    }
    // The row text provider answers a text or a count: the text is written.
    std::intptr_t wynikWiersza(int wiersz, std::intptr_t odpowiedz, int pytanieOLiczbe);

private:
    const char* rola_;
};

}  // namespace kz::slad
