// A delegate in its maker's storage: made by 20972 from the export object
// and one of the host's dispatch functions, destroyed by 20973 however the
// dialog run around it ends. Declare them in the order the host makes them;
// they go in reverse.
#pragma once

#include <cstring>

#include "plugin/export/wolaj_hosta.hpp"
#include "plugin/interface/host_signatures.hpp"

namespace kz {

class Delegat {
public:
    Delegat(void* obiekt, Slot dyspozytor) {
        wolajHosta<Slot::DelegateMake>()(pamiec_.bytes, obiekt, kz_hostSlots[static_cast<unsigned>(dyspozytor)]);
    }
    ~Delegat() { wolajHosta<Slot::DelegateDestroy>()(pamiec_.bytes); }
    Delegat(const Delegat&) = delete;
    Delegat& operator=(const Delegat&) = delete;

    // What the dialog runner takes: the delegate's second table entry.
    void* wartosc() {
        void* const* tablica;
        std::memcpy(&tablica, pamiec_.bytes, sizeof tablica);
        return reinterpret_cast<DelegateValueFn>(tablica[kDelegateValueEntry])(pamiec_.bytes);
    }

private:
    HostObjectStorage pamiec_;
};

}  // namespace kz
