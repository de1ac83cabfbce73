// The texts the plug-in hands to the host outside its dialogs: the plug-in
// description and menu label, the first-run notice, the failure report, the
// debugger lines, the INI names, the folder picker prompt, the
// messages of the scan and the selection list, the list's row texts and the
// message box captions. All of them are Mazovia bytes (mazovia.hpp), each
// defined from its line in one of the lists below.
#pragma once

#include "plugin/interface/mazovia.hpp"
#include "plugin/interface/plugin_exports.hpp"

// Where the command sits in the host's menu (kOpisWtyczki, also the
// plug-in's name in the failure report and the first-run notice; the host
// copies exactly kDescriptionSize bytes), its label and the first-run notice.
#define KZ_TEKSTY_WTYCZKI(X)                                                                              \
    X(kOpisWtyczki, "Miesiące->Export-import danych->Export do innych programów:\n\x02Kalvet zakupy\x01") \
    X(kEtykietaMenu, "K~a~lvet zakupy")                                                                   \
    X(kZainstalowanoWtyczke, "Zainstalowano wtyczkę do programu:\n%s")

#define KZ_TEKSTY_INI(X)            \
    X(kPlikIni, "KalvetZakupy.ini") \
    X(kSekcjaIni, "KalvetZakupy")   \
    X(kKluczPytaj, "Pytaj")         \
    X(kFormatPytaj, "%d")           \
    X(kKluczOpcje, "Opcje")         \
    X(kWybierzFolder, "Wybierz folder z plikami do importu")

// The binder's debugger line; plain ASCII.
#define KZ_TEKSTY_DEBUGERA(X) X(kBrakFunkcjiONumerze, "Brak funkcji o numerze %d\n")

// Failure report: missing host functions. The list is the single form with
// one ordinal, otherwise the plural head followed by one piece per ordinal.
#define KZ_TEKSTY_BRAKU_FUNKCJI(X)                                                                                 \
    X(kFunkcjeONumerze, "funkcję o numerze %hu")                                                                   \
    X(kFunkcjeONumerach, "funkcje o numerach")                                                                     \
    X(kKolejnyNumer, " %hu,")                                                                                      \
    X(kJej, "jej")                                                                                                 \
    X(kIch, "ich")                                                                                                 \
    X(kBrakujaceFunkcje,                                                                                           \
      "Wtyczka \"%s\" potrzebuje zaimportować\n%s z modułu głównego,\njednak moduł główny %s nie posiada. " \
      "Aby naprawić tę sytuację\nzainstaluj aktualizację programu oraz wtyczki.\n\n"                           \
      "WTYCZKA NIE ZOSTANIE ZAŁADOWANA!!!\n")

// Failure report: record sizes, a table with its own tab stops per line.
#define KZ_TEKSTY_ROZMIAROW(X)                                                                                        \
    X(kNaglowekRozmiarow,                                                                                             \
      "Rozmiary rekordów niektórych tabel nie zgadzają się\nmiędzy programem a wtyczką '%s' (moduł '%s'):\n\n" \
      "\x01tl18l33\x01TABELA\tWE WTYCZCE\tW PROGRAMIE\n")                                                             \
    X(kWierszRozmiaru, "\x01tp25p40\x01%s\t%d\t%s\n")                                                                 \
    X(kBrak, "brak")                                                                                                  \
    X(kStopkaRozmiarow, "\nModuł \x02%s\x01\nNIE zostanie załadowany!")

// Failure report: the last two reasons, letter for letter, the misspelt
// "zakualizowany" included.
#define KZ_TEKSTY_WERSJI(X)                                                                                            \
    X(kRozneWersje,                                                                                                    \
      "Moduł \"%s\" i program występują w różnych wersjach!\n\n"                                                  \
      "Został zakualizowany tylko program albo tylko moduł,\na nie oba jednocześnie! Aby naprawić tę sytuację\n" \
      "zainstaluj aktualizację programu wraz z modułem \"%s\".\n\nMODUŁ NIE ZOSTANIE ZAŁADOWANY!!!\n")                 \
    X(kNiezainicjowany, "Moduł \"%s\" nie został poprawnie zainicjowany,\nwięc NIE BĘDZIE AKTYWNY!")

