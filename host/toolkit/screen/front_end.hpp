// What shows the host screen to the user and brings back the user's keys.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "host/toolkit/screen/key_source.hpp"
#include "host/toolkit/screen/keys.hpp"
#include "host/toolkit/screen/screen.hpp"

namespace hadrek::screen {

class FrontEnd {
public:
    virtual ~FrontEnd();
    // Called after every change that the user should see.
    virtual void present(const Screen& screen) = 0;
    // None when no key will ever come; dialogs then close.
    virtual std::optional<Key> nextKey() = 0;
    // Whether a person is at the keyboard.
    virtual bool interactive() const = 0;
};

// Keys from a script, nothing shown; the hook lets the host log screens.
class ScriptedFrontEnd final : public FrontEnd {
public:
    using PresentHook = std::function<void(const Screen&)>;

    explicit ScriptedFrontEnd(std::unique_ptr<KeySource> keys, PresentHook onPresent = {});
    explicit ScriptedFrontEnd(std::vector<Key> keys, PresentHook onPresent = {});

    void present(const Screen& screen) override;
    std::optional<Key> nextKey() override;
    bool interactive() const override { return false; }

private:
    std::unique_ptr<KeySource> keys_;
    PresentHook onPresent_;
};

}  // namespace hadrek::screen
