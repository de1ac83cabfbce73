// The writing step, wpiszDokumentyDoPliku: the output folder emptied, then
// one export file per chosen document, purchase invoices first and goods
// receipts second, numbered per type in the order the Tzak range yields
// them; the user is told how many files of each kind were written, and
// where.
#include <cstdio>

#include "plugin/export/czyszczenie_katalogu.hpp"
#include "plugin/export/komunikaty.hpp"
#include "plugin/export/kursor_tabeli.hpp"
#include "plugin/export/plik_eksportu.hpp"
#include "plugin/export/sciezki_katalogu.hpp"
#include "plugin/export/wybrane_dokumenty.hpp"
#include "plugin/export/zrob_liste_dokumentow.hpp"

namespace kz {
namespace {

// DOWODY.<letter>00.TXT to DOWODY.<letter>99.TXT per type.
constexpr int kMaksPlikow = 100;
constexpr std::size_t kMiejsceNaNazwePliku = sizeof "DOWODY.Z00.TXT";
static_assert(kMiejsceNaSciezke >= kDlugoscKatalogu + 1 + kMiejsceNaNazwePliku);

struct RodzajPlikow {
    std::int16_t typ;
    char litera;
    const char* wyrazenie;  // the count message's wording
};

const RodzajPlikow kRodzajePlikow[] = {
    {kTypZakup, 'Z', texts::kFakturZakupu.c_str()},
    {kTypPZ, 'P', texts::kDokumentowPZ.c_str()},
};

// What every document of a pass reads: the lines' table and both record
// buffers, and the line cursor.
struct Tabele {
    void* tzakDok;
    const unsigned char* naglowek;
    const unsigned char* pozycja;
    KursorTabeli& kursorPozycji;
};

// The export file of one document, in the object's output file handle
// while its lines are written; closed (52305) and the handle cleared
// however the writing ends.
class PlikDokumentu {
public:
    PlikDokumentu(CZrobListeDokumentow& eksport, void* strumien) : eksport_(eksport) {
        eksport_.plikWyjsciowy_ = uchwytPliku(strumien);
    }
    ~PlikDokumentu() {
        void* strumien = strumienPliku(eksport_.plikWyjsciowy_);
        eksport_.plikWyjsciowy_ = 0;
        host<Slot::StreamClose>()(strumien);
    }
    PlikDokumentu(const PlikDokumentu&) = delete;
    PlikDokumentu& operator=(const PlikDokumentu&) = delete;

private:
    CZrobListeDokumentow& eksport_;
};

// The document whose header stands in the Tzak buffer, into the file of
// this number; false when the file cannot be created.
bool zapiszDokument(CZrobListeDokumentow& eksport, const RodzajPlikow& rodzaj, int numer, const Tabele& tabele) {
    char nazwa[kMiejsceNaNazwePliku];
    std::snprintf(nazwa, sizeof nazwa, texts::kNazwaPlikuEksportu.c_str(), rodzaj.litera, numer);
    char sciezka[kMiejsceNaSciezke];
    host<Slot::PathAppendName>()(
        host<Slot::BoundedCopy>()(sciezka, eksport.opcje_.katalogWyjsciowy, static_cast<int>(kDlugoscKatalogu)), nazwa);
    void* strumien = otworzPlikEksportu(sciezka);
    if (!strumien) return false;

    PlikDokumentu plik(eksport, strumien);
    const int rodzajKlucza = host<Slot::LineKeyKind>()(rodzaj.typ);
    KluczZakresu klucz;
    host<Slot::KeyBuild>()(rodzajKlucza, nullptr, klucz.bajty,
                           czytajPole<std::int32_t>(tabele.naglowek, tzak::kIdDokumentu));
    przejdzZakres(tabele.kursorPozycji, tabele.tzakDok, rodzajKlucza, klucz, [&] {
        eksport.wpiszLinieEksportu(rodzaj.typ, tabele.naglowek, tabele.pozycja);
        return true;
    });
    return true;
}

}  // namespace

int CZrobListeDokumentow::wpiszDokumentyDoPliku() {
    // The line cursor is declared first, so the header cursor goes first;
    // both are made before anything can fail, so both go on every path.
    KursorTabeli kursorPozycji;
    KursorTabeli kursorNaglowkow;

    char* katalog = opcje_.katalogWyjsciowy;
    katalog[sizeof opcje_.katalogWyjsciowy - 1] = '\0';
    // Without a folder the clearing would search the current drive's root
    // and the files would land wherever the host puts a bare name: nothing
    // is cleared and nothing is written.
    if (brakKatalogu(katalog)) {
        pokazKomunikat(texts::kTytulBlad.c_str(), texts::kBrakKatalogu.c_str());
        return 0;
    }

    void* tzak = host<Slot::TableOpen>()(kTabelaTzak);
    void* tzakDok = host<Slot::TableOpen>()(kTabelaTzakDok);
    wyczyscKatalog(katalog);
    if (!tzak || !tzakDok) {
        pokazKomunikat(texts::kTytulBlad.c_str(), texts::kBladOperacjiDyskowejZapisu.c_str());
        return 0;
    }
    przygotujTabele(tzak);
    przygotujTabele(tzakDok);
    const Tabele tabele{tzakDok, buforRekordu(tzak), buforRekordu(tzakDok), kursorPozycji};

    if (zostawZaznaczone() == 0) return 1;
    uporzadkujDoWyszukiwania(pozycje(), liczbaDokumentow_);

    int razem = 0;
    for (const RodzajPlikow& rodzaj : kRodzajePlikow) {
        int numer = 0;
        KluczZakresu klucz;
        host<Slot::KeyBuild>()(rodzaj.typ, nullptr, klucz.bajty, 0);
        przejdzZakres(kursorNaglowkow, tzak, rodzaj.typ, klucz, [&] {
            if (filtrujDokument(tabele.naglowek) ||
                !jestWybrany(pozycje(), liczbaDokumentow_, rodzaj.typ, tabele.naglowek))
                return true;
            // A file that cannot be created uses up no number.
            if (zapiszDokument(*this, rodzaj, numer, tabele)) ++numer;
            return numer < kMaksPlikow;
        });
        host<Slot::MessageBoxFormat>()(texts::kTytulUwaga.c_str(), texts::kWyeksportowano.c_str(), kOknoKomunikatu,
                                       numer, rodzaj.wyrazenie);
        razem += numer;
    }
    if (razem > 0)
        host<Slot::MessageBoxFormat>()(texts::kTytulUwaga.c_str(), texts::kPlikiWKatalogu.c_str(), kOknoKomunikatu,
                                       katalog);
    return 0;
}

}  // namespace kz
