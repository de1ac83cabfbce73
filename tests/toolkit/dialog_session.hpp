// What a test needs around one dialog run: the host's front end playing a
// key script, delegates made through the host's own service, and the two
// dialogs of the plug-in's template block run the way the plug-in runs them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "plugin/interface/host_table.hpp"
#include "tests/support/test_text.hpp"
#include "tests/toolkit/fake_dialog.hpp"

namespace hadrek::toolkit::testing {

inline constexpr int kSelectionDialog = 20081;
inline constexpr int kOptionsDialog = 20082;
inline constexpr int kConfirmed = 20481;
inline constexpr int kCancelled = 20482;
inline constexpr int kListId = 16385;
inline constexpr int kChooseFolderButton = 16724;

// Installs a scripted front end for the lifetime of the session and keeps
// every screen it is shown. A script that does not parse fails the test.
class KeySession {
public:
    explicit KeySession(std::string_view script);
    ~KeySession();
    KeySession(const KeySession&) = delete;
    KeySession& operator=(const KeySession&) = delete;

    const std::vector<std::vector<std::string>>& screens() const { return screens_; }

private:
    std::vector<std::vector<std::string>> screens_;
};

// A delegate on test storage, made with 20972 and destroyed with 20973.
class HostDelegate {
public:
    HostDelegate(void* object, kz::Slot dispatch);
    ~HostDelegate();
    HostDelegate(const HostDelegate&) = delete;
    HostDelegate& operator=(const HostDelegate&) = delete;

    // What the delegate's second table entry answers: the runner's argument.
    void* value();
    void destroy();

private:
    alignas(4) unsigned char storage_[16];
    bool alive_ = true;
};

// Dialog 20081 with the delegates of 20936 (keys) and 20917 (rows), both
// bound to `fake` unless the caller passes values of its own.
int runSelection(FakeDialog& fake, void* keyDelegate = nullptr, void* rowDelegate = nullptr);

// Dialog 20082 with the delegate of 20927 bound to `fake` unless given.
int runOptions(FakeDialog& fake, unsigned char* buffer, void* commandDelegate = nullptr);

using kz::test::joined;
using kz::test::lineWith;

// The last of `screens` with a line holding `needle`; empty when none has.
std::vector<std::string> lastScreenWith(const std::vector<std::vector<std::string>>& screens, std::string_view needle);

}  // namespace hadrek::toolkit::testing
