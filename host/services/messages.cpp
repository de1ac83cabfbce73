// Message boxes: the STOP box of the failure report, the first-run notice
// and the plain and formatted boxes. Texts arrive in Mazovia with mark-up.
#include <cstdarg>
#include <cstdio>

#include "host/core/context.hpp"
#include "host/services/services.hpp"
#include "host/toolkit/message_box.hpp"

namespace hadrek::services {
namespace {

// Large enough for the longest report the plug-in composes (3072 bytes).
std::string format(const char* format, va_list arguments) {
    char text[8192];
    std::vsnprintf(text, sizeof text, format ? format : "", arguments);
    return text;
}

}  // namespace

// 35802: (help number, caption, format, style, style, arguments).
int KZ_CDECL stopBox(int help, const char* caption, const char* format_, int style, int style2, ...) {
    va_list arguments;
    va_start(arguments, style2);
    const std::string text = format(format_, arguments);
    va_end(arguments);
    toolkit::showBox({"stop", caption ? caption : "", text, false, {{"help", help}, {"style", {style, style2}}}});
    return 0;
}

// 52023: a notice the user may tick "do not show again"; the tick sets the
// flag's low 16 bits to 1.
int KZ_CDECL noticeWithFlag(int kind, std::int32_t* flag, int zero, const char* text) {
    if (ReplayInput& replay = context().replay; replay.active && !replay.noticeFlags.empty()) {
        *flag = replay.noticeFlags.front();
        replay.noticeFlags.pop_front();
        context().log.write({{"event", "notice"}, {"kind", kind}, {"replayed", true}});
        return 0;
    }
    const auto outcome = toolkit::showBox({"notice", "", text ? text : "", true, {{"kind", kind}}});
    if (outcome.ticked) *flag = static_cast<std::int32_t>((static_cast<std::uint32_t>(*flag) & 0xFFFF0000u) | 1u);
    return 0;
}

// 52028: a box with a fixed text.
int KZ_CDECL messageBoxText(const char* caption, const char* text, int type) {
    toolkit::showBox({"message", caption ? caption : "", text ? text : "", false, {{"type", type}}});
    return 0;
}

// 52029: a box with a printf-style text.
int KZ_CDECL messageBoxFormat(const char* caption, const char* format_, int type, ...) {
    va_list arguments;
    va_start(arguments, type);
    const std::string text = format(format_, arguments);
    va_end(arguments);
    toolkit::showBox({"message", caption ? caption : "", text, false, {{"type", type}}});
    return 0;
}

}  // namespace hadrek::services
