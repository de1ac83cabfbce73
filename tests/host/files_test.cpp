// The host's file streams, temporary file object and path services: the
// bytes that land on disk are the same on both flavours.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>

#include "host/core/context.hpp"
#include "host/platform/file_paths.hpp"
#include "host/services/services.hpp"
#include "tests/host/host_folder.hpp"

namespace {

using namespace hadrek::services;
using hadrek::platform::kPathSeparator;

class Streams : public hadrek::test::HostFolder {};

// Empty when the two agree, else where they part and a few bytes of each
// from there: long outputs stay readable when they differ.
std::string parting(const std::string& written, const std::string& expected) {
    const auto [a, b] = std::mismatch(written.begin(), written.end(), expected.begin(), expected.end());
    if (a == written.end() && b == expected.end()) return "";
    const auto from = static_cast<std::size_t>(a - written.begin());
    return "byte " + std::to_string(from) + ": written \"" + written.substr(from, 12) + "\", expected \"" +
           expected.substr(from, 12) + "\"";
}

TEST_F(Streams, TextStreamsWritePrintfTextWithCrLf) {
    struct Case {
        const char* name;
        std::function<int(void*)> print;
        std::string written;
    };
    const std::string longText(5000, 'x');
    // Both longer than the stream's buffer: many prints of mostly line
    // feeds, so that prints meet the buffer's end at every offset, some
    // fitting only until their line ends are translated, and one print with
    // line feeds all through it.
    const std::string lineFeeds(40, '\n');
    std::string manyLinesWritten;
    for (int i = 0; i < 8000; ++i) {
        manyLinesWritten += std::string(static_cast<std::size_t>(i % 61), 'x') + "ab";
        for (int n = 0; n <= i % 40; ++n) manyLinesWritten += "\r\n";
    }
    std::string feeds, feedsWritten;
    for (int i = 0; i < 70'000; ++i) {
        feeds += i % 7 == 6 ? '\n' : 'z';
        feedsWritten += i % 7 == 6 ? "\r\n" : "z";
    }
    const Case cases[] = {
        {"two decimals", [](void* s) { return streamPrintf(s, "%.2f|%.2f|%.2f\n", 1234.5, 0.125, -7.006); },
         "1234.50|0.12|-7.01\r\n"},
        {"negative zero", [](void* s) { return streamPrintf(s, "%0.2f|%.2f\n", -0.00001 / 10000, -0.0); },
         "-0.00|-0.00\r\n"},
        {"three decimals, date digits, a character",
         [](void* s) { return streamPrintf(s, "%.3f|%.3f|%04d%02d%02d|%c\n", 12.0, -1.5, 987, 3, 5, 'V'); },
         "12.000|-1.500|09870305|V\r\n"},
        {"bytes of the code page pass as they are", [](void* s) { return streamPrintf(s, "%s\n", "\xa4\x86:\x01"); },
         "\xa4\x86:\x01\r\n"},
        {"every line feed, also one after CR and one from a value",
         [](void* s) { return streamPrintf(s, "a\r\n%s\n\n", "b\nc"); }, "a\r\r\nb\r\nc\r\n\r\n"},
        {"longer than the first buffer, no line end",
         [&](void* s) { return streamPrintf(s, "%s%s", longText.c_str(), "!"); }, longText + "!"},
        {"prints across the buffer's end",
         [&](void* s) {
             int printed = 0;
             for (int i = 0; i < 8000; ++i)
                 printed += streamPrintf(s, "%.*sab%.*s", i % 61, longText.c_str(), i % 40 + 1, lineFeeds.c_str());
             return printed;
         },
         manyLinesWritten},
        {"one print longer than the buffer, line feeds all through it",
         [&](void* s) { return streamPrintf(s, "%s", feeds.c_str()); }, feedsWritten},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = file("out.txt");
        void* stream = fileOpen(path.c_str(), "wt", 0x40, 0, -1, 0, 0, 0, 0);
        ASSERT_NE(stream, nullptr);
        const int printed = c.print(stream);
        EXPECT_EQ(streamClose(stream), 0);
        const std::string bytes = read("out.txt");
        EXPECT_EQ(parting(bytes, c.written), "");
        std::size_t lineFeeds = 0;
        for (char ch : bytes) lineFeeds += ch == '\n';
        EXPECT_EQ(printed, static_cast<int>(bytes.size() - lineFeeds)) << "characters before translation";
    }
}

TEST_F(Streams, ModesTruncateAppendAndKeepBinaryBytes) {
    write("out.txt", "an older, longer content");
    struct Case {
        const char* mode;
        std::string expected;
    };
    const Case cases[] = {{"wt", "1\r\n"}, {"at", "1\r\n1\r\n"}, {"w", "1\r\n"}, {"wb", "1\n"}, {"ab", "1\n1\n"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        void* stream = fileOpen(file("out.txt").c_str(), c.mode, 0x40, 0, -1, 0, 0, 0, 0);
        ASSERT_NE(stream, nullptr);
        streamPrintf(stream, "%d\n", 1);
        streamClose(stream);
        EXPECT_EQ(read("out.txt"), c.expected);
    }
}

TEST_F(Streams, OpensThatFailGiveNullAndTouchNothing) {
    EXPECT_EQ(fileOpen(file("no-such-folder/out.txt").c_str(), "wt", 0x40, 0, -1, 0, 0, 0, 0), nullptr);
    EXPECT_FALSE(std::filesystem::exists(folder() / "no-such-folder"));

    write("out.txt", "keep");
    hadrek::context().options.failAt = hadrek::context().failableCalls + 1;
    EXPECT_EQ(fileOpen(file("out.txt").c_str(), "wt", 0x40, 0, -1, 0, 0, 0, 0), nullptr);
    EXPECT_EQ(read("out.txt"), "keep");
    ASSERT_EQ(events("fault").size(), 1u);
    EXPECT_EQ(events("fault")[0]["service"], "52534");
    for (const auto& open : events("file")) EXPECT_EQ(open["result"], "null");

    void* stream = fileOpen(file("out.txt").c_str(), "wt", 0x40, 0, -1, 0, 0, 0, 0);
    ASSERT_NE(stream, nullptr) << "only the counted call fails";
    streamClose(stream);
    EXPECT_EQ(read("out.txt"), "");
}

TEST_F(Streams, TheLogHasOneOpenAndOneCloseWhateverIsPrinted) {
    void* stream = fileOpen(file("long.txt").c_str(), "wt", 0x40, 0, -1, 0, 0, 0, 0);
    for (int i = 0; i < 1000; ++i) streamPrintf(stream, "%d:%.2f\n", i, i / 100.0);
    streamClose(stream);
    const auto logged = events("file");
    ASSERT_EQ(logged.size(), 2u);
    EXPECT_EQ(logged[0]["action"], "open");
    EXPECT_EQ(logged[0]["path"], hadrek::platform::loggedPath(folder() / "long.txt"));
    EXPECT_EQ(logged[1]["action"], "close");
    EXPECT_EQ(logged[1]["stream"], logged[0]["stream"]);
    EXPECT_EQ(logged[1]["bytes"], std::filesystem::file_size(folder() / "long.txt"));
}

TEST_F(Streams, ATemporaryFileObjectHandsTheStreamBackOnce) {
    alignas(4) std::array<unsigned char, kz::kTempFileSize> object{};
    void* stream = fileOpen(file("out.txt").c_str(), "wt", 0x40, 0, -1, 0, 0, 0, 0);
    EXPECT_EQ(tempFileConstruct(object.data(), stream), object.data());
    EXPECT_EQ(tempFileTakeStream(object.data()), stream);
    EXPECT_EQ(tempFileTakeStream(object.data()), nullptr);
    tempFileDestroy(object.data());
    EXPECT_EQ(streamPrintf(stream, "x\n"), 2) << "the stream outlives the object";
    streamClose(stream);
    EXPECT_EQ(read("out.txt"), "x\r\n");

    tempFileConstruct(object.data(), nullptr);
    EXPECT_EQ(tempFileTakeStream(object.data()), nullptr) << "made from a failed open";
    tempFileDestroy(object.data());

    // A stream nobody took out is closed with the object, its bytes on disk.
    stream = fileOpen(file("left.txt").c_str(), "wt", 0x40, 0, -1, 0, 0, 0, 0);
    streamPrintf(stream, "y\n");
    tempFileConstruct(object.data(), stream);
    tempFileDestroy(object.data());
    EXPECT_EQ(read("left.txt"), "y\r\n");
}

// Death tests run the test again in a child process (under Wine always), so
// these keep to a folder that is made, never emptied, and keep no log.
TEST(StreamMisuse, ForeignOrClosedStreamsAndReadModesEndTheRun) {
    const std::string folder = "scenario/files-misuse";
    std::filesystem::create_directories(folder);
    const std::string path = folder + kPathSeparator + "out.txt";
    std::ofstream(path, std::ios::binary) << "keep";
    EXPECT_EXIT(fileOpen(path.c_str(), "rt", 0, 0, 0, 0, 0, 0, 0), ::testing::ExitedWithCode(71),
                "52534 was handed the mode \"rt\"");
    std::ifstream kept(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "keep");

    int foreign = 0;
    EXPECT_EXIT(streamPrintf(&foreign, "%d", 1), ::testing::ExitedWithCode(71), "52541 was handed a stream");
    void* stream = fileOpen(path.c_str(), "wt", 0x40, 0, -1, 0, 0, 0, 0);
    streamClose(stream);
    EXPECT_EXIT(streamPrintf(stream, "%d", 1), ::testing::ExitedWithCode(71), "52541 was handed a stream");
    EXPECT_EXIT(streamClose(stream), ::testing::ExitedWithCode(71), "52305 was handed a stream");
    alignas(4) std::array<unsigned char, kz::kTempFileSize> object{};
    EXPECT_EXIT(tempFileTakeStream(object.data()), ::testing::ExitedWithCode(71), "22567 was handed a temporary file");
}

TEST(PathServices, AppendAddsOneSeparator) {
    const std::string sep(1, kPathSeparator);
    struct Case {
        std::string path;
        std::string expected;
    };
    const Case cases[] = {
        {"C:" + sep + "eksport", "C:" + sep + "eksport" + sep + "DOWODY.Z00.TXT"},
        {"C:" + sep + "eksport" + sep, "C:" + sep + "eksport" + sep + "DOWODY.Z00.TXT"},
        {"eksport/", "eksport/DOWODY.Z00.TXT"},
        {"", "DOWODY.Z00.TXT"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        char buffer[300];
        std::snprintf(buffer, sizeof buffer, "%s", c.path.c_str());
        EXPECT_EQ(pathAppendName(buffer, "DOWODY.Z00.TXT"), buffer);
        EXPECT_EQ(std::string(buffer), c.expected);
    }
}

TEST(PathServices, BoundedCopyCutsAtTheLimitAndAlwaysEnds) {
    const std::string folder(300, 'k');
    struct Case {
        std::string source;
        int limit;
        std::string expected;
    };
    const Case cases[] = {
        {"111-222-33-44-55", 13, "111-222-33-44"},
        {"111-222-33-44", 13, "111-222-33-44"},
        {"1112223344", 13, "1112223344"},
        {"", 13, ""},
        {folder, 259, folder.substr(0, 259)},
        {folder.substr(0, 258), 259, folder.substr(0, 258)},
        {"abc", 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source.size());
        SCOPED_TRACE(c.limit);
        std::array<char, 400> buffer;
        buffer.fill('#');
        EXPECT_EQ(boundedCopy(buffer.data(), c.source.c_str(), c.limit), buffer.data());
        EXPECT_EQ(std::string(buffer.data()), c.expected);
        EXPECT_EQ(buffer[c.expected.size() + 1], '#') << "nothing written past the terminator";
    }
}

}  // namespace
