// The writing step, wpiszDokumentyDoPliku: the output folder emptied, then
// one export file per chosen document, purchase invoices first and goods
// receipts second, numbered per type in the order the Tzak range yields
// them; the user is told how many files of each kind were written whole,
// which chosen documents got no file and why, which files the other
// program would read wrongly or find empty, how to export what the file
// limit left out, and where the files are.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>

#include "plugin/export/czyszczenie_katalogu.hpp"
#include "plugin/export/data_wystawienia.hpp"
#include "plugin/export/komunikaty.hpp"
#include "plugin/export/kursor_tabeli.hpp"
#include "plugin/export/plik_eksportu.hpp"
#include "plugin/export/podzial_okresow.hpp"
#include "plugin/export/sciezki_katalogu.hpp"
#include "plugin/export/wolaj_hosta.hpp"
#include "plugin/export/wybrane_dokumenty.hpp"
#include "plugin/export/znaki_rozdzielajace.hpp"
#include "plugin/export/zrob_liste_dokumentow.hpp"

namespace kz {
namespace {

static_assert(kMiejsceNaSciezke >= kDlugoscKatalogu + 1 + kMiejsceNaNazwePliku);

struct RodzajPlikow {
    std::int16_t typ;
    char litera;
    const char* wyrazenie;  // the count message's wording
    // The lines naming the kind's first document left out, with a line
    // the other program would misread, and without lines.
    const char* pierwszyPominiety;
    const char* pierwszyZRozdzielajacym;
    const char* pierwszyPusty;
};

const RodzajPlikow kRodzajePlikow[] = {
    {kTypZakup, kLiteryPlikow[0], texts::kFakturZakupu.c_str(), texts::kPierwszaPominietaFaktura.c_str(),
     texts::kPierwszaZlaFaktura.c_str(), texts::kPierwszaPustaFaktura.c_str()},
    {kTypPZ, kLiteryPlikow[1], texts::kDokumentowPZ.c_str(), texts::kPierwszyPominietyPZ.c_str(),
     texts::kPierwszyZlyPZ.c_str(), texts::kPierwszyPustyPZ.c_str()},
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

struct ZapisDokumentu {
    Zapis stan;
    int linie = 0;
    ZnakWPolu rozdzielajacy;  // the first text field the other program would misread
};

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
ZapisDokumentu zapiszDokument(CZrobListeDokumentow& eksport, const RodzajPlikow& rodzaj, int numer,
                              const Tabele& tabele) {
    char nazwa[kMiejsceNaNazwePliku];
    nazwaPlikuEksportu(nazwa, rodzaj.litera, numer);
    char sciezka[kMiejsceNaSciezke];
    zlozSciezkePliku(sciezka, eksport.opcje_.katalogWyjsciowy, nazwa);
    ZapisDokumentu zapis{Zapis::NieUtworzony, 0, {}};
    void* strumien = otworzPlikEksportu(sciezka);
    if (!strumien) return zapis;

    bool caly = true;
    {
        PlikDokumentu plik(eksport, strumien);
        const int rodzajKlucza = wolajHosta<Slot::LineKeyKind>()(rodzaj.typ);
        KluczZakresu klucz;
        wolajHosta<Slot::KeyBuild>()(rodzajKlucza, nullptr, klucz.bajty,
                                     czytajPole<std::int32_t>(tabele.naglowek, tzak::kIdDokumentu));
        const PolaDokumentu dokument = eksport.polaDokumentu(rodzaj.typ, tabele.naglowek);
        przejdzZakres(tabele.kursorPozycji, tabele.tzakDok, rodzajKlucza, klucz, [&] {
            ++zapis.linie;
            caly = eksport.wpiszLinieEksportu(dokument, tabele.pozycja, zapis.rozdzielajacy);
            return caly;
        });
        caly = plik.zamknij() && caly;
    }
    zapis.stan = caly ? Zapis::Caly : Zapis::Niepelny;
    if (!caly) usunPlik(sciezka);
    return zapis;
}

// A written document a box names: its list item, its file's number and,
// where it matters, the field and byte found.
struct Wskazany {
    const PozycjaListy* pozycja = nullptr;
    int numerPliku = 0;
    ZnakWPolu znak;
};

// The issue days of the chosen documents by their place in the list, for
// the periods advised past a kind's file limit; kept only when the list
// is long enough for a kind to pass it. Without memory for them the advice
// goes without its periods.
class DniWybranych {
public:
    explicit DniWybranych(std::int32_t liczba) {
        if (liczba <= kMaksPlikow) return;
        const auto rozmiar = static_cast<std::uint32_t>(liczba) * sizeof(std::int32_t);
        klucze_ = static_cast<std::int32_t*>(wolajHosta<Slot::MemoryResize>()(nullptr, rozmiar));
        if (!klucze_) return;
        liczba_ = liczba;
        std::fill_n(klucze_, liczba_, kBrakDnia);
    }
    ~DniWybranych() {
        if (klucze_) wolajHosta<Slot::MemoryFree>()(klucze_);
    }
    DniWybranych(const DniWybranych&) = delete;
    DniWybranych& operator=(const DniWybranych&) = delete;

    bool sa() const { return klucze_ != nullptr; }

    void zapamietaj(std::int32_t miejsce, int rodzaj, const unsigned char* naglowek) {
        if (!klucze_ || miejsce < 0 || miejsce >= liczba_) return;
        const DataWystawienia data = rozbijDateWystawienia(naglowek);
        klucze_[miejsce] = kluczDnia(data.rok, data.miesiac, data.dzien, rodzaj);
    }

    // The days of the documents the passes met, cut into periods.
    int podziel(Okres* okresy, int miejsce) {
        const std::int32_t* koniec = std::remove(klucze_, klucze_ + liczba_, kBrakDnia);
        return podzielNaOkresy(klucze_, static_cast<int>(koniec - klucze_), kMaksPlikow, okresy, miejsce);
    }

private:
    static constexpr std::int32_t kBrakDnia = -1;
    std::int32_t* klucze_ = nullptr;
    std::int32_t liczba_ = 0;
};

// What became of one kind's chosen documents; each is counted once, and
// a written one again where the other program would misread or find
// nothing in its file.
struct WynikRodzaju {
    int zapisane = 0;
    int nieUtworzone = 0;  // the host could not create the file
    int niepelne = 0;      // nor write it whole; the file is gone
    int pominiete = 0;     // past the kind's last file number
    const PozycjaListy* pierwszyPominiety = nullptr;
    int zRozdzielajacym = 0;  // a text field holds a colon or a line end
    Wskazany pierwszyZRozdzielajacym;
    int puste = 0;  // no lines: the file is empty
    Wskazany pierwszyPusty;

    // A document written whole into file `numer`.
    void zapisany(const PozycjaListy* pozycja, int numer, const ZapisDokumentu& zapis) {
        if (zapis.rozdzielajacy.pole != 0 && zRozdzielajacym++ == 0)
            pierwszyZRozdzielajacym = {pozycja, numer, zapis.rozdzielajacy};
        if (zapis.linie == 0 && puste++ == 0) pierwszyPusty = {pozycja, numer, {}};
        ++zapisane;
    }
};

// One pass over the Tzak range of the kind's type: each chosen document
// into a file of its own. A file not written uses up no number. Once the
// kind's numbers are used up, the rest of the range is only counted, so
// that no chosen document is left out unsaid.
WynikRodzaju zapiszRodzaj(CZrobListeDokumentow& eksport, const RodzajPlikow& rodzaj, KursorTabeli& kursorNaglowkow,
                          void* tzak, const Tabele& tabele, DniWybranych& dni) {
    WynikRodzaju wynik;
    const int indeksRodzaju = static_cast<int>(&rodzaj - kRodzajePlikow);
    KluczZakresu klucz;
    wolajHosta<Slot::KeyBuild>()(rodzaj.typ, nullptr, klucz.bajty, 0);
    przejdzZakres(kursorNaglowkow, tzak, rodzaj.typ, klucz, [&] {
        if (eksport.filtrujDokument(tabele.naglowek)) return true;
        const PozycjaListy* wybrany =
            znajdzWybrany(eksport.pozycje(), eksport.liczbaDokumentow_, rodzaj.typ, tabele.naglowek);
        if (!wybrany) return true;
        dni.zapamietaj(static_cast<std::int32_t>(wybrany - eksport.pozycje()), indeksRodzaju, tabele.naglowek);
        if (wynik.zapisane == kMaksPlikow) {
            if (wynik.pominiete++ == 0) wynik.pierwszyPominiety = wybrany;
            return true;
        }
        const ZapisDokumentu zapis = zapiszDokument(eksport, rodzaj, wynik.zapisane, tabele);
        switch (zapis.stan) {
        case Zapis::Caly: wynik.zapisany(wybrany, wynik.zapisane, zapis); break;
        case Zapis::NieUtworzony: ++wynik.nieUtworzone; break;
        case Zapis::Niepelny: ++wynik.niepelne; break;
        }
        return true;
    });
    return wynik;
}

using Wyniki = WynikRodzaju[std::size(kRodzajePlikow)];

// A line of a box naming one document of a kind, or an empty text.
struct LiniaDokumentu {
    char tekst[256];
    LiniaDokumentu() : tekst() {}

    // The first left out: its number and issue date.
    static LiniaDokumentu pominiety(const RodzajPlikow& rodzaj, const WynikRodzaju& wynik) {
        LiniaDokumentu linia;
        if (const PozycjaListy* p = wynik.pierwszyPominiety)
            std::snprintf(linia.tekst, sizeof linia.tekst, rodzaj.pierwszyPominiety, p->numerDokumentu,
                          p->dataWystawienia);
        return linia;
    }
    // A written one: number, date and file, and the field and byte found.
    static LiniaDokumentu zapisany(const char* format, const RodzajPlikow& rodzaj, const Wskazany& w) {
        LiniaDokumentu linia;
        if (!w.pozycja) return linia;
        char plik[kMiejsceNaNazwePliku];
        nazwaPlikuEksportu(plik, rodzaj.litera, w.numerPliku);
        std::snprintf(linia.tekst, sizeof linia.tekst, format, w.pozycja->numerDokumentu, w.pozycja->dataWystawienia,
                      plik, w.znak.pole, nazwaPola(w.znak.pole), nazwaZnaku(w.znak.znak));
        return linia;
    }
};
// Every such line with the longest number and date the list keeps, a file
// name and the longest names of a field and a byte.
static_assert(sizeof(LiniaDokumentu::tekst) >=
              std::max({texts::kPierwszaPominietaFaktura.size(), texts::kPierwszyPominietyPZ.size(),
                        texts::kPierwszaZlaFaktura.size(), texts::kPierwszyZlyPZ.size()}) +
                  sizeof(PozycjaListy::numerDokumentu) + sizeof(PozycjaListy::dataWystawienia) + kMiejsceNaNazwePliku +
                  3 + texts::kPoleTekstuDodatkowego.size() + texts::kZnakCR.size());

// The periods past a kind's file limit: as many as a box has room for,
// then where the rest begins, and the note for a day that no period can
// take whole.
constexpr int kPokazaneOkresy = 4;

struct ListaOkresow {
    char tekst[512];
    explicit ListaOkresow(DniWybranych& dni) : tekst() {
        if (!dni.sa()) {
            dopisz(texts::kBrakOkresow.c_str(), kMaksPlikow);
            return;
        }
        Okres okresy[kPokazaneOkresy + 1];
        const int wszystkich = dni.podziel(okresy, kPokazaneOkresy + 1);
        bool ponadLimit = false;
        for (int i = 0; i < std::min(wszystkich, kPokazaneOkresy); ++i) {
            const Okres& o = okresy[i];
            dopisz(o.ponadLimitJednegoDnia ? texts::kOkresJednegoDnia.c_str() : texts::kOkres.c_str(), Data(o.od).tekst,
                   Data(o.do_).tekst);
            ponadLimit = ponadLimit || o.ponadLimitJednegoDnia;
        }
        if (wszystkich > kPokazaneOkresy) dopisz(texts::kDalszeOkresy.c_str(), Data(okresy[kPokazaneOkresy].od).tekst);
        if (ponadLimit) dopisz(texts::kPonadLimitJednegoDnia.c_str(), kMaksPlikow, kMaksPlikow);
    }

private:
    // A day as the period fields take it.
    struct Data {
        char tekst[16];
        explicit Data(std::int32_t dzien) {
            std::snprintf(tekst, sizeof tekst, texts::kFormatDaty.c_str(), dzien / 10000, dzien / 100 % 100,
                          dzien % 100);
        }
    };

    template <typename... A>
    void dopisz(const char* format, A... argumenty) {
        const std::size_t uzyte = std::strlen(tekst);
        std::snprintf(tekst + uzyte, sizeof tekst - uzyte, format, argumenty...);
    }
};

// The boxes after the passes' counts, each only where it has something to
// say: the chosen documents that got no file, by cause; the written ones
// the other program would misread or find empty; those past the file
// limit, with the periods to export instead; then where the files are.
void pokazPodsumowanie(const Wyniki& wyniki, const char* katalog, DniWybranych& dni) {
    const auto box = wolajHosta<Slot::MessageBoxFormat>();
    const WynikRodzaju &z = wyniki[0], &p = wyniki[1];
    const RodzajPlikow &rz = kRodzajePlikow[0], &rp = kRodzajePlikow[1];
    if (z.nieUtworzone || p.nieUtworzone)
        box(texts::kTytulBlad.c_str(), texts::kNieUtworzonoPlikow.c_str(), kOknoKomunikatu, katalog, z.nieUtworzone,
            p.nieUtworzone);
    if (z.niepelne || p.niepelne)
        box(texts::kTytulBlad.c_str(), texts::kNiezapisaneDokumenty.c_str(), kOknoKomunikatu, z.niepelne, p.niepelne);
    if (z.zRozdzielajacym || p.zRozdzielajacym)
        box(texts::kTytulUwaga.c_str(), texts::kZleZnakiWLiniach.c_str(), kOknoKomunikatu, z.zRozdzielajacym,
            p.zRozdzielajacym,
            LiniaDokumentu::zapisany(rz.pierwszyZRozdzielajacym, rz, z.pierwszyZRozdzielajacym).tekst,
            LiniaDokumentu::zapisany(rp.pierwszyZRozdzielajacym, rp, p.pierwszyZRozdzielajacym).tekst);
    if (z.puste || p.puste)
        box(texts::kTytulUwaga.c_str(), texts::kPustePliki.c_str(), kOknoKomunikatu, z.puste, p.puste,
            LiniaDokumentu::zapisany(rz.pierwszyPusty, rz, z.pierwszyPusty).tekst,
            LiniaDokumentu::zapisany(rp.pierwszyPusty, rp, p.pierwszyPusty).tekst);
    if (z.pominiete || p.pominiete)
        box(texts::kTytulUwaga.c_str(), texts::kPominieteDokumenty.c_str(), kOknoKomunikatu, kMaksPlikow, z.pominiete,
            p.pominiete, LiniaDokumentu::pominiety(rz, z).tekst, LiniaDokumentu::pominiety(rp, p).tekst,
            ListaOkresow(dni).tekst);
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

    DniWybranych dni(liczbaDokumentow_);
    Wyniki wyniki;
    for (std::size_t r = 0; r < std::size(kRodzajePlikow); ++r) {
        wyniki[r] = zapiszRodzaj(*this, kRodzajePlikow[r], kursorNaglowkow, tzak, tabele, dni);
        wolajHosta<Slot::MessageBoxFormat>()(texts::kTytulUwaga.c_str(), texts::kWyeksportowano.c_str(),
                                             kOknoKomunikatu, wyniki[r].zapisane, kRodzajePlikow[r].wyrazenie);
    }
    pokazPodsumowanie(wyniki, katalog, dni);
    return 0;
}

}  // namespace kz
