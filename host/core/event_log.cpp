#include "host/core/event_log.hpp"

#include "host/text/markup.hpp"
#include "host/text/mazovia.hpp"

namespace hadrek {

EventLog::~EventLog() {
    if (file_ && file_ != stdout) std::fclose(file_);
}

bool EventLog::open(const std::string& path) {
    if (file_ && file_ != stdout) std::fclose(file_);
    file_ = nullptr;
    if (path.empty()) return true;
    file_ = path == "-" ? stdout : std::fopen(path.c_str(), "wb");
    return file_ != nullptr;
}

void EventLog::write(const nlohmann::json& event) {
    if (!file_) return;
    const std::string line = event.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    std::fputs(line.c_str(), file_);
    std::fputc('\n', file_);
    std::fflush(file_);
}

void addText(nlohmann::json& event, std::string_view mazovia) {
    event["text"] = text::toUtf8(mazovia);
    event["lines"] = text::visibleLines(mazovia);
}

}  // namespace hadrek
