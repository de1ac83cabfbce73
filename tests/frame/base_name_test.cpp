#include <gtest/gtest.h>

#include "plugin/frame/plugin_state.hpp"

namespace {

TEST(ModuleBaseName, AfterTheLastBackslashThenTheLastSlash) {
    struct Case {
        const char* fileName;
        const char* baseName;
    };
    const Case cases[] = {
        {"C:\\Program\\Wtyczki\\KalvetZakupy.dll", "KalvetZakupy.dll"},
        {"C:\\Program\\wtyczki/nowe/KalvetZakupy.dll", "KalvetZakupy.dll"},
        {"C:/Program\\KalvetZakupy.dll", "KalvetZakupy.dll"},
        {"/opt/host/libKalvetZakupy.so", "libKalvetZakupy.so"},
        {"KalvetZakupy.dll", "KalvetZakupy.dll"},
        {"C:\\Program\\", ""},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_STREQ(kz::moduleBaseName(c.fileName), c.baseName) << c.fileName;
}

}  // namespace