// The document scan. The list's rows are 16-bit numbers: past its last row
// the scan stops and says so (kListaPelna), with the limit for %d.
#define KZ_TEKSTY_SKANOWANIA(X)                                                                      \
    X(kNazwaWtyczki, "KalvetZakupy")                                                                 \
    X(kBladOperacjiDyskowej, "Błąd operacji dyskowej!")                                              \
    X(kBladAlokacji, "Błąd podczas alokowania pamięci w %s!\nOperacja niekompletna!")                \
    X(kListaPelna,                                                                                   \
      "Dokumentów spełniających kryteria jest więcej niż %d,\na tyle najwyżej mieści lista. " \
      "Pozostałe nie zostały\nna nią wpisane i nie zostaną wyeksportowane.\n\n"                  \
      "Zawęź okres lub filtry kontrahenta\ni uruchom eksport ponownie.")

// The selection list. A row holds six fields separated by 0x0D: the mark,
// the document number, the contractor, the gross value, the issue date and
// the type; the texts are bounded by their fields, the amount is made apart,
// in exponent form (kFormatKwotyWykladniczy) when too long for its place.
#define KZ_TEKSTY_LISTY(X)                                        \
    X(kBrakDokumentow, "Brak dokumentów spełniających kryteria!") \
    X(kFormatWiersza, "%c\r%.*s\r%.*s\r%s\r%.*s\r%s")             \
    X(kFormatKwoty, "%.2f")                                       \
    X(kFormatKwotyWykladniczy, "%.6e")                            \
    X(kNapisZakup, "Zakup")                                       \
    X(kNapisPZ, "PZ")

// The writing step: its messages, the export files' names and mode, and the
// paths of the clearing, "%s%c%s" being folder, separator, name. After the
// two counts come the marked documents that got no file, each kind counted
// as "label: number", which reads right for any number: those whose files
// could not be created in the folder (kNieUtworzonoPlikow, with the
// folder), those whose files the host could not write whole
// (kNiezapisaneDokumenty; their files are gone, the counted ones are
// whole), and those past the kind's last file number (kPominieteDokumenty,
// with the limit and a line kPierwszaPominieta... for each kind that left
// one out, or an empty text).
#define KZ_TEKSTY_ZAPISU(X)                                                                                   \
    X(kBladOperacjiDyskowejZapisu, "Błąd operacji dyskowej w wpiszDokumentyDoPliku!")                         \
    X(kBrakKatalogu, "Nie wybrano katalogu na pliki eksportu!\nNie zapisano ani nie usunięto żadnego pliku.") \
    X(kWyeksportowano, "Wyeksportowano %d %s")                                                                \
    X(kFakturZakupu, "faktur zakupu")                                                                         \
    X(kDokumentowPZ, "dokumentów PZ")                                                                         \
    X(kNieUtworzonoPlikow,                                                                                    \
      "Nie udało się utworzyć plików eksportu w katalogu:\n\x02%s\x01\n\n"                                \
      "Nie zapisano faktur zakupu: %d\nNie zapisano dokumentów PZ: %d\n\n"                                   \
      "Sprawdź, czy katalog istnieje, czy wolno w nim zapisywać\n"                                          \
      "i czy żaden plik eksportu nie jest otwarty ani tylko do odczytu.")                                     \
    X(kNiezapisaneDokumenty,                                                                                  \
      "Błąd zapisu pliku eksportu (np. brak miejsca na dysku)!\n\n"                                         \
      "Nie zapisano faktur zakupu: %d\nNie zapisano dokumentów PZ: %d\n\n"                                   \
      "Niepełne pliki usunięto, zapisane pliki są kompletne.")                                                \
    X(kPominieteDokumenty,                                                                                    \
      "Jeden eksport zapisuje najwyżej %d plików jednego rodzaju.\n"                                        \
      "Pliki powstają w kolejności, w jakiej HADREK przechowuje\n"                                          \
      "dokumenty, a nie w kolejności listy.\n\n"                                                             \
      "Pominięte faktury zakupu: %d\nPominięte dokumenty PZ: %d\n%s%s\n"                                    \
      "Nie importuj plików z tego eksportu. Wyeksportuj kolejno te okresy,\n"                                \
      "zaznaczając w każdym te same dokumenty, a pliki każdego okresu\n"                                   \
      "zaimportuj przed eksportem następnego (eksport opróżnia katalog):\n%s")                                \
    X(kPierwszaPominietaFaktura, "Pierwsza pominięta faktura zakupu: \x02%s\x01 z dnia %s\n")                 \
    X(kPierwszyPominietyPZ, "Pierwszy pominięty dokument PZ: \x02%s\x01 z dnia %s\n")                         \
    X(kOkres, "  od %s do %s\n")                                                                              \
    X(kOkresJednegoDnia, "  od %s do %s (*)\n")                                                               \
    X(kDalszeOkresy,                                                                                          \
      "  i dalej od %s: po tych okresach wyeksportuj resztę,\n"                                              \
      "  a wtyczka znów podzieli ją na okresy.\n")                                                            \
    X(kPonadLimitJednegoDnia,                                                                                 \
      "(*) Tego dnia zaznaczono ponad %d dokumentów jednego rodzaju:\n"                                      \
      "wyeksportuj go w częściach, zawężając filtry kontrahenta\n"                                       \
      "albo zaznaczając za każdym razem najwyżej %d wierszy.\n")                                              \
    X(kBrakOkresow,                                                                                           \
      "  (nie udało się ich wyznaczyć: wybieraj okresy, w których\n"                                      \
      "  jest najwyżej %d zaznaczonych dokumentów jednego rodzaju)\n")                                        \
    X(kPlikiWKatalogu, "Pliki dostępne są w katalogu:\n\n\x02%s\x01")                                         \
    X(kNazwaPlikuEksportu, "DOWODY.%c%02d.TXT")                                                               \
    X(kTrybPlikuEksportu, "wt")                                                                               \
    X(kFormatSciezki, "%s%c%s")                                                                               \
    X(kWszystkiePliki, "*.*")

