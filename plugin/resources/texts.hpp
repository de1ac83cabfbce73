// The texts the plug-in hands to the host outside its dialogs: the plug-in
// description and menu label, the first-run notice, the failure report, the
// debugger lines, the INI names and formats, the folder picker prompt and
// the message box captions. All of them are Mazovia bytes (mazovia.hpp).
#pragma once

#include "plugin/resources/mazovia.hpp"

namespace kz::texts {

// Where the command sits in the host's menu; also the plug-in's name in the
// failure report and the first-run notice. The host copies exactly 76 bytes.
inline constexpr auto kOpisWtyczki =
    KZ_MAZOVIA("Miesiące->Export-import danych->Export do innych programów:\n\x02Kalvet zakupy\x01");
static_assert(kOpisWtyczki.size() + 1 == 76);

inline constexpr auto kEtykietaMenu = KZ_MAZOVIA("K~a~lvet zakupy");
inline constexpr auto kZainstalowanoWtyczke = KZ_MAZOVIA("Zainstalowano wtyczkę do programu:\n%s");

inline constexpr auto kPlikIni = KZ_MAZOVIA("KalvetZakupy.ini");
inline constexpr auto kSekcjaIni = KZ_MAZOVIA("KalvetZakupy");
inline constexpr auto kKluczPytaj = KZ_MAZOVIA("Pytaj");
inline constexpr auto kFormatPytaj = KZ_MAZOVIA("%d");
inline constexpr auto kKluczOpcje = KZ_MAZOVIA("Opcje");
// Key order: period start, period end, name, address, symbol, identifier
// field, branch code, output folder.
inline constexpr auto kFormatOpcji = KZ_MAZOVIA("%8s,%8s,%25s,%25s,%25s,%13s,%13s,%259s");
inline constexpr auto kWybierzFolder = KZ_MAZOVIA("Wybierz folder z plikami do importu");

// Debugger lines of the binder; plain ASCII.
inline constexpr auto kBrakFunkcjiONumerze = KZ_MAZOVIA("Brak funkcji o numerze %d\n");
inline constexpr auto kBrakFunkcjiONazwie = KZ_MAZOVIA("Brak funkcji o nazwie %s\n");

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

// Message box captions.
inline constexpr auto kTytulBlad = KZ_MAZOVIA("Błąd");
inline constexpr auto kTytulUwaga = KZ_MAZOVIA("Uwaga");
inline constexpr auto kStop = KZ_MAZOVIA("STOP!!!");

}  // namespace kz::texts
