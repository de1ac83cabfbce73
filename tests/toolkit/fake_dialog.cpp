#include "tests/toolkit/fake_dialog.hpp"

#include "host/services/services.hpp"
#include "host/toolkit/display.hpp"

namespace hadrek::toolkit::testing {

struct FakeEntries {
    static FakeDialog& fakeOf(void* object) { return *static_cast<DialogObject*>(object)->fake; }

    static int KZ_THISCALL keyHandler(void* object, int code, int phase) {
        return fakeOf(object).handle(kKeyHandler, object, code, phase);
    }
    static int KZ_THISCALL commandHandler(void* object, int code, int phase) {
        return fakeOf(object).handle(kCommandHandler, object, code, phase);
    }
    static std::intptr_t KZ_THISCALL rowText(void* object, int row, int) { return fakeOf(object).rowText(row); }
};

FakeDialog::FakeDialog() : object_{{}, this} {
    services::dialogBaseConstruct(&object_);
    const void* const* base = readDialogBasePart(&object_).table;
    table_.assign(base, base + kDialogTableEntries);
    table_[kKeyHandler] = reinterpret_cast<const void*>(&FakeEntries::keyHandler);
    table_[kCommandHandler] = reinterpret_cast<const void*>(&FakeEntries::commandHandler);
    table_[kRowText] = reinterpret_cast<const void*>(&FakeEntries::rowText);
    DialogBasePart part = readDialogBasePart(&object_);
    part.table = table_.data();
    writeDialogBasePart(&object_, part);
}

FakeDialog::~FakeDialog() { services::dialogBaseDestroy(&object_); }

std::vector<HandlerCall> FakeDialog::callsTo(unsigned entry) const {
    std::vector<HandlerCall> found;
    for (const HandlerCall& call : calls)
        if (call.entry == entry) found.push_back(call);
    return found;
}

int FakeDialog::handle(unsigned entry, void* object, int code, int phase) {
    if (runOver) ++callsAfterRun;
    HandlerCall call{entry,
                     code,
                     phase,
                     object,
                     std::nullopt,
                     display().screen().snapshot(),
                     display().screen().attributeSnapshot()};
    if (const std::uint16_t* row = services::controlValue(16385)) call.currentRow = *row;
    calls.push_back(call);
    const Reaction& reaction = entry == kKeyHandler ? onKey : onCommand;
    return reaction ? reaction(*this, call) : 0;
}

std::intptr_t FakeDialog::rowText(int row) {
    if (runOver) ++callsAfterRun;
    rowsAsked.push_back(row);
    if (row == -1) return static_cast<std::intptr_t>(rows.size());
    if (row < 0 || row >= static_cast<int>(rows.size())) {
        rowsOutOfRange.push_back(row);
        rowField_.clear();
    } else {
        rowField_ = rows[static_cast<std::size_t>(row)];
    }
    return reinterpret_cast<std::intptr_t>(rowField_.c_str());
}

}  // namespace hadrek::toolkit::testing
