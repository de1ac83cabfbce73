// What the export scenarios read back after a run: the messages shown, the
// entries of a folder, and whether the run left streams or blocks behind.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "tests/support/host_run.hpp"

namespace kz::test {

inline std::vector<std::string> messages(const HostRun& r) {
    std::vector<std::string> out;
    for (const auto& e : r.all("message")) {
        EXPECT_EQ(e.value("type", 0), 1) << "every box of an export run is of type 1";
        out.push_back(e["caption"].get<std::string>() + ": " + e["text"].get<std::string>());
    }
    return out;
}

// The entries of a folder by the names `nameOf` gives them, sorted; folders
// end with '/'.
template <typename NameOf>
std::vector<std::string> entriesOf(const std::filesystem::path& folder, NameOf nameOf) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        names.push_back(nameOf(entry.path().filename()) + (entry.is_directory() ? "/" : ""));
    std::sort(names.begin(), names.end());
    return names;
}

// Every stream opened was closed, every list block made was freed.
inline void expectNothingLeftOpen(const HostRun& r) {
    std::size_t opened = 0, closed = 0;
    for (const auto& e : r.all("file")) {
        if (e["action"] == "open" && e["result"] == "ok") ++opened;
        if (e["action"] == "close") ++closed;
    }
    std::set<int> made, freed;
    for (const auto& e : r.all("memory")) {
        if (e["action"] == "resize" && e["result"] == "ok") made.insert(e["block"].get<int>());
        if (e["action"] == "free") freed.insert(e["block"].get<int>());
    }
    EXPECT_EQ(opened, closed) << "streams left open";
    EXPECT_EQ(made, freed) << "blocks left";
}

}  // namespace kz::test
