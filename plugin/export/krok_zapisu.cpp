// The writing step, wpiszDokumentyDoPliku: the output folder emptied, then
// one export file per chosen document, purchase invoices first and goods
// receipts second, numbered per type in the order the Tzak range yields
// them; the user is told how many files of each kind were written whole,
// how many could not be, and where the files are.
#include <cstdio>
#include <iterator>

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
        if (eksport_.plikWyjsciowy_) zamknij();
    }
    PlikDokumentu(const PlikDokumentu&) = delete;
    PlikDokumentu& operator=(const PlikDokumentu&) = delete;

    // False when the stream's last bytes could not be written.
    bool zamknij() {
        void* strumien = strumienPliku(eksport_.plikWyjsciowy_);
        eksport_.plikWyjsciowy_ = 0;
        return host<Slot::StreamClose>()(strumien) != kStreamCloseFailed;
    }

private:
    CZrobListeDokumentow& eksport_;
};

enum class Zapis { Caly, NieUtworzony, Niepelny };

// The folder, then the file's name as a component of its own. Each copy is
// ended here as well: a host's copy that fills its limit may leave no NUL.
void zlozSciezkePliku(char (&sciezka)[kMiejsceNaSciezke], const char* katalog, const char* nazwa) {
    host<Slot::BoundedCopy>()(sciezka, katalog, static_cast<int>(kDlugoscKatalogu));
    sciezka[kDlugoscKatalogu] = '\0';
    host<Slot::PathAppendName>()(sciezka, nazwa);
    sciezka[sizeof sciezka - 1] = '\0';
}

// The document whose header stands in the Tzak buffer, into the file of
// this number. A file the host could not write whole, or not close, would
// reach the other program cut short: it is deleted and the document counts
// as not written, like one whose file could not be created.
Zapis zapiszDokument(CZrobListeDokumentow& eksport, const RodzajPlikow& rodzaj, int numer, const Tabele& tabele) {
    char nazwa[kMiejsceNaNazwePliku];
    std::snprintf(nazwa, sizeof nazwa, texts::kNazwaPlikuEksportu.c_str(), rodzaj.litera, numer);
    char sciezka[kMiejsceNaSciezke];
    zlozSciezkePliku(sciezka, eksport.opcje_.katalogWyjsciowy, nazwa);
    void* strumien = otworzPlikEksportu(sciezka);
    if (!strumien) return Zapis::NieUtworzony;

    bool caly = true;
    {
        PlikDokumentu plik(eksport, strumien);
        const int rodzajKlucza = host<Slot::LineKeyKind>()(rodzaj.typ);
        KluczZakresu klucz;
        host<Slot::KeyBuild>()(rodzajKlucza, nullptr, klucz.bajty,
                               czytajPole<std::int32_t>(tabele.naglowek, tzak::kIdDokumentu));
        const PolaDokumentu dokument = eksport.polaDokumentu(rodzaj.typ, tabele.naglowek);
        przejdzZakres(tabele.kursorPozycji, tabele.tzakDok, rodzajKlucza, klucz, [&] {
            caly = eksport.wpiszLinieEksportu(dokument, tabele.pozycja);
            return caly;
        });
        caly = plik.zamknij() && caly;
    }
    if (caly) return Zapis::Caly;
    usunPlik(sciezka);
    return Zapis::Niepelny;
}

struct WynikRodzaju {
    int zapisane = 0;
    int niezapisane = 0;
};

// One pass over the Tzak range of the kind's type: each chosen document
// into a file of its own, until the kind's file numbers run out. A file not
// written uses up no number.
WynikRodzaju zapiszRodzaj(CZrobListeDokumentow& eksport, const RodzajPlikow& rodzaj, KursorTabeli& kursorNaglowkow,
                          void* tzak, const Tabele& tabele) {
    WynikRodzaju wynik;
    KluczZakresu klucz;
    host<Slot::KeyBuild>()(rodzaj.typ, nullptr, klucz.bajty, 0);
    przejdzZakres(kursorNaglowkow, tzak, rodzaj.typ, klucz, [&] {
        if (eksport.filtrujDokument(tabele.naglowek) ||
            !jestWybrany(eksport.pozycje(), eksport.liczbaDokumentow_, rodzaj.typ, tabele.naglowek))
            return true;
        switch (zapiszDokument(eksport, rodzaj, wynik.zapisane, tabele)) {
        case Zapis::Caly: ++wynik.zapisane; break;
        case Zapis::NieUtworzony: break;
        case Zapis::Niepelny: ++wynik.niezapisane; break;
        }
        return wynik.zapisane < kMaksPlikow;
    });
    return wynik;
}

// After the passes' counts: the documents not written, then where the
// written files are.
void pokazPodsumowanie(const int (&niezapisane)[std::size(kRodzajePlikow)], int razem, const char* katalog) {
    if (niezapisane[0] || niezapisane[1])
        host<Slot::MessageBoxFormat>()(texts::kTytulBlad.c_str(), texts::kNiezapisaneDokumenty.c_str(), kOknoKomunikatu,
                                       niezapisane[0], niezapisane[1]);
    if (razem > 0)
        host<Slot::MessageBoxFormat>()(texts::kTytulUwaga.c_str(), texts::kPlikiWKatalogu.c_str(), kOknoKomunikatu,
                                       katalog);
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
    int niezapisane[std::size(kRodzajePlikow)] = {};
    for (std::size_t r = 0; r < std::size(kRodzajePlikow); ++r) {
        const WynikRodzaju wynik = zapiszRodzaj(*this, kRodzajePlikow[r], kursorNaglowkow, tzak, tabele);
        host<Slot::MessageBoxFormat>()(texts::kTytulUwaga.c_str(), texts::kWyeksportowano.c_str(), kOknoKomunikatu,
                                       wynik.zapisane, kRodzajePlikow[r].wyrazenie);
        razem += wynik.zapisane;
        niezapisane[r] = wynik.niezapisane;
    }
    pokazPodsumowanie(niezapisane, razem, katalog);
    return 0;
}

}  // namespace kz
