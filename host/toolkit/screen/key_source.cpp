#include "host/toolkit/screen/key_source.hpp"

#include <utility>

namespace hadrek::screen {

KeySource::~KeySource() = default;

ScriptKeySource::ScriptKeySource(std::vector<Key> keys) : keys_(std::move(keys)) {}

std::optional<Key> ScriptKeySource::next() {
    if (position_ == keys_.size()) {
        return std::nullopt;
    }
    return keys_[position_++];
}

}  // namespace hadrek::screen
