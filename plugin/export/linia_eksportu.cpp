// One export line: 18 colon-separated fields for one line record of a
// chosen document, printed to the export file being written. Texts go out
// byte for byte as the host stores them, each bounded by its field's room.
// The fields a document's lines share are formatted once per document.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>

#include "plugin/export/data_wystawienia.hpp"
#include "plugin/export/plik_eksportu.hpp"
#include "plugin/export/scalanie_spacji.hpp"
#include "plugin/export/wolaj_hosta.hpp"
#include "plugin/export/znaki_rozdzielajace.hpp"
#include "plugin/export/zrob_liste_dokumentow.hpp"
#include "plugin/interface/host_signatures.hpp"
#include "plugin/resources/texts.hpp"

namespace kz {
namespace {

// An additional value strictly inside this bound leaves its field empty.
constexpr double kProgWartosciDodatkowej = 0.00001;

constexpr std::size_t kMiejsceNaKwote = 320;
// Any double fits with its NUL, so the conversion cannot fail: the largest
// in fixed notation has max_exponent10 + 1 digits, then the sign, the point
// and two decimals ("-nan" and "-inf" are shorter).
static_assert(std::numeric_limits<double>::max_exponent10 + 1 + 1 + 1 + 2 + 1 <= kMiejsceNaKwote);

// "%0.2f" as the C locale prints it: a full stop whatever locale the host's
// terminal front end set for its drawing.
void formatujKwote(char (&cel)[kMiejsceNaKwote], double kwota) {
    *std::to_chars(cel, cel + sizeof cel - 1, kwota, std::chars_format::fixed, 2).ptr = '\0';
}

const char* kodStawki(std::int16_t rodzaj, char (&tekstHosta)[kRateTextSize]) {
    switch (rodzaj) {
    case kRodzajStawkiZW: return texts::kStawkaZW.c_str();
    case kRodzajStawkiOP: return texts::kStawkaOP.c_str();
    case kRodzajStawkiNP: return texts::kStawkaNP.c_str();
    }
    // A host that has no text for the kind may write nothing at all.
    std::memset(tekstHosta, 0, sizeof tekstHosta);
    wolajHosta<Slot::RateCodeText>()(tekstHosta, rodzaj);
    tekstHosta[sizeof tekstHosta - 1] = '\0';
    return tekstHosta;
}

// The first text field, in the line's order, that holds a colon or a line
// end; the fields the plug-in makes itself never do. Each text ends inside
// its buffer.
ZnakWPolu pierwszyZnakRozdzielajacy(const char* const (&teksty)[7]) {
    static constexpr int kNumeryPol[7] = {1, 3, 4, 5, 9, 11, 12};
    for (int i = 0; i < 7; ++i)
        if (const char znak = znakRozdzielajacy(teksty[i], SIZE_MAX)) return {kNumeryPol[i], znak};
    return {};
}

}  // namespace

PolaDokumentu CZrobListeDokumentow::polaDokumentu(std::int16_t typ, const void* naglowek) {
    PolaDokumentu dokument;
    const DataWystawienia data = rozbijDateWystawienia(naglowek);
    std::snprintf(dokument.data, sizeof dokument.data, texts::kFormatDaty.c_str(), data.rok, data.miesiac, data.dzien);
    kopiujTekst(dokument.numer, naglowek, tzak::kNumerDokumentu);
    dokument.znakRodzaju = typ == kTypZakup ? texts::kZnakZakupu.c_str() : texts::kZnakPZ.c_str();
    dokument.wartosciJakZapisane =
        czytajPole<std::uint8_t>(naglowek, tzak::kFlagiWartosci) & tzak::kWartosciJakZapisane;

    // Collapsed on the option itself, bounded by its slot.
    opcje_.kodPlacowki[sizeof opcje_.kodPlacowki - 1] = '\0';
    scalSpacje(opcje_.kodPlacowki);

    // The identifier field of the options is working storage here: the
    // options were saved before the writing step.
    static_assert(sizeof opcje_.poleIdentyfikatora == tzak::kIdentyfikatorKontrahenta.room);
    // Ended here too: a copy that fills its limit may leave no NUL.
    constexpr std::size_t kPierwszePole = sizeof opcje_.poleIdentyfikatora - 1;
    wolajHosta<Slot::BoundedCopy>()(opcje_.poleIdentyfikatora,
                                    adresPola(naglowek, tzak::kIdentyfikatorKontrahenta.offset),
                                    static_cast<int>(kPierwszePole));
    opcje_.poleIdentyfikatora[kPierwszePole] = '\0';
    return dokument;
}

bool CZrobListeDokumentow::wpiszLinieEksportu(const PolaDokumentu& dokument, const void* pozycja,
                                              ZnakWPolu& rozdzielajacy) {
    const auto rodzajStawki = czytajPole<std::int16_t>(pozycja, tzak_dok::kRodzajStawki);
    char tekstStawki[kRateTextSize];
    const char* stawka = kodStawki(rodzajStawki, tekstStawki);

    double wartosc = czytajPole<double>(pozycja, tzak_dok::kWartoscPozycji);
    if (!dokument.wartosciJakZapisane)
        wartosc = wolajHosta<Slot::LineRateConversion>()(kRateConversionNetToGross, rodzajStawki, wartosc);
    wartosc = wolajHosta<Slot::AmountRound>()(wartosc, kRoundToHundredths);

    char opis[tzak_dok::kOpisPozycji.room];
    kopiujTekst(opis, pozycja, tzak_dok::kOpisPozycji);
    scalSpacje(opis);

    const double dodatkowa = czytajPole<double>(pozycja, tzak_dok::kWartoscDodatkowa);
    char wartoscDodatkowa[kMiejsceNaKwote] = "";
    if (!(dodatkowa > -kProgWartosciDodatkowej && dodatkowa < kProgWartosciDodatkowej))
        formatujKwote(wartoscDodatkowa, dodatkowa / double{kJednostekKwoty});

    const auto ilosc = czytajPole<std::int32_t>(pozycja, tzak_dok::kIlosc);

    char kod[tzak_dok::kKodPozycji.room];
    char tekstDodatkowy[tzak_dok::kTekstDodatkowy.room];
    char jednostka[tzak_dok::kJednostka.room];
    kopiujTekst(kod, pozycja, tzak_dok::kKodPozycji);
    kopiujTekst(tekstDodatkowy, pozycja, tzak_dok::kTekstDodatkowy);
    kopiujTekst(jednostka, pozycja, tzak_dok::kJednostka);

    if (rozdzielajacy.pole == 0)
        rozdzielajacy = pierwszyZnakRozdzielajacy(
            {opcje_.poleIdentyfikatora, kod, tekstDodatkowy, opis, jednostka, stawka, dokument.numer});

    const int wydrukowane = wolajHosta<Slot::StreamPrintf>()(
        strumienPliku(plikWyjsciowy_), texts::kFormatLinii.c_str(), opcje_.poleIdentyfikatora, dokument.data, kod,
        tekstDodatkowy, opis,
        rodzajStawki == kRodzajStawkiOP ? texts::kZnakStawkiOP.c_str() : texts::kZnakStawki.c_str(),
        wartosc / double{kJednostekKwoty}, wartoscDodatkowa, jednostka, ilosc / double{kJednostekIlosci}, stawka,
        dokument.numer, ilosc > 0 ? texts::kIloscDodatnia.c_str() : texts::kIloscNiedodatnia.c_str(),
        dokument.znakRodzaju, opcje_.kodPlacowki);
    return wydrukowane >= 0;
}

}  // namespace kz
