// The stand-in host's own words on the screen, in one place as a real
// host's would be: its desktop, its message boxes and the refusals of its
// dialogs. UTF-8 where the text is converted to Mazovia before it is
// shown, UTF-32 where it is drawn cell by cell.
#pragma once

#include <cstddef>
#include <string_view>

namespace hadrek::texts {

// The desktop behind every dialog.
inline constexpr std::u32string_view kMenuTitles[] = {U"~Kartoteki", U"~Dokumenty", U"~Miesiące", U"~Raporty",
                                                      U"~Narzędzia"};
inline constexpr std::size_t kOpenMenu = 2;  // "Miesiące"
inline constexpr std::u32string_view kMenuPath[] = {U"Miesiące", U"Export-import danych", U"Export do innych programów",
                                                    U"Kalvet zakupy"};
inline constexpr std::u32string_view kKeyHints[][2] = {{U"F1", U"Pomoc"}, {U"F10", U"Menu"}, {U"Esc", U"Wyjście"}};

// Message boxes.
inline constexpr std::u32string_view kDontShowAgain = U"Nie pokazuj więcej";
inline constexpr std::u32string_view kOk = U"OK";
inline constexpr std::string_view kErrorCaption = "Błąd";

// A period field the runner cannot take.
inline constexpr std::string_view kBadDate =
    "Niepoprawna data.\nPodaj datę jako RRRRMMDD (np. 20261231)\nalbo zostaw pole puste.";

// The folder picker's answer to a path that is not a folder; %s is the path.
inline constexpr std::string_view kNotAFolder = "Nie ma takiego katalogu:\n\x02%s\x01";

}  // namespace hadrek::texts
