#include "bench/in_process_host.hpp"

#include <stdlib.h>

#include <cstring>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <variant>

#include "bench/timing.hpp"
#include "host/core/context.hpp"
#include "host/data/data_in_use.hpp"
#include "host/registry/registry.hpp"
#include "host/toolkit/display.hpp"
#include "host/toolkit/screen/front_end.hpp"
#include "host/toolkit/screen/keys.hpp"
#include "plugin/interface/plugin_exports.hpp"

namespace bench {
namespace {

// The exports as the plug-in declares them: attach (with null arguments,
// detach) and activate.
using kz::ActivateExport;
using kz::AttachExport;
constexpr std::uint16_t kAttach = kz::ordinalOf(kz::PluginExport::Attach);
constexpr std::uint16_t kActivate = kz::ordinalOf(kz::PluginExport::Activate);

using kz::kDescriptionSize;

template <typename Fn>
Fn requireExport(const hadrek::PluginModule& plugin, std::uint16_t ordinal) {
    void* entry = plugin.exportByOrdinal(ordinal);
    if (!entry) throw std::runtime_error("the plug-in does not export ordinal " + std::to_string(ordinal));
    return reinterpret_cast<Fn>(entry);
}

// Keys from a script, nothing shown; notes when the last key is taken. It
// claims the screen as a person's terminal would, so the host does not echo
// each closed dialog to standard output, which carries the benchmark's own
// lines.
class QuietScript final : public hadrek::screen::FrontEnd {
public:
    explicit QuietScript(std::vector<hadrek::screen::Key> keys) : left_(keys.size()), script_(std::move(keys)) {}
    void present(const hadrek::screen::Screen& screen) override { script_.present(screen); }
    std::optional<hadrek::screen::Key> nextKey() override {
        auto key = script_.nextKey();
        if (key && --left_ == 0) lastKey_ = Stopwatch();
        return key;
    }
    bool interactive() const override { return true; }

    // Seconds since the last key was taken; 0 while keys are left.
    double sinceLastKey() const { return lastKey_ ? lastKey_->seconds() : 0; }

private:
    std::size_t left_;
    hadrek::screen::ScriptedFrontEnd script_;
    std::optional<Stopwatch> lastKey_;
};

std::unique_ptr<QuietScript> scriptedKeys(const std::string& keys) {
    auto parsed = hadrek::screen::parseKeyScript(keys);
    if (const auto* bad = std::get_if<hadrek::screen::ScriptError>(&parsed))
        throw std::runtime_error("the key script cannot be used: '" + bad->token + "'");
    return std::make_unique<QuietScript>(std::get<std::vector<hadrek::screen::Key>>(std::move(parsed)));
}

}  // namespace

InProcessHost::Folder::Folder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kz-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a folder for the run");
    path = pattern;
}

InProcessHost::Folder::~Folder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

InProcessHost::InProcessHost(const std::string& pluginPath) {
    hadrek::HostContext& host = hadrek::context();
    host.options.pluginPath = pluginPath;
    host.options.configDir = folder_.path.string();
    forgetOptions();
    // Whatever the plug-in shows before the first command closes at once.
    hadrek::toolkit::display().useFrontEnd(scriptedKeys(""));

    std::string error;
    plugin_ = hadrek::loadPlugin(pluginPath, error);
    if (!plugin_) throw std::runtime_error("cannot load " + pluginPath + ": " + error);
    char description[kDescriptionSize + 1] = {};
    if (requireExport<AttachExport>(*plugin_, kAttach)(&hadrek_notification, description) != 0)
        throw std::runtime_error("the plug-in refused the attach");
    requireExport<ActivateExport>(*plugin_, kActivate)(0);
    if (host.menu.empty()) throw std::runtime_error("the plug-in added no menu command");
}

InProcessHost::~InProcessHost() {
    requireExport<AttachExport>(*plugin_, kAttach)(nullptr, nullptr);
    plugin_.reset();
    hadrek::toolkit::display().useFrontEnd(nullptr);
}

void InProcessHost::forgetOptions() {
    std::ofstream(folder_.path / "KalvetZakupy.ini", std::ios::binary) << "[KalvetZakupy]\r\nPytaj=1\r\n";
}

void InProcessHost::useData(hadrek::data::PurchaseData data) { hadrek::data::usePurchaseData(std::move(data)); }

CommandTimes InProcessHost::runCommand(const std::string& keys) {
    hadrek::HostContext& host = hadrek::context();
    auto script = scriptedKeys(keys);
    const QuietScript& keysTaken = *script;
    hadrek::toolkit::display().useFrontEnd(std::move(script));
    const auto command = host.menu.front().command;
    const Stopwatch clock;
    command();
    const CommandTimes times{clock.seconds(), keysTaken.sinceLastKey()};
    hadrek::toolkit::display().useFrontEnd(scriptedKeys(""));
    return times;
}

}  // namespace bench
