// The writing step, wpiszDokumentyDoPliku: the output folder emptied, then
// one export file per chosen document, purchase invoices first and goods
// receipts second, numbered per type in the order the Tzak range yields
// them; the user is told how many files of each kind were written whole,
// which chosen documents got no file and why, and where the files are.
#include <algorithm>
#include <cstdio>
#include <iterator>

#include "plugin/export/czyszczenie_katalogu.hpp"
#include "plugin/export/komunikaty.hpp"
#include "plugin/export/kursor_tabeli.hpp"
#include "plugin/export/plik_eksportu.hpp"
#include "plugin/export/sciezki_katalogu.hpp"
#include "plugin/export/wolaj_hosta.hpp"
#include "plugin/export/wybrane_dokumenty.hpp"
#include "plugin/export/zrob_liste_dokumentow.hpp"

namespace kz {
namespace {

static_assert(kMiejsceNaSciezke >= kDlugoscKatalogu + 1 + kMiejsceNaNazwePliku);

struct RodzajPlikow {
    std::int16_t typ;
    char litera;
    const char* wyrazenie;          // the count message's wording
    const char* pierwszyPominiety;  // the line naming the first left out
};

const RodzajPlikow kRodzajePlikow[] = {
    {kTypZakup, kLiteryPlikow[0], texts::kFakturZakupu.c_str(), texts::kPierwszaPominietaFaktura.c_str()},
    {kTypPZ, kLiteryPlikow[1], texts::kDokumentowPZ.c_str(), texts::kPierwszyPominietyPZ.c_str()},
};
static_assert(std::size(kRodzajePlikow) == std::size(kLiteryPlikow));

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
        return wolajHosta<Slot::StreamClose>()(strumien) != kStreamCloseFailed;
    }

private:
    CZrobListeDokumentow& eksport_;
};

enum class Zapis { Caly, NieUtworzony, Niepelny };

// The folder, then the file's name as a component of its own. Each copy is
// ended here as well: a host's copy that fills its limit may leave no NUL.
void zlozSciezkePliku(char (&sciezka)[kMiejsceNaSciezke], const char* katalog, const char* nazwa) {
    wolajHosta<Slot::BoundedCopy>()(sciezka, katalog, static_cast<int>(kDlugoscKatalogu));
    sciezka[kDlugoscKatalogu] = '\0';
    wolajHosta<Slot::PathAppendName>()(sciezka, nazwa);
    sciezka[sizeof sciezka - 1] = '\0';
}

