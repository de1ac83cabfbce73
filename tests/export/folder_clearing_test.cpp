// Clearing the output folder against a directory search of fakes that
// yields names the real host never would: a name reaching outside the
// folder or into a subfolder, "." and "..", a name filling the object's
// whole room without its NUL, the longest folder with the longest name, a
// first entry handed over as the search opens and again by its first step.
// Every path handed to the deletion is recorded; real files around the
// folder show what was deleted.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "host/core/utf8_path.hpp"
#include "host/platform/raw_paths.hpp"
#include "plugin/export/czyszczenie_katalogu.hpp"
#include "plugin/interface/host_signatures.hpp"

namespace {

using kz::Slot;
namespace fs = std::filesystem;

struct Search {
    std::vector<std::string> names;  // yielded in turn; copied without a NUL when it fills the room
    int opened = 0;
    bool findfirst = false;  // the open yields the first name too
    std::size_t next = 0;
    std::vector<std::string> calls;
    std::string pattern;
    std::vector<std::string> deleted;  // every path handed to the deletion
} g_search;

void putName(void* object, const std::string& name) {
    char* field = static_cast<char*>(object) + kz::kDirSearchName;
    std::memcpy(field, name.data(), std::min<std::size_t>(name.size() + 1, kz::kDirSearchNameRoom));
}

bool recordAndDelete(const char* path) {
    g_search.deleted.push_back(path);
    return kz::usunPlik(path);
}

void* KZ_THISCALL make(void* self) {
    g_search.calls.push_back("make");
    return self;
}
void KZ_THISCALL destroy(void*) { g_search.calls.push_back("destroy"); }
int KZ_CDECL first(const char* pattern, void* object, int attributes) {
    g_search.calls.push_back("open " + std::to_string(attributes));
    g_search.pattern = pattern;
    if (g_search.findfirst) putName(object, g_search.names.at(0));
    return g_search.opened;
}
int KZ_CDECL next(void* object) {
    if (g_search.next == g_search.names.size()) return 18;
    putName(object, g_search.names[g_search.next++]);
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

// Every export file's name in `folder`, as the clearing deletes them by
// name after the search.
std::vector<std::string> exportFilePaths(const std::string& folder) {
    std::vector<std::string> paths;
    for (const char letter : {'Z', 'P'})
        for (int n = 0; n < 100; ++n) {
            char name[16];
            std::snprintf(name, sizeof name, "DOWODY.%c%02d.TXT", letter, n);
            paths.push_back(folder + name);
        }
    return paths;
}

std::vector<std::string> withExportFiles(std::vector<std::string> searched, const std::string& folder) {
    const std::vector<std::string> named = exportFilePaths(folder);
    searched.insert(searched.end(), named.begin(), named.end());
    return searched;
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
        fs::create_directories(hadrek::utf8Path(root_ + "/out/pusty"));
        fs::create_directories(hadrek::utf8Path(root_ + "/out/DOWODY.Z00.TXT"));
        touch(root_ + "/out/plik.txt");
        touch(root_ + "/out/sub/w.txt");
        touch(root_ + "/obok.txt");
    }

    const std::string root_ = "folder_clearing";
};

// A host may yield folders too, as a search by pattern on Windows does; on
// both flavours the deletion leaves a folder alone, empty or not, also one
// named like an export file.
TEST_F(FolderClearing, DeletesOnlyFilesThatStayInsideTheFolder) {
    g_search.names = {"..",
                      ".",
                      "",
                      "../obok.txt",
                      "..\\obok.txt",
                      "sub/w.txt",
                      "sub\\w.txt",
                      std::string(kz::kDirSearchNameRoom, 'n'),
                      "sub",
                      "pusty",
                      "DOWODY.Z00.TXT",
                      "plik.txt"};
    kz::wyczyscKatalog((root_ + "/out").c_str(), recordAndDelete);
    // Each path names an entry directly in the folder: its name holds no
    // separator and is neither the folder nor its parent.
    const std::string inside = root_ + "/out" + kz::kSeparatorSciezki;
    for (const std::string& path : g_search.deleted) {
        SCOPED_TRACE(path);
        ASSERT_TRUE(path.starts_with(inside));
        const std::string name = path.substr(inside.size());
        EXPECT_TRUE(name != "" && name != "." && name != "..");
        EXPECT_EQ(name.find_first_of(std::string("/") + kz::kSeparatorSciezki), std::string::npos);
    }
    EXPECT_EQ(g_search.deleted.at(g_search.deleted.size() - 201), inside + "plik.txt");
    EXPECT_FALSE(exists(root_ + "/out/plik.txt"));
    EXPECT_TRUE(exists(root_ + "/obok.txt"));
    EXPECT_TRUE(exists(root_ + "/out/sub/w.txt"));
    EXPECT_TRUE(fs::is_directory(hadrek::utf8Path(root_ + "/out/pusty")));
    EXPECT_TRUE(fs::is_directory(hadrek::utf8Path(root_ + "/out/DOWODY.Z00.TXT")));
    EXPECT_EQ(g_search.next, g_search.names.size()) << "every entry was taken";
    EXPECT_EQ(g_search.calls, (std::vector<std::string>{"make", "open 0", "close", "destroy"}));
}

// Hosts differ in which call yields the first entry; one that hands it over
// both as the search opens and at the first step gets it deleted once.
TEST_F(FolderClearing, TheFirstEntryCountsWhicheverCallYieldsIt) {
    const std::string out = root_ + "/out" + kz::kSeparatorSciezki;
    const struct {
        bool findfirst;
        std::vector<std::string> names;
    } cases[] = {
        {false, {"a.txt", "b.txt"}},
        {true, {"a.txt", "b.txt"}},
        {true, {"a.txt", "a.txt", "b.txt"}},
    };
    for (const auto& c : cases) {
        SetUp();
        SCOPED_TRACE(testing::Message() << "findfirst " << c.findfirst << ", " << c.names.size() << " names");
        g_search.findfirst = c.findfirst;
        g_search.names = c.names;
        g_search.next = c.findfirst ? 1 : 0;
        kz::wyczyscKatalog((root_ + "/out").c_str(), recordAndDelete);
        EXPECT_EQ(g_search.deleted, withExportFiles({out + "a.txt", out + "b.txt"}, out));
    }
}

// A path in the host's code page names the file by its bytes as they stand
// where such a file exists (a host that converts nothing), and otherwise by
// the file system's conversion of its letters, three-byte ones included.
TEST_F(FolderClearing, ADeletionTriesThePathsBytesFirstThenItsConvertedName) {
    const std::string folder = root_ + "/out/";
    const std::string boxes = "\xC4\xB3\x86";  // ─│ą: U+2500, U+2502, U+0105
    const struct {
        const char* what;
        bool asBytes, converted;  // which of the two names exist before
        bool deleted, bytesLeft, convertedLeft;
    } cases[] = {
        {"only the converted name", false, true, true, false, false},
        {"only the bytes", true, false, true, false, false},
        {"both: the bytes go first", true, true, true, false, true},
        {"neither", false, false, false, false, false},
    };
    const auto asBytes = hadrek::platform::rawFileSystemPath(folder + boxes);
    const auto converted = hadrek::utf8Path(folder + "\u2500\u2502\u0105");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(asBytes);
        fs::remove(converted);
        if (c.asBytes) std::ofstream(asBytes) << "x";
        if (c.converted) std::ofstream(converted) << "x";
        EXPECT_EQ(kz::usunPlik((folder + boxes).c_str()), c.deleted);
        EXPECT_EQ(fs::exists(asBytes), c.bytesLeft);
        EXPECT_EQ(fs::exists(converted), c.convertedLeft);
    }
}

// Whatever the search yields, or if it yields nothing, no earlier export
// file stays to be imported a second time.
TEST_F(FolderClearing, ASearchThatDoesNotOpenIsNotClosedAndEveryExportFileGoesByName) {
    g_search.opened = 3;
    g_search.names = {"plik.txt"};
    for (const char* stale : {"DOWODY.Z01.TXT", "DOWODY.Z99.TXT", "DOWODY.P00.TXT", "DOWODY.P42.TXT"})
        touch(root_ + "/out/" + stale);
    touch(root_ + "/out/DOWODY.X00.TXT");
    touch(root_ + "/out/sub/DOWODY.P00.TXT");
    kz::wyczyscKatalog((root_ + "/out").c_str());
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(hadrek::utf8Path(root_ + "/out")))
        left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"DOWODY.X00.TXT", "DOWODY.Z00.TXT", "plik.txt", "pusty", "sub"}));
    EXPECT_TRUE(exists(root_ + "/out/sub/DOWODY.P00.TXT"));
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
