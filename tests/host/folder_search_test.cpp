// The directory search walks a folder the way the plug-in clears it: the
// regular files directly in it, by name, and nothing else.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "host/core/context.hpp"
#include "host/core/utf8_path.hpp"
#include "host/services/services.hpp"
#include "host/text/mazovia.hpp"
#include "tests/host/host_folder.hpp"

namespace {

using namespace hadrek::services;
using hadrek::platform::kPathSeparator;

class FolderSearch : public hadrek::test::HostFolder {
protected:
    void SetUp() override {
        HostFolder::SetUp();
        std::filesystem::create_directories(folder() / "wyjscie");
        dirSearchConstruct(object_.data());
    }
    void TearDown() override {
        dirSearchDestroy(object_.data());
        HostFolder::TearDown();
    }

    void* object() { return object_.data(); }
    // The searched folder, beside the log.
    std::string searched() const { return file("wyjscie"); }
    std::string name() const { return reinterpret_cast<const char*>(object_.data() + kz::kDirSearchName); }
    std::string pattern(const std::string& folder) const { return folder + kPathSeparator + "*.*"; }

    // The plug-in's walk; each name deleted as it comes when `remove` is set.
    std::vector<std::string> walk(const std::string& folder, bool remove) {
        std::vector<std::string> names;
        if (dirSearchFirst(pattern(folder).c_str(), object(), 0) != 0) return {"(not opened)"};
        while (dirSearchNext(object()) == 0) {
            names.push_back(name());
            if (remove) std::filesystem::remove(hadrek::platform::fileSystemPath(folder + kPathSeparator + name()));
        }
        dirSearchEnd(object());
        return names;
    }

private:
    alignas(4) std::array<unsigned char, kz::kDirSearchSize> object_{};
};

TEST_F(FolderSearch, YieldsTheRegularFilesByNameAndNoFolder) {
    const std::string polish = hadrek::text::fromUtf8("żółw.txt");
    for (const char* name : {"b.txt", "a.TXT", "Zeta", ".ukryty", "DOWODY.Z00.TXT", "żółw.txt"})
        std::ofstream(folder() / "wyjscie" / hadrek::utf8Path(name));
    std::filesystem::create_directories(folder() / "wyjscie" / "sub" / "deeper");
    write("wyjscie/sub/inner.txt", "stays");

    const std::vector<std::string> expected = {".ukryty", "DOWODY.Z00.TXT", "Zeta", "a.TXT", "b.txt", polish};
    EXPECT_EQ(walk(searched(), false), expected);
    EXPECT_EQ(name(), "") << "no name once the walk is over";
    EXPECT_EQ(walk(searched(), true), expected) << "deleting while walking changes nothing of the walk";
    EXPECT_EQ(walk(searched(), false), std::vector<std::string>{});
    EXPECT_TRUE(std::filesystem::is_directory(folder() / "wyjscie" / "sub" / "deeper"));
    EXPECT_EQ(read("wyjscie/sub/inner.txt"), "stays");

    const auto opened = events("folder");
    ASSERT_EQ(opened.size(), 6u);
    EXPECT_EQ(opened[0]["entries"].size(), expected.size());
    EXPECT_EQ(opened[0]["entries"][5], "żółw.txt");
    EXPECT_EQ(opened[1]["yielded"], expected.size());
}

TEST_F(FolderSearch, PatternsOfAnotherFormDoNotOpen) {
    write("a.txt", "stays");
    const std::string sep(1, kPathSeparator);
    for (const std::string& pattern :
         {hostFolder(), hostFolder() + sep + "*", hostFolder() + sep + "*.txt", hostFolder() + "*.*",
          std::string("*.*"), sep + "*.*", hostFolder() + sep + "brak" + sep + "*.*",
          hostFolder() + sep + "a.txt" + sep + "*.*"}) {
        SCOPED_TRACE(pattern);
        EXPECT_NE(dirSearchFirst(pattern.c_str(), object(), 0), 0);
        EXPECT_EQ(name(), "");
    }
    EXPECT_EQ(read("a.txt"), "stays");
    for (const auto& event : events("folder")) EXPECT_EQ(event["result"], 3);
}

TEST_F(FolderSearch, AnInjectedFaultKeepsTheSearchShut) {
    write("wyjscie/a.txt", "");
    hadrek::context().options.failAt = hadrek::context().failableCalls + 1;
    EXPECT_EQ(walk(searched(), true), std::vector<std::string>{"(not opened)"});
    EXPECT_TRUE(std::filesystem::exists(folder() / "wyjscie" / "a.txt"));
    ASSERT_EQ(events("fault").size(), 1u);
    EXPECT_EQ(events("fault")[0]["service"], "40503");
    EXPECT_EQ(walk(searched(), false), std::vector<std::string>{"a.txt"});
}

// Death tests run the test again in a child process (under Wine always), so
// this one keeps to no folder of its own.
TEST(FolderSearchMisuse, ObjectsTheHostDidNotMakeOrOpenEndTheRun) {
    alignas(4) std::array<unsigned char, kz::kDirSearchSize> made{}, foreign{};
    const std::string pattern = std::string("scenario") + kPathSeparator + "*.*";
    dirSearchConstruct(made.data());
    EXPECT_EXIT(dirSearchFirst(pattern.c_str(), foreign.data(), 0), ::testing::ExitedWithCode(71),
                "40503 was handed a directory search object this host did not make");
    EXPECT_EXIT(dirSearchNext(made.data()), ::testing::ExitedWithCode(71),
                "40504 was handed a directory search that is not open");
    EXPECT_EXIT(dirSearchEnd(made.data()), ::testing::ExitedWithCode(71),
                "40505 was handed a directory search that is not open");
    EXPECT_EXIT(dirSearchFirst(pattern.c_str(), made.data(), 0x10), ::testing::ExitedWithCode(71), "attributes 16");
    EXPECT_EXIT(dirSearchConstruct(made.data()), ::testing::ExitedWithCode(71), "never destroyed");
    dirSearchDestroy(made.data());
    EXPECT_EXIT(dirSearchDestroy(made.data()), ::testing::ExitedWithCode(71), "40519 was handed");
}

}  // namespace
