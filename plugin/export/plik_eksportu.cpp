#include "plugin/export/plik_eksportu.hpp"

#include <cstdio>

#include "plugin/interface/host_signatures.hpp"
#include "plugin/resources/texts.hpp"

namespace kz {
namespace {

// The host's own words after the mode: sharing, then buffering left to it.
constexpr int kUdostepnianie = 0x40;
constexpr int kBuforDomyslny = -1;

// The temporary file object in the opener's memory, destroyed (22563) on
// every path; the stream taken out of it stays open.
class PlikTymczasowy {
public:
    explicit PlikTymczasowy(void* strumien) { host<Slot::TempFileConstruct>()(pamiec_.bytes, strumien); }
    ~PlikTymczasowy() { host<Slot::TempFileDestroy>()(pamiec_.bytes); }
    PlikTymczasowy(const PlikTymczasowy&) = delete;
    PlikTymczasowy& operator=(const PlikTymczasowy&) = delete;

    void* wyjmijStrumien() { return host<Slot::TempFileTakeStream>()(pamiec_.bytes); }

private:
    HostObjectStorage pamiec_;
};

}  // namespace

void nazwaPlikuEksportu(char (&nazwa)[kMiejsceNaNazwePliku], char litera, int numer) {
    std::snprintf(nazwa, sizeof nazwa, texts::kNazwaPlikuEksportu.c_str(), litera, numer);
}

void* otworzPlikEksportu(const char* sciezka) {
    void* otwarty = host<Slot::FileOpen>()(sciezka, texts::kTrybPlikuEksportu.c_str(), kUdostepnianie, 0,
                                           kBuforDomyslny, 0, 0, 0, 0);
    PlikTymczasowy tymczasowy(otwarty);
    return tymczasowy.wyjmijStrumien();
}

}  // namespace kz