// The document whose header stands in the Tzak buffer, into the file of
// this number. A file the host could not write whole, or not close, would
// reach the other program cut short: it is deleted and the document counts
// as not written, like one whose file could not be created.
Zapis zapiszDokument(CZrobListeDokumentow& eksport, const RodzajPlikow& rodzaj, int numer, const Tabele& tabele) {
    char nazwa[kMiejsceNaNazwePliku];
    nazwaPlikuEksportu(nazwa, rodzaj.litera, numer);
    char sciezka[kMiejsceNaSciezke];
    zlozSciezkePliku(sciezka, eksport.opcje_.katalogWyjsciowy, nazwa);
    void* strumien = otworzPlikEksportu(sciezka);
    if (!strumien) return Zapis::NieUtworzony;

    bool caly = true;
    {
        PlikDokumentu plik(eksport, strumien);
        const int rodzajKlucza = wolajHosta<Slot::LineKeyKind>()(rodzaj.typ);
        KluczZakresu klucz;
        wolajHosta<Slot::KeyBuild>()(rodzajKlucza, nullptr, klucz.bajty,
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

// What became of one kind's chosen documents; each is counted once.
struct WynikRodzaju {
    int zapisane = 0;
    int nieUtworzone = 0;  // the host could not create the file
    int niepelne = 0;      // nor write it whole; the file is gone
    int pominiete = 0;     // past the kind's last file number
    const PozycjaListy* pierwszyPominiety = nullptr;
};

// One pass over the Tzak range of the kind's type: each chosen document
// into a file of its own. A file not written uses up no number. Once the
// kind's numbers are used up, the rest of the range is only counted, so
// that no chosen document is left out unsaid.
WynikRodzaju zapiszRodzaj(CZrobListeDokumentow& eksport, const RodzajPlikow& rodzaj, KursorTabeli& kursorNaglowkow,
                          void* tzak, const Tabele& tabele) {
    WynikRodzaju wynik;
    KluczZakresu klucz;
    wolajHosta<Slot::KeyBuild>()(rodzaj.typ, nullptr, klucz.bajty, 0);
    przejdzZakres(kursorNaglowkow, tzak, rodzaj.typ, klucz, [&] {
        if (eksport.filtrujDokument(tabele.naglowek)) return true;
        const PozycjaListy* wybrany =
            znajdzWybrany(eksport.pozycje(), eksport.liczbaDokumentow_, rodzaj.typ, tabele.naglowek);
        if (!wybrany) return true;
        if (wynik.zapisane == kMaksPlikow) {
            if (wynik.pominiete++ == 0) wynik.pierwszyPominiety = wybrany;
            return true;
        }
        switch (zapiszDokument(eksport, rodzaj, wynik.zapisane, tabele)) {
        case Zapis::Caly: ++wynik.zapisane; break;
        case Zapis::NieUtworzony: ++wynik.nieUtworzone; break;
        case Zapis::Niepelny: ++wynik.niepelne; break;
        }
        return true;
    });
    return wynik;
}

using Wyniki = WynikRodzaju[std::size(kRodzajePlikow)];

// The line naming the kind's first document left out, or an empty text.
struct LiniaPominietego {
    char tekst[128];
    LiniaPominietego(const RodzajPlikow& rodzaj, const WynikRodzaju& wynik) : tekst() {
        if (const PozycjaListy* p = wynik.pierwszyPominiety)
            std::snprintf(tekst, sizeof tekst, rodzaj.pierwszyPominiety, p->numerDokumentu, p->dataWystawienia);
    }
};
// Either line with the longest number and date the list keeps, each
// format's "%s" pair giving way to them.
static_assert(sizeof(LiniaPominietego::tekst) >=
              std::max(texts::kPierwszaPominietaFaktura.size(), texts::kPierwszyPominietyPZ.size()) +
                  sizeof(PozycjaListy::numerDokumentu) + sizeof(PozycjaListy::dataWystawienia));

// After the passes' counts: the chosen documents that got no file, by
// cause, then where the written files are.
void pokazPodsumowanie(const Wyniki& wyniki, const char* katalog) {
    const auto box = wolajHosta<Slot::MessageBoxFormat>();
    const WynikRodzaju &z = wyniki[0], &p = wyniki[1];
    if (z.nieUtworzone || p.nieUtworzone)
        box(texts::kTytulBlad.c_str(), texts::kNieUtworzonoPlikow.c_str(), kOknoKomunikatu, katalog, z.nieUtworzone,
            p.nieUtworzone);
    if (z.niepelne || p.niepelne)
        box(texts::kTytulBlad.c_str(), texts::kNiezapisaneDokumenty.c_str(), kOknoKomunikatu, z.niepelne, p.niepelne);
    if (z.pominiete || p.pominiete) {
        const LiniaPominietego pierwszaFaktura(kRodzajePlikow[0], z), pierwszyPZ(kRodzajePlikow[1], p);
        box(texts::kTytulUwaga.c_str(), texts::kPominieteDokumenty.c_str(), kOknoKomunikatu, kMaksPlikow, z.pominiete,
            p.pominiete, pierwszaFaktura.tekst, pierwszyPZ.tekst);
    }
    if (z.zapisane + p.zapisane > 0)
        box(texts::kTytulUwaga.c_str(), texts::kPlikiWKatalogu.c_str(), kOknoKomunikatu, katalog);
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

    void* tzak = wolajHosta<Slot::TableOpen>()(kTabelaTzak);
    void* tzakDok = wolajHosta<Slot::TableOpen>()(kTabelaTzakDok);
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

    Wyniki wyniki;
    for (std::size_t r = 0; r < std::size(kRodzajePlikow); ++r) {
        wyniki[r] = zapiszRodzaj(*this, kRodzajePlikow[r], kursorNaglowkow, tzak, tabele);
        wolajHosta<Slot::MessageBoxFormat>()(texts::kTytulUwaga.c_str(), texts::kWyeksportowano.c_str(),
                                             kOknoKomunikatu, wyniki[r].zapisane, kRodzajePlikow[r].wyrazenie);
    }
    pokazPodsumowanie(wyniki, katalog);
    return 0;
}

}  // namespace kz
