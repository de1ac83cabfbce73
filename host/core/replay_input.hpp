// What a replayed session takes from its trace as the user's own doing:
// the outcome of each dialog with the calls the host made into the plug-in
// while it ran, the list's current row, the fields copied out of the
// options dialog, the folder picked and the notice's flag. Every other
// answer stays the stand-in's own. Empty and unused outside --replay.
#pragma once

#include <deque>
#include <string>
#include <vector>

namespace hadrek {

struct ReplayedHandlerCall {
    std::string role;  // KeyHandler, CommandHandler or RowText
    int code = 0;
    int phase = 0;
};

struct ReplayedDialog {
    int result = 0;
    std::vector<ReplayedHandlerCall> calls;
    std::vector<unsigned char> buffer;  // the data buffer after the run; empty: left as it was
};

struct ReplayedPick {
    int result = 0;
    std::string folder;  // the host's code page
};

struct ReplayInput {
    bool active = false;
    std::deque<ReplayedDialog> dialogs;
    // The calls into the plug-in each redraw (52034) made, in order.
    std::deque<std::vector<ReplayedHandlerCall>> redraws;
    void* dialogObject = nullptr;  // the dialog being replayed
    std::deque<int> rows;
    std::deque<std::vector<unsigned char>> exchanges;
    std::deque<ReplayedPick> picks;
    std::deque<int> noticeFlags;
};

}  // namespace hadrek
