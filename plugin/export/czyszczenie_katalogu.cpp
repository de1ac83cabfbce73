// Clearing the output folder before the export files are written.
#include "plugin/export/czyszczenie_katalogu.hpp"

#include <cstring>

#include "plugin/export/plik_eksportu.hpp"
#include "plugin/export/sciezki_katalogu.hpp"
#include "plugin/export/wolaj_hosta.hpp"
#include "plugin/interface/host_signatures.hpp"
#include "plugin/resources/texts.hpp"

namespace kz {
namespace {

// The host's directory search object in the clearing's own memory: made by
// 40518, destroyed by 40519 on every path.
class WyszukiwanieKatalogu {
public:
    WyszukiwanieKatalogu() { wolajHosta<Slot::DirSearchConstruct>()(pamiec_.bytes); }
    ~WyszukiwanieKatalogu() { wolajHosta<Slot::DirSearchDestroy>()(pamiec_.bytes); }
    WyszukiwanieKatalogu(const WyszukiwanieKatalogu&) = delete;
    WyszukiwanieKatalogu& operator=(const WyszukiwanieKatalogu&) = delete;

    void* adres() { return pamiec_.bytes; }

    // The name the object holds now; false when it holds no terminated name
    // in its room.
    bool nazwaWpisu(char (&nazwa)[kDirSearchNameRoom]) const {
        const unsigned char* pole = pamiec_.bytes + kDirSearchName;
        const void* koniec = std::memchr(pole, '\0', kDirSearchNameRoom);
        if (!koniec) return false;
        slad::odczytTekstu("entry", reinterpret_cast<const char*>(pole), kDirSearchNameRoom);
        std::memcpy(nazwa, pole, static_cast<std::size_t>(static_cast<const unsigned char*>(koniec) - pole) + 1);
        return true;
    }

private:
    HostObjectStorage pamiec_;
};

// Deletes the entry the object holds, unless it is the one deleted just
// before it: a host may hand the first entry over twice.
class Usuwanie {
public:
    Usuwanie(const char* katalog, UsunPlik usun) : katalog_(katalog), usun_(usun) {}

    void wpis(const WyszukiwanieKatalogu& szukanie) {
        char nazwa[kDirSearchNameRoom];
        // Asked for plain files, a host may still yield ".", "..", folders
        // and hidden files, as a search by pattern does on Windows
        // whatever the attribute; a name that could reach outside the
        // folder is never used, and the deletion leaves folders alone.
        if (!szukanie.nazwaWpisu(nazwa) || !nazwaWewnatrzKatalogu(nazwa)) return;
        if (std::strcmp(nazwa, poprzednia_) == 0) return;
        std::memcpy(poprzednia_, nazwa, sizeof nazwa);
        char sciezka[kMiejsceNaSciezke];
        if (zlozSciezke(sciezka, katalog_, nazwa)) usun_(sciezka);
    }

private:
    const char* katalog_;
    UsunPlik usun_;
    char poprzednia_[kDirSearchNameRoom] = "";
};

// Every export file name, deleted by name whatever the search yielded: a
// search that ends early, or that names long files by a short form the
// deletion cannot resolve, must not leave an earlier export's file beside
// the new ones, to be imported twice.
void usunPlikiEksportu(const char* katalog, UsunPlik usun) {
    for (const char litera : kLiteryPlikow)
        for (int numer = 0; numer < kMaksPlikow; ++numer) {
            char nazwa[kMiejsceNaNazwePliku];
            nazwaPlikuEksportu(nazwa, litera, numer);
            char sciezka[kMiejsceNaSciezke];
            if (zlozSciezke(sciezka, katalog, nazwa)) usun(sciezka);
        }
}

void usunWyszukane(const char* katalog, UsunPlik usun) {
    char wzorzec[kMiejsceNaSciezke];
    if (!zlozSciezke(wzorzec, katalog, texts::kWszystkiePliki.c_str())) return;
    WyszukiwanieKatalogu szukanie;
    if (wolajHosta<Slot::DirSearchFirst>()(wzorzec, szukanie.adres(), kDirSearchPlainFiles) != kDirSearchOpened) return;
    // Closed (40505) before the object is destroyed, however the walk ends.
    struct Zamkniecie {
        void* szukanie;
        ~Zamkniecie() { wolajHosta<Slot::DirSearchEnd>()(szukanie); }
    } zamkniecie{szukanie.adres()};

    // Some hosts' search hands the first entry over as it opens, others
    // only with the first step; the object held no name before.
    Usuwanie usuwanie(katalog, usun);
    usuwanie.wpis(szukanie);
    while (wolajHosta<Slot::DirSearchNext>()(szukanie.adres()) == kDirSearchYielded) usuwanie.wpis(szukanie);
}

}  // namespace

void wyczyscKatalog(const char* katalog, UsunPlik usun) {
    usunWyszukane(katalog, usun);
    usunPlikiEksportu(katalog, usun);
}

}  // namespace kz
