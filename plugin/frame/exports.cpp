#include "plugin/frame/exports.hpp"

#include <cstring>

#include "plugin/export/export_command.hpp"
#include "plugin/export/wolaj_hosta.hpp"
#include "plugin/frame/compatibility.hpp"
#include "plugin/frame/failure_report.hpp"
#include "plugin/frame/first_run_notice.hpp"
#include "plugin/interface/host_signatures.hpp"
#include "plugin/interface/plugin_exports.hpp"
#include "plugin/resources/texts.hpp"

namespace kz {
namespace {

// Writable and alive as long as the library: the host keeps it and may
// link it into its menu through its first word.
constinit MenuCommandDescriptor g_menuCommand = {
    kMenuDescriptorFixed, texts::kEtykietaMenu.c_str(), kMenuCommandId, 0, &eksportujDokumenty, 0,
};

// Installed by nobody in this plug-in; the exports still honour them.
int(KZ_STDCALL* g_queryHandler)() = nullptr;
int(KZ_STDCALL* g_queryValueHandler)(int) = nullptr;

int attach(NotificationFunction notification, char* description) {
    pluginState().notification = notification;
    if (description) std::memcpy(description, texts::kOpisWtyczki.c_str(), texts::kOpisWtyczki.size() + 1);

    // A host that lacks any function is refused before one of them is
    // called; the failure report then names what is missing.
    if (!allHostFunctionsBound()) return -1;
    if (wolajHosta<Slot::ModuleAcceptance>()(pluginState().module, nullptr, 0) != 0) return -1;
    if (wolajHosta<Slot::InterfaceVersion>()() != kInterfaceVersion) return -1;
    if (recordSizeCheck() != 0) return -1;
    return 0;
}

int detach() {
    if (const auto remove = wolajHosta<Slot::MenuRemoveCommand>()) remove(kMenuCommandId);
    return 0;
}

}  // namespace
}  // namespace kz

extern "C" int KZ_STDCALL kz_attach(kz::NotificationFunction notification, char* description) {
    kz::slad::Wejscie wejscie("Attach", reinterpret_cast<void*>(notification), static_cast<void*>(description));
    return wejscie.wynik(notification ? kz::attach(notification, description) : kz::detach());
}

extern "C" int KZ_STDCALL kz_activate(int report) {
    kz::slad::Wejscie wejscie("Activate", report);
    if (report != 0) {
        kz::failureReport();
        return wejscie.wynik(0);
    }
    // Only a host that ignored a refused attach gets here with gaps; the
    // command would reach them, so it is not offered.
    if (!kz::allHostFunctionsBound()) return wejscie.wynik(0);
    kz::wolajHosta<kz::Slot::MenuAddCommand>()(&kz::g_menuCommand);
    kz::firstRunNotice();
    return wejscie.wynik(0);
}

extern "C" int KZ_STDCALL kz_query() {
    kz::slad::Wejscie wejscie("Query");
    return wejscie.wynik(kz::g_queryHandler ? kz::g_queryHandler() : 0);
}

extern "C" int KZ_STDCALL kz_queryValue(int value) {
    kz::slad::Wejscie wejscie("QueryValue", value);
    return wejscie.wynik(kz::g_queryValueHandler ? kz::g_queryValueHandler(value)
                                                 : static_cast<int>(kz::kQueryValueAnswer));
}
