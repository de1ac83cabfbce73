// Where a dialog's keys come from, one at a time.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "host/toolkit/screen/keys.hpp"

namespace hadrek::screen {

class KeySource {
public:
    virtual ~KeySource();
    // None once nothing more will come: callers then close what is open,
    // so a spent script never leaves a dialog waiting.
    virtual std::optional<Key> next() = 0;
};

class ScriptKeySource final : public KeySource {
public:
    explicit ScriptKeySource(std::vector<Key> keys);
    std::optional<Key> next() override;
    std::size_t remaining() const { return keys_.size() - position_; }

private:
    std::vector<Key> keys_;
    std::size_t position_ = 0;
};

}  // namespace hadrek::screen
