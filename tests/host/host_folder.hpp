// A folder of its own for each test of the host's file services, with the
// host's log written into it.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "host/core/context.hpp"
#include "host/platform/file_paths.hpp"

namespace hadrek::test {

class HostFolder : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::string("scenario/files-") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        context().log.open((folder_ / "log.jsonl").string());
    }
    void TearDown() override {
        context().log.open("");
        context().options.failAt.reset();
    }

    const std::filesystem::path& folder() const { return folder_; }
    // The folder as the plug-in names it, with the platform's separator.
    std::string hostFolder() const { return folder_.string(); }
    std::string file(const std::string& name) const { return hostFolder() + platform::kPathSeparator + name; }

    std::string read(const std::string& name) const {
        std::ifstream in(folder_ / name, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(folder_ / name, std::ios::binary) << bytes;
    }

    std::vector<nlohmann::json> events(const std::string& kind) const {
        std::ifstream in(folder_ / "log.jsonl", std::ios::binary);
        std::vector<nlohmann::json> found;
        for (std::string line; std::getline(in, line);) {
            auto event = nlohmann::json::parse(line);
            if (event["event"] == kind) found.push_back(std::move(event));
        }
        return found;
    }

private:
    std::filesystem::path folder_;
};

}  // namespace hadrek::test
