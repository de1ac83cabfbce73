#include "host/toolkit/screen/front_end.hpp"

#include <utility>

namespace hadrek::screen {

FrontEnd::~FrontEnd() = default;

ScriptedFrontEnd::ScriptedFrontEnd(std::unique_ptr<KeySource> keys, PresentHook onPresent)
    : keys_(std::move(keys)), onPresent_(std::move(onPresent)) {}

ScriptedFrontEnd::ScriptedFrontEnd(std::vector<Key> keys, PresentHook onPresent)
    : ScriptedFrontEnd(std::make_unique<ScriptKeySource>(std::move(keys)), std::move(onPresent)) {}

void ScriptedFrontEnd::present(const Screen& screen) {
    if (onPresent_) {
        onPresent_(screen);
    }
}

std::optional<Key> ScriptedFrontEnd::nextKey() { return keys_ ? keys_->next() : std::nullopt; }

}  // namespace hadrek::screen
