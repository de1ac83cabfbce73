// The dialog runner behind 24007: builds a dialog from the plug-in's
// template block, runs it modally and answers the closing button's id.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/toolkit/template/template_reader.hpp"

namespace hadrek::toolkit {

class DialogWindow;

// The block read and checked once per run; null with `error` set when it is
// not a block this toolkit can trust.
struct PreparedDialog {
    std::optional<TemplateBlock> block;
    const DialogTemplate* dialog = nullptr;
    std::size_t blockSize = 0;
    std::string error;

    // How many delegate values follow the data buffer in the runner's call:
    // a dialog with a list takes a key delegate and a row delegate.
    int delegateCount() const;
};

PreparedDialog prepareDialog(const void* block, int id);

// Runs the dialog; a dialog that could not be prepared answers the
// cancelling button's id.
std::uint16_t runDialog(const PreparedDialog& prepared, const void* block, void* object, void* buffer,
                        const std::vector<void*>& delegateValues);

// The innermost running dialog, for the services that act on "the running
// dialog" (52040, 52033, 52034); null outside a run.
DialogWindow* runningDialog();

// 52034: draw the screen again now.
void redrawRunningDialog();

}  // namespace hadrek::toolkit
