// The host's log: JSON Lines, one object per thing shown or done.
#pragma once

#include <fstream>
#include <ostream>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace hadrek {

class EventLog {
public:
    EventLog() = default;
    EventLog(const EventLog&) = delete;
    EventLog& operator=(const EventLog&) = delete;

    // "-" is stdout, "" logs nothing.
    bool open(const std::string& path);
    bool toStdout() const { return out_ && out_ != &owned_; }
    void write(const nlohmann::json& event);

private:
    std::ofstream owned_;
    std::ostream* out_ = nullptr;
};

// A text the plug-in handed over, as the log keeps it: exact bytes decoded
// from Mazovia, control bytes kept, plus the lines the user sees.
void addText(nlohmann::json& event, std::string_view mazovia);

}  // namespace hadrek
