// Clearing the output folder against a directory search of fakes that
// yields names the real host never would: a name reaching outside the
// folder or into a subfolder, "." and "..", a name filling the object's
// whole room without its NUL, the longest folder with the longest name.
// Real files around the folder show what was deleted.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "host/core/utf8_path.hpp"
#include "plugin/export/czyszczenie_katalogu.hpp"
#include "plugin/interface/host_signatures.hpp"

namespace {

using kz::Slot;
namespace fs = std::filesystem;

struct Search {
    std::vector<std::string> names;  // yielded in turn; copied without a NUL when it fills the room
    int opened = 0;
    std::size_t next = 0;
    std::vector<std::string> calls;
    std::string pattern;
} g_search;

void* KZ_THISCALL make(void* self) {
    g_search.calls.push_back("make");
    return self;
}
void KZ_THISCALL destroy(void*) { g_search.calls.push_back("destroy"); }
int KZ_CDECL first(const char* pattern, void*, int attributes) {
    g_search.calls.push_back("open " + std::to_string(attributes));
    g_search.pattern = pattern;
    return g_search.opened;
}
int KZ_CDECL next(void* object) {
    if (g_search.next == g_search.names.size()) return 18;
    const std::string& name = g_search.names[g_search.next++];
    char* field = static_cast<char*>(object) + kz::kDirSearchName;
    std::memcpy(field, name.data(), std::min<std::size_t>(name.size() + 1, kz::kDirSearchNameRoom));
    return 0;
}
int KZ_CDECL end(void*) {
    g_search.calls.push_back("close");
    return 0;
}

template <typename F>
void put(Slot slot, F* function) {
    kz_hostSlots[static_cast<unsigned>(slot)] = reinterpret_cast<void*>(function);
}

void touch(const std::string& path) { std::ofstream(hadrek::utf8Path(path), std::ios::binary) << "x"; }
bool exists(const std::string& path) { return fs::exists(hadrek::utf8Path(path)); }

class FolderClearing : public ::testing::Test {
protected:
    void SetUp() override {
        g_search = Search{};
        put(Slot::DirSearchConstruct, &make);
        put(Slot::DirSearchDestroy, &destroy);
        put(Slot::DirSearchFirst, &first);
        put(Slot::DirSearchNext, &next);
        put(Slot::DirSearchEnd, &end);
        fs::remove_all(hadrek::utf8Path(root_));
        fs::create_directories(hadrek::utf8Path(root_ + "/out/sub"));
        touch(root_ + "/out/plik.txt");
        touch(root_ + "/out/sub/w.txt");
        touch(root_ + "/obok.txt");
    }

    const std::string root_ = "folder_clearing";
};

TEST_F(FolderClearing, DeletesOnlyNamesThatStayInsideTheFolder) {
    g_search.names = {"..",           ".",         "",           "../obok.txt",
                      "..\\obok.txt", "sub/w.txt", "sub\\w.txt", std::string(kz::kDirSearchNameRoom, 'n'),
                      "plik.txt"};
    kz::wyczyscKatalog((root_ + "/out").c_str());
    EXPECT_FALSE(exists(root_ + "/out/plik.txt"));
    EXPECT_TRUE(exists(root_ + "/obok.txt"));
    EXPECT_TRUE(exists(root_ + "/out/sub/w.txt"));
    EXPECT_EQ(g_search.next, g_search.names.size()) << "every entry was taken";
    EXPECT_EQ(g_search.calls, (std::vector<std::string>{"make", "open 0", "close", "destroy"}));
}

TEST_F(FolderClearing, ASearchThatDoesNotOpenIsNotClosedButItsObjectIsDestroyed) {
    g_search.opened = 3;
    g_search.names = {"plik.txt"};
    kz::wyczyscKatalog((root_ + "/out").c_str());
    EXPECT_TRUE(exists(root_ + "/out/plik.txt"));
    EXPECT_EQ(g_search.next, 0u) << "nothing was asked of a search that did not open";
    EXPECT_EQ(g_search.calls, (std::vector<std::string>{"make", "open 0", "destroy"}));
}

// The longest folder the options hold with the longest name the object
// holds: the pattern and every path fit their buffers whole.
TEST_F(FolderClearing, TheLongestFolderAndNameFitWhole) {
    const std::string folder(259, 'k');
    g_search.names = {std::string(kz::kDirSearchNameRoom - 1, 'n')};
    kz::wyczyscKatalog(folder.c_str());
    ASSERT_EQ(g_search.pattern.size(), 259u + 4u);
    EXPECT_EQ(g_search.pattern.substr(0, 259), folder);
    EXPECT_EQ(g_search.pattern.substr(260), "*.*");
    EXPECT_EQ(g_search.calls, (std::vector<std::string>{"make", "open 0", "close", "destroy"}));
}

}  // namespace
