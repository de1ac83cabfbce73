// Clearing the output folder before the export files are written.
#include "plugin/export/czyszczenie_katalogu.hpp"

#include <cstring>

#include "plugin/export/sciezki_katalogu.hpp"
#include "plugin/interface/host_signatures.hpp"
#include "plugin/resources/texts.hpp"

namespace kz {
namespace {

constexpr int kSamePliki = 0;  // search attributes: plain files
constexpr int kOtwarte = 0;
constexpr int kJestWpis = 0;

// The host's directory search object in the clearing's own memory: made by
// 40518, destroyed by 40519 on every path.
class WyszukiwanieKatalogu {
public:
    WyszukiwanieKatalogu() { host<Slot::DirSearchConstruct>()(pamiec_); }
    ~WyszukiwanieKatalogu() { host<Slot::DirSearchDestroy>()(pamiec_); }
    WyszukiwanieKatalogu(const WyszukiwanieKatalogu&) = delete;
    WyszukiwanieKatalogu& operator=(const WyszukiwanieKatalogu&) = delete;

    void* adres() { return pamiec_; }

    // The name of the entry just yielded; false when the object holds no
    // terminated name in its room.
    bool nazwaWpisu(char (&nazwa)[kDirSearchNameRoom]) const {
        const unsigned char* pole = pamiec_ + kDirSearchName;
        const void* koniec = std::memchr(pole, '\0', kDirSearchNameRoom);
        if (!koniec) return false;
        std::memcpy(nazwa, pole, static_cast<std::size_t>(static_cast<const unsigned char*>(koniec) - pole) + 1);
        return true;
    }

private:
    alignas(4) unsigned char pamiec_[kDirSearchSize];
};

}  // namespace

void wyczyscKatalog(const char* katalog) {
    char wzorzec[kMiejsceNaSciezke];
    if (!zlozSciezke(wzorzec, katalog, texts::kWszystkiePliki.c_str())) return;
    WyszukiwanieKatalogu szukanie;
    if (host<Slot::DirSearchFirst>()(wzorzec, szukanie.adres(), kSamePliki) != kOtwarte) return;
    // Closed (40505) before the object is destroyed, however the walk ends.
    struct Zamkniecie {
        void* szukanie;
        ~Zamkniecie() { host<Slot::DirSearchEnd>()(szukanie); }
    } zamkniecie{szukanie.adres()};

    char nazwa[kDirSearchNameRoom];
    char sciezka[kMiejsceNaSciezke];
    while (host<Slot::DirSearchNext>()(szukanie.adres()) == kJestWpis) {
        // The host yields plain files only; a name that could reach outside
        // the folder, or the folder itself, is never deleted.
        if (!szukanie.nazwaWpisu(nazwa) || !nazwaWewnatrzKatalogu(nazwa)) continue;
        if (zlozSciezke(sciezka, katalog, nazwa)) usunPlik(sciezka);
    }
}

}  // namespace kz
