// The first-run notice against an INI read and a notice of fakes: flags
// and statuses a host keeps in more than the low 16 bits, which the INI
// file of a real run cannot tell apart.
#include <gtest/gtest.h>

#include <cstdarg>
#include <string>

#include "plugin/frame/first_run_notice.hpp"
#include "plugin/interface/host_signatures.hpp"

namespace {

using kz::Slot;

struct Fake {
    std::int32_t stored;  // what the read puts into the flag
    int readStatus;       // what the read answers
    bool ticks;           // the user ticks "do not show again": the host sets the low 16 bits to 1
    int shown = 0;
    std::string written;  // the value written back, "" when nothing was
} g_fake;

int KZ_CDECL iniAccess(const char*, int operation, const char*, const char*, const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    if (operation == kz::kIniReadValue)
        *va_arg(arguments, std::int32_t*) = g_fake.stored;
    else
        g_fake.written = std::to_string(va_arg(arguments, int));
    va_end(arguments);
    return operation == kz::kIniReadValue ? g_fake.readStatus : 0;
}

int KZ_CDECL notice(int, std::int32_t* flag, int, const char*) {
    ++g_fake.shown;
    if (g_fake.ticks) *flag = static_cast<std::int32_t>((static_cast<std::uint32_t>(*flag) & 0xFFFF0000u) | 1u);
    return 0;
}

TEST(FirstRunNotice, SkippedWhenTheFlagsLowSixteenBitsAreSetAndOnlyAfterAGoodRead) {
    const struct {
        const char* what;
        std::int32_t stored;
        int readStatus;
        bool ticked;
        bool shown;
        const char* written;
    } cases[] = {
        {"0", 0, 0, false, true, "0"},
        {"1", 1, 0, false, false, ""},
        {"2", 2, 0, false, false, ""},
        {"0x8000, negative as 16 bits", 0x8000, 0, false, false, ""},
        {"0x10001, 1 below the high bits", 0x10001, 0, false, false, ""},
        {"0x10000, high bits only", 0x10000, 0, false, true, "0"},
        {"-65536, high bits only", -65536, 0, false, true, "0"},
        {"high bits only, ticked: the low 16 bits are written", 0x10000, 0, true, true, "1"},
        {"1 from a failed read", 1, 5, false, true, "0"},
        {"1 from a read whose status has high bits only", 1, 0x10000, false, false, ""},
    };
    void*& read = kz_hostSlots[static_cast<unsigned>(Slot::IniAccess)];
    void*& show = kz_hostSlots[static_cast<unsigned>(Slot::NoticeWithFlag)];
    void* const keptRead = read;
    void* const keptShow = show;
    read = reinterpret_cast<void*>(&iniAccess);
    show = reinterpret_cast<void*>(&notice);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        g_fake = Fake{c.stored, c.readStatus, c.ticked};
        kz::firstRunNotice();
        EXPECT_EQ(g_fake.shown, c.shown ? 1 : 0);
        EXPECT_EQ(g_fake.written, c.written);
    }
    read = keptRead;
    show = keptShow;
}

}  // namespace