// What the other program would read wrongly or find empty: a branch code
// holding a colon or a line end is refused before anything is deleted
// (kZlaPlacowka, with the byte's name); after the counts, the written
// documents whose lines hold such a byte in a text field (kZleZnakiWLiniach,
// with a line naming the first of each kind, its file, the field and the
// byte) and those without lines, whose files are empty (kPustePliki).
#define KZ_TEKSTY_KONTROLI(X)                                                                                     \
    X(kZlaPlacowka,                                                                                               \
      "Pole \"Placówka\" zawiera %s.\n"                                                                          \
      "Kod placówki trafia do każdego wiersza plików eksportu,\n"                                              \
      "więc program, do którego importujesz pliki, odczytałby\n"                                               \
      "błędnie wszystkie wiersze.\n\n"                                                                          \
      "Nie usunięto ani nie zapisano żadnego pliku.\n"                                                          \
      "Popraw pole \"Placówka\" i uruchom eksport ponownie.")                                                     \
    X(kZleZnakiWLiniach,                                                                                          \
      "W niektórych wierszach plików eksportu pole tekstowe zawiera\n"                                          \
      "dwukropek albo znak końca wiersza, więc program, do którego\n"                                          \
      "importujesz pliki, odczyta te wiersze błędnie.\n\n"                                                      \
      "Faktury zakupu z takimi wierszami: %d\nDokumenty PZ z takimi wierszami: %d\n%s%s\n"                        \
      "Popraw te teksty w HADREK i wyeksportuj dokumenty ponownie,\n"                                             \
      "zanim zaimportujesz pliki.")                                                                               \
    X(kPierwszaZlaFaktura,                                                                                        \
      "Pierwsza taka faktura zakupu: \x02%s\x01 z dnia %s:\nw pliku %s pole %d (%s)\nzawiera %s.\n")              \
    X(kPierwszyZlyPZ, "Pierwszy taki dokument PZ: \x02%s\x01 z dnia %s:\nw pliku %s pole %d (%s)\nzawiera %s.\n") \
    X(kPustePliki,                                                                                                \
      "Niektóre zaznaczone dokumenty nie mają pozycji,\n"                                                       \
      "więc ich pliki eksportu są puste.\n\n"                                                                   \
      "Puste pliki faktur zakupu: %d\nPuste pliki dokumentów PZ: %d\n%s%s\n"                                     \
      "Sprawdź te dokumenty w HADREK. Jeśli pozycji brakuje przez pomyłkę,\n"                                 \
      "uzupełnij je i wyeksportuj dokumenty ponownie.")                                                           \
    X(kPierwszaPustaFaktura, "Pierwsza taka faktura zakupu: \x02%s\x01 z dnia %s,\nplik %s\n")                    \
    X(kPierwszyPustyPZ, "Pierwszy taki dokument PZ: \x02%s\x01 z dnia %s,\nplik %s\n")                            \
    X(kDwukropek, "dwukropek")                                                                                    \
    X(kZnakCR, "znak końca wiersza (CR)")                                                                         \
    X(kZnakLF, "znak końca wiersza (LF)")                                                                         \
    X(kPoleIdentyfikatora, "identyfikator kontrahenta")                                                           \
    X(kPoleKodu, "kod pozycji")                                                                                   \
    X(kPoleTekstuDodatkowego, "tekst dodatkowy pozycji")                                                          \
    X(kPoleOpisu, "opis pozycji")                                                                                 \
    X(kPoleJednostki, "jednostka miary")                                                                          \
    X(kPoleStawki, "stawka podatku")                                                                              \
    X(kPoleNumeru, "numer dokumentu")

