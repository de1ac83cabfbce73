#include "host/core/event_log.hpp"

#include <iostream>

#include "host/core/utf8_path.hpp"

#include "host/text/markup.hpp"
#include "host/text/mazovia.hpp"

namespace hadrek {

bool EventLog::open(const std::string& path) {
    if (owned_.is_open()) owned_.close();
    out_ = nullptr;
    if (path.empty()) return true;
    if (path == "-") {
        out_ = &std::cout;
        return true;
    }
    owned_.open(utf8Path(path), std::ios::binary | std::ios::trunc);
    if (!owned_.is_open()) return false;
    out_ = &owned_;
    return true;
}

void EventLog::write(const nlohmann::json& event) {
    if (!out_) return;
    *out_ << event.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
    out_->flush();
}

void addText(nlohmann::json& event, std::string_view mazovia) {
    event["text"] = text::toUtf8(mazovia);
    event["lines"] = text::visibleLines(mazovia);
}

}  // namespace hadrek
