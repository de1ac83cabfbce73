#include "plugin/frame/failure_report.hpp"

#include <cstdio>
#include <cstdlib>

#include "plugin/export/wolaj_hosta.hpp"
#include "plugin/frame/compatibility.hpp"
#include "plugin/frame/plugin_state.hpp"
#include "plugin/interface/host_signatures.hpp"
#include "plugin/interface/plugin_exports.hpp"
#include "plugin/interface/windows_api.hpp"
#include "plugin/resources/texts.hpp"

namespace kz {
namespace {

constexpr int kOrdinalListSize = 256;
// The longest list, every kept ordinal of five digits in place of its
// conversion, fits with its NUL: the list is never cut.
constexpr std::size_t kDigitsOfAnOrdinal = 5;
constexpr std::size_t kConversionOfAnOrdinal = 3;  // "%hu"
static_assert(texts::kFunkcjeONumerach.size() +
                  kKeptMissingOrdinals * (texts::kKolejnyNumer.size() - kConversionOfAnOrdinal + kDigitsOfAnOrdinal) <
              kOrdinalListSize);

int compareOrdinals(const void* a, const void* b) {
    return *static_cast<const std::uint16_t*>(a) - *static_cast<const std::uint16_t*>(b);
}

}  // namespace

int missingFunctionText(char* buffer) {
    buffer[0] = '\0';
    const MissingFunctions& missing = missingFunctions();
    if (missing.count == 0) return 0;

    char list[kOrdinalListSize];
    if (missing.count == 1) {
        std::snprintf(list, sizeof list, texts::kFunkcjeONumerze.c_str(), missing.ordinals[0]);
    } else {
        const unsigned kept = missing.count < kKeptMissingOrdinals ? missing.count : kKeptMissingOrdinals;
        std::uint16_t sorted[kKeptMissingOrdinals];
        for (unsigned i = 0; i < kept; ++i) sorted[i] = missing.ordinals[i];
        std::qsort(sorted, kept, sizeof sorted[0], compareOrdinals);
        int length = std::snprintf(list, sizeof list, "%s", texts::kFunkcjeONumerach.c_str());
        for (unsigned i = 0; i < kept; ++i)
            length += std::snprintf(list + length, sizeof list - length, texts::kKolejnyNumer.c_str(), sorted[i]);
        list[length - 1] = '\0';  // the comma after the last ordinal
    }
    std::snprintf(buffer, kReportBufferSize, texts::kBrakujaceFunkcje.c_str(), texts::kOpisWtyczki.c_str(), list,
                  missing.count == 1 ? texts::kJej.c_str() : texts::kIch.c_str());
    return static_cast<int>(missing.count);
}

int tableSizeText(char* buffer) {
    buffer[0] = '\0';
    const TableSizeEntry* entry = mismatchList();
    if (!entry) return 0;

    const char* baseName = pluginState().moduleBaseName;
    char* end = buffer + wsprintfA(buffer, texts::kNaglowekRozmiarow.c_str(), texts::kOpisWtyczki.c_str(), baseName);
    for (; entry; entry = entry->next) {
        char hostSize[16];
        if (entry->host == 0)
            wsprintfA(hostSize, "%s", texts::kBrak.c_str());
        else
            wsprintfA(hostSize, "%d", entry->host);
        end += wsprintfA(end, texts::kWierszRozmiaru.c_str(), entry->name, entry->expected, hostSize);
    }
    wsprintfA(end, texts::kStopkaRozmiarow.c_str(), baseName);
    return -1;
}

void failureReport() {
    const PluginState& state = pluginState();
    if (state.notification) state.notification(kNotificationReportWhat, kNotificationReportValue);

    // With the box itself missing there is no one to tell; the binder has
    // already recorded the gap.
    const auto show = wolajHosta<Slot::StopBox>();
    if (!show) return;
    auto showBuffer = [&](const char* buffer) {
        show(kStopBoxHelp, texts::kStop.c_str(), "%s", kStopBoxStyle, kStopBoxStyle2, buffer);
    };

    char report[kReportBufferSize];
    if (missingFunctionText(report) != 0) return showBuffer(report);
    if (tableSizeText(report) != 0) return showBuffer(report);

    const auto accept = wolajHosta<Slot::ModuleAcceptance>();
    if (accept && accept(state.module, report, kReportBufferSize) != 0) {
        report[kReportBufferSize - 1] = '\0';  // the host's text is not trusted to end
        return showBuffer(report);
    }
    if (checksRerun() == -1) {
        show(kStopBoxHelp, texts::kStop.c_str(), texts::kRozneWersje.c_str(), kStopBoxStyle, kStopBoxStyle2,
             state.moduleBaseName, state.moduleBaseName);
        return;
    }
    show(kStopBoxHelp, texts::kStop.c_str(), texts::kNiezainicjowany.c_str(), kStopBoxStyle, kStopBoxStyle2,
         state.moduleBaseName);
}

}  // namespace kz
