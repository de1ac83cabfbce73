#include "tests/toolkit/dialog_session.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <variant>

#include "host/core/context.hpp"
#include "host/registry/registry.hpp"
#include "host/services/services.hpp"
#include "host/toolkit/display.hpp"
#include "host/toolkit/screen/front_end_factory.hpp"
#include "plugin/resources/dialog_template.hpp"

namespace hadrek::toolkit::testing {

KeySession::KeySession(std::string_view script) {
    auto parsed = screen::parseKeyScript(script);
    std::vector<screen::Key> keys;
    if (auto* error = std::get_if<screen::ScriptError>(&parsed))
        ADD_FAILURE() << "key script \"" << script << "\" does not parse at " << error->token;
    else
        keys = std::get<std::vector<screen::Key>>(std::move(parsed));
    display().useFrontEnd(screen::makeFrontEnd(
        {std::move(keys), true, [this](const screen::Screen& s) { screens_.push_back(s.snapshot()); }}));
}

KeySession::~KeySession() { display().useFrontEnd(nullptr); }

HostDelegate::HostDelegate(void* object, kz::Slot dispatch) {
    services::delegateMake(storage_, object, serviceAddress(kz::ordinalOf(dispatch)));
}

HostDelegate::~HostDelegate() { destroy(); }

void* HostDelegate::value() {
    using ValueEntry = void*(KZ_THISCALL*)(void* self);
    const void* const* table;
    std::memcpy(&table, storage_, sizeof table);
    return reinterpret_cast<ValueEntry>(table[1])(storage_);
}

void HostDelegate::destroy() {
    if (alive_) services::delegateDestroy(storage_);
    alive_ = false;
}

int runSelection(FakeDialog& fake, void* keyDelegate, void* rowDelegate) {
    // Made and destroyed in the plug-in's order: rows first, keys last.
    HostDelegate rows(fake.object(), kz::Slot::DispatchSelectionSecond);
    HostDelegate keys(fake.object(), kz::Slot::DispatchSelectionFirst);
    std::uint32_t buffer = 0;
    const int result =
        services::dialogRun(fake.object(), kz::dialogTemplateBlock(), kSelectionDialog, &buffer,
                            keyDelegate ? keyDelegate : keys.value(), rowDelegate ? rowDelegate : rows.value());
    fake.runOver = true;
    return result;
}

int runOptions(FakeDialog& fake, unsigned char* buffer, void* commandDelegate) {
    HostDelegate commands(fake.object(), kz::Slot::DispatchOptions);
    const int result = services::dialogRun(fake.object(), kz::dialogTemplateBlock(), kOptionsDialog, buffer,
                                           commandDelegate ? commandDelegate : commands.value());
    fake.runOver = true;
    return result;
}

std::vector<std::string> lastScreenWith(const std::vector<std::vector<std::string>>& screens, std::string_view needle) {
    for (auto screen = screens.rbegin(); screen != screens.rend(); ++screen)
        if (!lineWith(*screen, needle).empty()) return *screen;
    return {};
}

}  // namespace hadrek::toolkit::testing