// The export line: 15 fields, the constant 2 and two empty fields. The
// date is made apart as year, month, day.
#define KZ_TEKSTY_LINII(X)                                                    \
    X(kFormatLinii, "%s:%s:%s:%s:%s:%s:%.2f:%s:%s:%.3f:%s:%s:%s:%s:%s:2::\n") \
    X(kFormatDaty, "%04d%02d%02d")                                            \
    X(kStawkaZW, "ZW")                                                        \
    X(kStawkaOP, "OP")                                                        \
    X(kStawkaNP, "NP")                                                        \
    X(kZnakStawkiOP, "O")                                                     \
    X(kZnakStawki, "T")                                                       \
    X(kIloscDodatnia, "+")                                                    \
    X(kIloscNiedodatnia, "-")                                                 \
    X(kZnakZakupu, "V")                                                       \
    X(kZnakPZ, "D")

// Message box captions.
#define KZ_TEKSTY_TYTULOW(X) \
    X(kTytulBlad, "Błąd")    \
    X(kTytulUwaga, "Uwaga")  \
    X(kStop, "STOP!!!")

// Every text above; a list left out here defines none of its texts.
#define KZ_TEKSTY(X)           \
    KZ_TEKSTY_WTYCZKI(X)       \
    KZ_TEKSTY_INI(X)           \
    KZ_TEKSTY_DEBUGERA(X)      \
    KZ_TEKSTY_BRAKU_FUNKCJI(X) \
    KZ_TEKSTY_ROZMIAROW(X)     \
    KZ_TEKSTY_WERSJI(X)        \
    KZ_TEKSTY_SKANOWANIA(X)    \
    KZ_TEKSTY_LISTY(X)         \
    KZ_TEKSTY_ZAPISU(X)        \
    KZ_TEKSTY_KONTROLI(X)      \
    KZ_TEKSTY_LINII(X)         \
    KZ_TEKSTY_TYTULOW(X)

namespace kz::texts {

KZ_TEKSTY(KZ_TEKST_MAZOVII)

static_assert(kOpisWtyczki.size() + 1 == kDescriptionSize);

// The selection list's marks, single bytes.
inline constexpr char kZnakZaznaczony = KZ_MAZOVIA("»")[0];
inline constexpr char kZnakNiezaznaczony = KZ_MAZOVIA("«")[0];

}  // namespace kz::texts
