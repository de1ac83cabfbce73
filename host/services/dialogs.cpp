// Dialog services: the runner, delegates and their dispatch functions, data
// exchange, redraw, control values and the folder picker. The toolkit does
// the work; these are the host's entry points to it.
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "host/core/context.hpp"
#include "host/platform/host_module.hpp"
#include "host/services/services.hpp"
#include "host/toolkit/dialog/delegates.hpp"
#include "host/toolkit/dialog/dialog_window.hpp"
#include "host/toolkit/dialog/runner.hpp"
#include "host/toolkit/dialog_base.hpp"
#include "host/toolkit/folder_picker.hpp"

namespace hadrek::services {

namespace {

void callPlugin(void* object, const std::vector<ReplayedHandlerCall>& calls) {
    for (const ReplayedHandlerCall& call : calls) {
        if (call.role == "RowText")
            toolkit::callRowText(object, call.code);
        else
            toolkit::callHandler(object, call.role == "KeyHandler" ? toolkit::kKeyHandler : toolkit::kCommandHandler,
                                 call.code, call.phase);
    }
}

// A replayed session's dialog: the user's doing as the trace shows it, the
// host's calls into the plug-in made again in their order.
int replayDialog(void* object, int id, void* buffer) {
    ReplayInput& replay = context().replay;
    if (replay.dialogs.empty()) misuse(kz::Slot::DialogRun, "ran a dialog the trace does not show");
    const ReplayedDialog dialog = std::move(replay.dialogs.front());
    replay.dialogs.pop_front();
    replay.dialogObject = object;
    callPlugin(object, dialog.calls);
    replay.dialogObject = nullptr;
    if (buffer && !dialog.buffer.empty()) std::memcpy(buffer, dialog.buffer.data(), dialog.buffer.size());
    context().log.write({{"event", "dialog"}, {"id", id}, {"result", dialog.result}, {"replayed", true}});
    return dialog.result;
}

}  // namespace

// 24007: (dialog object, template block, dialog id, data buffer, one value
// per delegate). The dialog decides how many values follow.
int KZ_CDECL dialogRun(void* object, const void* block, int id, void* buffer, ...) {
    if (context().replay.active) return replayDialog(object, id, buffer);
    toolkit::PreparedDialog prepared = toolkit::prepareDialog(block, id);
    // A dialog the host could not put up is left as if cancelled.
    if (injectFault(kz::Slot::DialogRun)) {
        prepared.dialog = nullptr;
        prepared.error = "the dialog could not be put up (injected fault)";
    }
    std::vector<void*> delegates;
    va_list values;
    va_start(values, buffer);
    for (int i = 0; i < prepared.delegateCount(); ++i) delegates.push_back(va_arg(values, void*));
    va_end(values);
    return toolkit::runDialog(prepared, block, object, buffer, delegates);
}

// 20927: the options dialog's commands go to the object's command handler.
std::intptr_t KZ_CDECL dispatchOptions(void* object, int code, int phase) {
    return toolkit::callHandler(object, toolkit::kCommandHandler, code, phase);
}

// 20936: the selection dialog's keys go to the object's key handler.
std::intptr_t KZ_CDECL dispatchSelectionFirst(void* object, int code, int phase) {
    return toolkit::callHandler(object, toolkit::kKeyHandler, code, phase);
}

// 20917: the selection list's rows come from the object's row text provider.
std::intptr_t KZ_CDECL dispatchSelectionSecond(void* object, int row, int) { return toolkit::callRowText(object, row); }

namespace {

// Which dispatch function a delegate is made with. A caller outside the
// host module holds the exported entry; one linked with the host library
// (the in-process tests) holds the function itself.
std::uint16_t dispatchOrdinal(void* dispatch) {
    if (!dispatch) return 0;
    const struct {
        kz::Slot slot;
        void* function;
    } kDispatchFunctions[] = {
        {kz::Slot::DispatchSelectionSecond, reinterpret_cast<void*>(&dispatchSelectionSecond)},
        {kz::Slot::DispatchOptions, reinterpret_cast<void*>(&dispatchOptions)},
        {kz::Slot::DispatchSelectionFirst, reinterpret_cast<void*>(&dispatchSelectionFirst)},
    };
    for (const auto& known : kDispatchFunctions) {
        const std::uint16_t ordinal = kz::ordinalOf(known.slot);
        if (dispatch == known.function || dispatch == exportedAddress(ordinal)) return ordinal;
    }
    return 0;
}

}  // namespace

// 20972: make a delegate on the caller's storage.
void* KZ_THISCALL delegateMake(void* storage, void* dialogObject, void* dispatch) {
    toolkit::makeDelegate(storage, dialogObject, dispatch, dispatchOrdinal(dispatch));
    return storage;
}

// 20973: destroy a delegate.
void KZ_THISCALL delegateDestroy(void* storage) { toolkit::destroyDelegate(storage); }

// 52040: (data buffer, 1 = fields to buffer, 0 = buffer to fields).
int KZ_CDECL dialogDataExchange(void* buffer, int fieldsToBuffer) {
    if (ReplayInput& replay = context().replay; replay.active) {
        if (fieldsToBuffer && !replay.exchanges.empty()) {
            std::memcpy(buffer, replay.exchanges.front().data(), replay.exchanges.front().size());
            replay.exchanges.pop_front();
        }
        return 0;
    }
    toolkit::DialogWindow* dialog = toolkit::runningDialog();
    if (!dialog || dialog->buffer() != buffer) {
        context().log.write({{"event", "error"},
                             {"message", serviceMessage(kz::Slot::DialogDataExchange,
                                                        "outside the run of the dialog owning that buffer")}});
        return -1;
    }
    if (fieldsToBuffer)
        dialog->fieldsToBuffer();
    else
        dialog->bufferToFields();
    context().log.write(
        {{"event", "data-exchange"}, {"direction", fieldsToBuffer ? "fields-to-buffer" : "buffer-to-fields"}});
    return 0;
}

// 52034: (kz::kRedrawRunningDialog) draw the running dialog again.
int KZ_CDECL dialogRedraw(int, int, int) {
    if (ReplayInput& replay = context().replay; replay.active) {
        if (replay.redraws.empty() || !replay.dialogObject) return 0;
        const auto calls = std::move(replay.redraws.front());
        replay.redraws.pop_front();
        callPlugin(replay.dialogObject, calls);
        return 0;
    }
    context().log.write({{"event", "redraw"}});
    toolkit::redrawRunningDialog();
    return 0;
}

// 52033: the address of a control's 16-bit value; the list's is its current row.
std::uint16_t* KZ_CDECL controlValue(int id) {
    if (ReplayInput& replay = context().replay; replay.active) {
        static std::uint16_t row;
        if (replay.rows.empty()) return nullptr;
        row = static_cast<std::uint16_t>(replay.rows.front());
        replay.rows.pop_front();
        return &row;
    }
    toolkit::DialogWindow* dialog = toolkit::runningDialog();
    if (!dialog) return nullptr;
    auto& controls = dialog->controls();
    for (int i = 0; i < static_cast<int>(controls.size()); ++i) {
        if (controls[i].record.id != static_cast<std::uint16_t>(id)) continue;
        if (i == dialog->listIndex()) return dialog->list()->currentRow();
        return &controls[i].value;
    }
    return nullptr;
}

// 50525: (prompt, destination path of kFolderPickerCapacity bytes).
int KZ_CDECL folderPicker(const char* prompt, char* destination) {
    if (injectFault(kz::Slot::FolderPicker)) return -1;
    if (ReplayInput& replay = context().replay; replay.active) {
        if (replay.picks.empty()) return -1;
        const ReplayedPick pick = replay.picks.front();
        replay.picks.pop_front();
        std::snprintf(destination, kz::kFolderPickerCapacity, "%s", pick.folder.c_str());
        return pick.result;
    }
    return toolkit::pickFolder(prompt, destination, kz::kFolderPickerCapacity);
}

}  // namespace hadrek::services
