// The directory search object. It lives in the caller's storage (its entry
// name at a fixed place there); the entries of an open search live here.
//
// The protocol, as the plug-in walks a folder:
//   40518(object)                       make the object
//   if (40503(pattern, object, 0) == 0) the search is open; no entry yet
//       while (40504(object) == 0)      each call yields the next entry, the
//           use the name in the object  first one included
//       40505(object)                   close the search
//   40519(object)                       destroy the object
// Under --host-variant findfirst, 40503 yields the first entry itself, as
// the C runtime's own search does: it opens only when there is one, and
// 40504 yields the rest. dirs-too yields what a search by pattern on
// Windows yields whatever the attribute: ".", "..", the folders, the
// hidden files, then the rest; search-stops-early ends every search after
// its second entry; short-names gives a name longer than 12 characters
// only as a made-up 8.3 form (NOTATK~1.TXT), which names no file.
// The entries are taken when the search opens, so deleting them while
// walking changes nothing about what the walk yields.
#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "host/core/context.hpp"
#include "host/platform/file_paths.hpp"
#include "host/services/services.hpp"

namespace hadrek::services {
namespace {

constexpr int kOpened = 0;
constexpr int kNotOpened = 3;       // the C runtime's "path not found"
constexpr int kNoMoreEntries = 18;  // and its "no more files"
constexpr std::string_view kAllFiles = "*.*";

struct Entry {
    std::string logged;  // UTF-8, for the log
    std::string name;    // Mazovia, for the plug-in
};

struct Search {
    int number = 0;  // 0 while no search is open
    std::vector<Entry> entries;
    std::size_t next = 0;
};

std::map<const void*, Search>& searches() {
    static std::map<const void*, Search> live;
    return live;
}
int g_searchesOpened = 0;

Search& liveSearch(const void* object, kz::Slot service) {
    auto& live = searches();
    const auto found = live.find(object);
    if (found == live.end()) misuse(service, "was handed a directory search object this host did not make");
    return found->second;
}

Search& openSearch(const void* object, kz::Slot service) {
    Search& search = liveSearch(object, service);
    if (!search.number) misuse(service, "was handed a directory search that is not open");
    return search;
}

void setName(void* object, std::string_view name) {
    char* field = static_cast<char*>(object) + kz::kDirSearchName;
    field[name.copy(field, name.size())] = '\0';
}

void closeSearch(void* object, Search& search) {
    context().log.write(
        {{"event", "folder"}, {"action", "close"}, {"search", search.number}, {"yielded", search.next}});
    search = Search{};
    setName(object, {});
}

// "<folder><separator>*.*", the folder not empty: the folder, or nothing
// for a pattern of any other form.
std::optional<std::string_view> folderOfPattern(std::string_view pattern) {
    if (pattern.size() < kAllFiles.size() + 2 || !pattern.ends_with(kAllFiles)) return std::nullopt;
    const std::string_view rest = pattern.substr(0, pattern.size() - kAllFiles.size());
    if (!platform::isPathSeparator(rest.back())) return std::nullopt;
    return rest.substr(0, rest.size() - 1);
}

Entry entryNamed(const std::filesystem::path& name) { return {platform::loggedPath(name), platform::hostName(name)}; }

// By the UTF-8 bytes of the name, so both flavours walk in one order.
void sortEntries(std::vector<Entry>& entries) {
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.logged < b.logged; });
}

// The entries directly in the folder, by name: as the platform's own search
// with no attributes yields them, the regular files only, or under
// dirs-too every entry in groups.
std::optional<std::vector<Entry>> folderEntries(std::string_view folder) {
    std::error_code error;
    std::filesystem::directory_iterator walk(platform::fileSystemPath(folder), error);
    if (error) return std::nullopt;
    const bool everyEntry = hostVariant(HostVariant::DirsToo);
    std::vector<Entry> folders, hidden, files;
    for (; walk != std::filesystem::directory_iterator(); walk.increment(error)) {
        if (error) return std::nullopt;
        const bool regular = walk->is_regular_file(error);
        if (!regular && !everyEntry) continue;
        Entry entry = entryNamed(walk->path().filename());
        if (entry.name.size() >= kz::kDirSearchNameRoom) continue;
        auto& group = !everyEntry ? files : !regular ? folders : platform::isHiddenFile(*walk) ? hidden : files;
        group.push_back(std::move(entry));
    }
    if (error) return std::nullopt;
    std::vector<Entry> entries;
    if (everyEntry) entries = {{".", "."}, {"..", ".."}};
    for (auto* group : {&folders, &hidden, &files}) {
        sortEntries(*group);
        entries.insert(entries.end(), group->begin(), group->end());
    }
    return entries;
}

