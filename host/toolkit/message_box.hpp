// The host's message boxes: a caption, a text with mark-up, an OK line and,
// for notices, a tick box "do not show again".
#pragma once

#include <string>

#include <nlohmann/json.hpp>

namespace hadrek::toolkit {

struct BoxRequest {
    std::string event;    // what the log calls it: "message", "stop", "notice"
    std::string caption;  // Mazovia
    std::string text;     // Mazovia, with mark-up
    bool tick = false;
    nlohmann::json extra = nlohmann::json::object();  // the call's other values, for the log
};

struct BoxOutcome {
    bool ticked = false;
};

// Shows the box until Enter or Esc (Space toggles the tick). A spent key
// script closes it with Enter.
BoxOutcome showBox(const BoxRequest& request);

}  // namespace hadrek::toolkit
