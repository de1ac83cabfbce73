// A dialog object as a plug-in builds one: the host's base part first, a
// table of 35 entries whose key handler, command handler and row text
// provider are the test's, and whatever the test wants to watch. It
// records every call the host makes into it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "host/toolkit/dialog_base.hpp"

namespace hadrek::toolkit::testing {

class FakeDialog;

// The memory the host sees: the base part at kBaseTableOffset and
// kBaseWordOffset, then the way back to the fake.
struct DialogObject {
    unsigned char basePart[8];
    FakeDialog* fake;
};
static_assert(std::is_standard_layout_v<DialogObject>);
static_assert(offsetof(DialogObject, basePart) == kBaseTableOffset);
static_assert(kBaseWordOffset + 4 == offsetof(DialogObject, fake));

struct HandlerCall {
    unsigned entry;
    int code;
    int phase;
    const void* object;
    // What 52033 answers for the list during the call.
    std::optional<int> currentRow;
    // The host screen as it stood when the call came.
    std::vector<std::string> screen;
    std::vector<std::string> attributes;
};

class FakeDialog {
public:
    using Reaction = std::function<int(FakeDialog&, const HandlerCall&)>;

    FakeDialog();
    ~FakeDialog();
    FakeDialog(const FakeDialog&) = delete;
    FakeDialog& operator=(const FakeDialog&) = delete;

    void* object() { return &object_; }

    // The list as the row text provider serves it; its size is the count.
    std::vector<std::string> rows;
    // What the handlers do besides recording; both answer 0 without one.
    Reaction onKey;
    Reaction onCommand;

    std::vector<int> rowsAsked;
    // Rows asked for that were not in 0..count-1 when asked.
    std::vector<int> rowsOutOfRange;
    std::vector<HandlerCall> calls;

    // Set by the test once dialogRun has returned; any call after it counts.
    bool runOver = false;
    int callsAfterRun = 0;

    std::vector<HandlerCall> callsTo(unsigned entry) const;

private:
    friend struct FakeEntries;
    int handle(unsigned entry, void* object, int code, int phase);
    std::intptr_t rowText(int row);

    DialogObject object_;
    std::vector<const void*> table_;
    std::string rowField_;  // like the plug-in's row text field: overwritten by each request
};

}  // namespace hadrek::toolkit::testing
