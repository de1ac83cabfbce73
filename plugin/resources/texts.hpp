// The texts the plug-in hands to the host outside its dialogs: the plug-in
// description and menu label, the first-run notice, the failure report, the
// debugger lines, the INI names, the folder picker prompt, the
// messages of the scan and the selection list, the list's row texts and the
// message box captions. All of them are Mazovia bytes (mazovia.hpp).
#pragma once

#include "plugin/interface/mazovia.hpp"
#include "plugin/interface/plugin_exports.hpp"

namespace kz::texts {

// Where the command sits in the host's menu; also the plug-in's name in the
// failure report and the first-run notice. The host copies exactly
// kDescriptionSize bytes.
inline constexpr auto kOpisWtyczki =
    KZ_MAZOVIA("Miesiące->Export-import danych->Export do innych programów:\n\x02Kalvet zakupy\x01");
static_assert(kOpisWtyczki.size() + 1 == kDescriptionSize);

inline constexpr auto kEtykietaMenu = KZ_MAZOVIA("K~a~lvet zakupy");
inline constexpr auto kZainstalowanoWtyczke = KZ_MAZOVIA("Zainstalowano wtyczkę do programu:\n%s");

inline constexpr auto kPlikIni = KZ_MAZOVIA("KalvetZakupy.ini");
inline constexpr auto kSekcjaIni = KZ_MAZOVIA("KalvetZakupy");
inline constexpr auto kKluczPytaj = KZ_MAZOVIA("Pytaj");
inline constexpr auto kFormatPytaj = KZ_MAZOVIA("%d");
inline constexpr auto kKluczOpcje = KZ_MAZOVIA("Opcje");
inline constexpr auto kWybierzFolder = KZ_MAZOVIA("Wybierz folder z plikami do importu");

// The binder's debugger line; plain ASCII.
inline constexpr auto kBrakFunkcjiONumerze = KZ_MAZOVIA("Brak funkcji o numerze %d\n");

// Failure report: missing host functions. The list is the single form with
// one ordinal, otherwise the plural head followed by one piece per ordinal.
inline constexpr auto kFunkcjeONumerze = KZ_MAZOVIA("funkcję o numerze %hu");
inline constexpr auto kFunkcjeONumerach = KZ_MAZOVIA("funkcje o numerach");
inline constexpr auto kKolejnyNumer = KZ_MAZOVIA(" %hu,");
inline constexpr auto kJej = KZ_MAZOVIA("jej");
inline constexpr auto kIch = KZ_MAZOVIA("ich");
inline constexpr auto kBrakujaceFunkcje = KZ_MAZOVIA(
    "Wtyczka \"%s\" potrzebuje zaimportować\n%s z modułu głównego,\njednak moduł główny %s nie posiada. "
    "Aby naprawić tę sytuację\nzainstaluj aktualizację programu oraz wtyczki.\n\n"
    "WTYCZKA NIE ZOSTANIE ZAŁADOWANA!!!\n");

// Failure report: record sizes, a table with its own tab stops per line.
inline constexpr auto kNaglowekRozmiarow = KZ_MAZOVIA(
    "Rozmiary rekordów niektórych tabel nie zgadzają się\nmiędzy programem a wtyczką '%s' (moduł '%s'):\n\n"
    "\x01tl18l33\x01TABELA\tWE WTYCZCE\tW PROGRAMIE\n");
inline constexpr auto kWierszRozmiaru = KZ_MAZOVIA("\x01tp25p40\x01%s\t%d\t%s\n");
inline constexpr auto kBrak = KZ_MAZOVIA("brak");
inline constexpr auto kStopkaRozmiarow = KZ_MAZOVIA("\nModuł \x02%s\x01\nNIE zostanie załadowany!");

// Failure report: the last two reasons, letter for letter, the misspelt
// "zakualizowany" included.
inline constexpr auto kRozneWersje = KZ_MAZOVIA(
    "Moduł \"%s\" i program występują w różnych wersjach!\n\n"
    "Został zakualizowany tylko program albo tylko moduł,\na nie oba jednocześnie! Aby naprawić tę sytuację\n"
    "zainstaluj aktualizację programu wraz z modułem \"%s\".\n\nMODUŁ NIE ZOSTANIE ZAŁADOWANY!!!\n");
inline constexpr auto kNiezainicjowany =
    KZ_MAZOVIA("Moduł \"%s\" nie został poprawnie zainicjowany,\nwięc NIE BĘDZIE AKTYWNY!");

// The document scan.
inline constexpr auto kNazwaWtyczki = KZ_MAZOVIA("KalvetZakupy");
inline constexpr auto kBladOperacjiDyskowej = KZ_MAZOVIA("Błąd operacji dyskowej!");
inline constexpr auto kBladAlokacji = KZ_MAZOVIA("Błąd podczas alokowania pamięci w %s!\nOperacja niekompletna!");
// The list's rows are 16-bit numbers: past its last row the scan stops and
// says so, with the limit for %d.
inline constexpr auto kListaPelna = KZ_MAZOVIA(
    "Dokumentów spełniających kryteria jest więcej niż %d,\na tyle najwyżej mieści lista. "
    "Pozostałe nie zostały\nna nią wpisane i nie zostaną wyeksportowane.\n\n"
    "Zawęź okres lub filtry kontrahenta\ni uruchom eksport ponownie.");

// The selection list. A row holds six fields separated by 0x0D: the mark,
// the document number, the contractor, the gross value, the issue date and
// the type; the texts are bounded by their fields, the amount is made apart.
inline constexpr auto kBrakDokumentow = KZ_MAZOVIA("Brak dokumentów spełniających kryteria!");
inline constexpr auto kFormatWiersza = KZ_MAZOVIA("%c\r%.*s\r%.*s\r%s\r%.*s\r%s");
inline constexpr auto kFormatKwoty = KZ_MAZOVIA("%.2f");
// An amount too long for its place in the row, in exponent form instead.
inline constexpr auto kFormatKwotyWykladniczy = KZ_MAZOVIA("%.6e");
inline constexpr char kZnakZaznaczony = KZ_MAZOVIA("»")[0];
inline constexpr char kZnakNiezaznaczony = KZ_MAZOVIA("«")[0];
inline constexpr auto kNapisZakup = KZ_MAZOVIA("Zakup");
inline constexpr auto kNapisPZ = KZ_MAZOVIA("PZ");

// The writing step: its messages, the export files' names and mode, and the
// paths of the clearing, "%s%c%s" being folder, separator, name.
inline constexpr auto kBladOperacjiDyskowejZapisu = KZ_MAZOVIA("Błąd operacji dyskowej w wpiszDokumentyDoPliku!");
inline constexpr auto kBrakKatalogu =
    KZ_MAZOVIA("Nie wybrano katalogu na pliki eksportu!\nNie zapisano ani nie usunięto żadnego pliku.");
inline constexpr auto kWyeksportowano = KZ_MAZOVIA("Wyeksportowano %d %s");
inline constexpr auto kFakturZakupu = KZ_MAZOVIA("faktur zakupu");
inline constexpr auto kDokumentowPZ = KZ_MAZOVIA("dokumentów PZ");
// After the two counts: documents whose files the host could not write
// whole, invoices first; their files are gone, the counted ones are whole.
inline constexpr auto kNiezapisaneDokumenty = KZ_MAZOVIA(
    "Błąd zapisu pliku eksportu (np. brak miejsca na dysku)!\nNie zapisano %d faktur zakupu i %d dokumentów PZ.\n"
    "Zapisane pliki są kompletne.");
inline constexpr auto kPlikiWKatalogu = KZ_MAZOVIA("Pliki dostępne są w katalogu:\n\n\x02%s\x01");
inline constexpr auto kNazwaPlikuEksportu = KZ_MAZOVIA("DOWODY.%c%02d.TXT");
inline constexpr auto kTrybPlikuEksportu = KZ_MAZOVIA("wt");
inline constexpr auto kFormatSciezki = KZ_MAZOVIA("%s%c%s");
inline constexpr auto kWszystkiePliki = KZ_MAZOVIA("*.*");

// The export line: 15 fields, the constant 2 and two empty fields. The
// date is made apart as year, month, day.
inline constexpr auto kFormatLinii = KZ_MAZOVIA("%s:%s:%s:%s:%s:%s:%.2f:%s:%s:%.3f:%s:%s:%s:%s:%s:2::\n");
inline constexpr auto kFormatDaty = KZ_MAZOVIA("%04d%02d%02d");
inline constexpr auto kStawkaZW = KZ_MAZOVIA("ZW");
inline constexpr auto kStawkaOP = KZ_MAZOVIA("OP");
inline constexpr auto kStawkaNP = KZ_MAZOVIA("NP");
inline constexpr auto kZnakStawkiOP = KZ_MAZOVIA("O");
inline constexpr auto kZnakStawki = KZ_MAZOVIA("T");
inline constexpr auto kIloscDodatnia = KZ_MAZOVIA("+");
inline constexpr auto kIloscNiedodatnia = KZ_MAZOVIA("-");
inline constexpr auto kZnakZakupu = KZ_MAZOVIA("V");
inline constexpr auto kZnakPZ = KZ_MAZOVIA("D");

// Message box captions.
inline constexpr auto kTytulBlad = KZ_MAZOVIA("Błąd");
inline constexpr auto kTytulUwaga = KZ_MAZOVIA("Uwaga");
inline constexpr auto kStop = KZ_MAZOVIA("STOP!!!");

}  // namespace kz::texts