// short-names: "notatka księgowej.txt" as NOTATK~1.TXT, the n-th such form
// of one stem ending in ~n. Only letters and digits of ASCII are kept.
std::string shortForm(std::string_view name, std::map<std::string, int>& taken) {
    const auto upperAlnum = [](std::string_view from, std::size_t most) {
        std::string kept;
        for (const char c : from)
            if (kept.size() < most && c > 0 && std::isalnum(static_cast<unsigned char>(c)))
                kept += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return kept;
    };
    const std::size_t dot = name.rfind('.');
    const std::string stem = upperAlnum(name.substr(0, dot), 6);
    const std::string extension = dot == std::string_view::npos ? "" : upperAlnum(name.substr(dot + 1), 3);
    std::string form = stem + "~" + std::to_string(++taken[stem]);
    return extension.empty() ? form : form + "." + extension;
}

void shortenLongNames(std::vector<Entry>& entries) {
    constexpr std::size_t kLongestShortName = 12;
    std::map<std::string, int> taken;
    for (Entry& entry : entries)
        if (entry.name.size() > kLongestShortName) entry.logged = entry.name = shortForm(entry.name, taken);
}

}  // namespace

// 40518: make a directory search object on the caller's storage.
void* KZ_THISCALL dirSearchConstruct(void* self) {
    std::memset(self, 0, kz::kDirSearchSize);
    widenObject(self, kz::kDirSearchSize);
    if (!searches().emplace(self, Search{}).second)
        misuse(kz::Slot::DirSearchConstruct, "made a directory search object over one that was never destroyed");
    return self;
}

// 40519: destroy the object, closing a search still open.
void KZ_THISCALL dirSearchDestroy(void* self) {
    Search& search = liveSearch(self, kz::Slot::DirSearchDestroy);
    checkWideObject(self, kz::kDirSearchSize, kz::Slot::DirSearchDestroy);
    if (search.number) closeSearch(self, search);
    searches().erase(self);
}

// 40503: (pattern, object, attributes) open a search; 0 when it opened. The
// entries come one by one from 40504, the first one included.
int KZ_CDECL dirSearchFirst(const char* pattern, void* object, int attributes) {
    Search& search = liveSearch(object, kz::Slot::DirSearchFirst);
    if (!pattern) misuse(kz::Slot::DirSearchFirst, "was handed a null pattern");
    if (attributes != 0)
        misuse(kz::Slot::DirSearchFirst,
               "was asked for attributes " + std::to_string(attributes) + "; this host searches for plain files only");
    if (search.number) closeSearch(object, search);

    nlohmann::json event = {
        {"event", "folder"}, {"action", "open"}, {"pattern", platform::loggedPath(platform::fileSystemPath(pattern))}};
    const auto folder = folderOfPattern(pattern);
    std::optional<std::vector<Entry>> entries;
    if (injectFault(kz::Slot::DirSearchFirst))
        event["reason"] = "fault";
    else if (!folder)
        event["reason"] = "pattern";
    else if (!(entries = folderEntries(*folder)))
        event["reason"] = "folder";
    if (!entries) {
        event["result"] = kNotOpened;
        context().log.write(event);
        return kNotOpened;
    }
    const bool findfirst = hostVariant(HostVariant::Findfirst);
    if (findfirst && entries->empty()) {
        event["reason"] = "empty";
        event["result"] = kNoMoreEntries;
        context().log.write(event);
        return kNoMoreEntries;
    }
    if (hostVariant(HostVariant::ShortNames)) shortenLongNames(*entries);
    search.number = ++g_searchesOpened;
    search.entries = std::move(*entries);
    if (findfirst) setName(object, search.entries[search.next++].name);
    event["search"] = search.number;
    event["result"] = kOpened;
    event["entries"] = nlohmann::json::array();
    for (const Entry& entry : search.entries) event["entries"].push_back(entry.logged);
    context().log.write(event);
    return kOpened;
}

// 40504: yield the next entry, its name into the object; 0 while there was
// one.
int KZ_CDECL dirSearchNext(void* object) {
    Search& search = openSearch(object, kz::Slot::DirSearchNext);
    constexpr std::size_t kEarlyEnd = 2;
    const bool endsEarly = hostVariant(HostVariant::SearchStopsEarly) && search.next >= kEarlyEnd;
    if (search.next == search.entries.size() || endsEarly) {
        setName(object, {});
        return kNoMoreEntries;
    }
    setName(object, search.entries[search.next++].name);
    return 0;
}

// 40505: close the search; the object stays for another.
int KZ_CDECL dirSearchEnd(void* object) {
    closeSearch(object, openSearch(object, kz::Slot::DirSearchEnd));
    return 0;
}

}  // namespace hadrek::services
