#include "plugin/export/plik_eksportu.hpp"

#include <cstdio>

#include "plugin/export/wolaj_hosta.hpp"
#include "plugin/interface/host_signatures.hpp"
#include "plugin/resources/texts.hpp"

namespace kz {
namespace {

// The temporary file object in the opener's memory, destroyed (22563) on
// every path; the stream taken out of it stays open.
class PlikTymczasowy {
public:
    explicit PlikTymczasowy(void* strumien) { wolajHosta<Slot::TempFileConstruct>()(pamiec_.bytes, strumien); }
    ~PlikTymczasowy() { wolajHosta<Slot::TempFileDestroy>()(pamiec_.bytes); }
    PlikTymczasowy(const PlikTymczasowy&) = delete;
    PlikTymczasowy& operator=(const PlikTymczasowy&) = delete;

    void* wyjmijStrumien() { return wolajHosta<Slot::TempFileTakeStream>()(pamiec_.bytes); }

private:
    HostObjectStorage pamiec_;
};

}  // namespace

void nazwaPlikuEksportu(char (&nazwa)[kMiejsceNaNazwePliku], char litera, int numer) {
    std::snprintf(nazwa, sizeof nazwa, texts::kNazwaPlikuEksportu.c_str(), litera, numer);
}

void* otworzPlikEksportu(const char* sciezka) {
    void* otwarty = wolajHosta<Slot::FileOpen>()(sciezka, texts::kTrybPlikuEksportu.c_str(), kFileOpenSharing, 0,
                                                 kFileOpenBuffering, 0, 0, 0, 0);
    PlikTymczasowy tymczasowy(otwarty);
    return tymczasowy.wyjmijStrumien();
}

}  // namespace kz
