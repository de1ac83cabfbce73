#include "plugin/frame/first_run_notice.hpp"

#include "plugin/export/wolaj_hosta.hpp"
#include "plugin/interface/host_signatures.hpp"
#include "plugin/interface/windows_api.hpp"
#include "plugin/resources/texts.hpp"

namespace kz {

void firstRunNotice() {
    const auto ini = wolajHosta<Slot::IniAccess>();
    std::int32_t flag = 0;
    if (static_cast<std::uint16_t>(ini(texts::kPlikIni.c_str(), kIniReadValue, texts::kSekcjaIni.c_str(),
                                       texts::kKluczPytaj.c_str(), texts::kFormatPytaj.c_str(), &flag)) != 0)
        flag = 0;
    else
        slad::odczytLiczby("flag", flag);
    if (static_cast<std::uint16_t>(flag) != 0) return;

    char text[1024];
    wsprintfA(text, texts::kZainstalowanoWtyczke.c_str(), texts::kOpisWtyczki.c_str());
    wolajHosta<Slot::NoticeWithFlag>()(kFirstRunNoticeKind, &flag, 0, text);
    slad::odczytLiczby("flag", flag);
    ini(texts::kPlikIni.c_str(), kIniWriteValue, texts::kSekcjaIni.c_str(), texts::kKluczPytaj.c_str(),
        texts::kFormatPytaj.c_str(), static_cast<int>(static_cast<std::int16_t>(flag)));
}

}  // namespace kz
