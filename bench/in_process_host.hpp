// The stand-in host inside a benchmark's own process: the real plug-in
// loaded through the host's loader and bound by ordinal as the launcher
// binds it, the purchase data put in use straight from memory, the host's
// log off, the dialogs answered from key scripts.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "host/data/purchase_data.hpp"
#include "host/launcher/plugin_module.hpp"

namespace bench {

struct CommandTimes {
    double whole = 0;  // seconds, the command from its call to its return
    // From the moment the script's last key was taken to the return: with
    // a script that ends on the key confirming the selection, the writing
    // step alone, free of the time dialogs take over keys.
    double afterKeys = 0;
};

class InProcessHost {
public:
    // Loads, attaches and activates the plug-in, with a fresh folder for
    // its INI file (first-run notice off); throws std::runtime_error when
    // the plug-in does not load or refuses the attach.
    explicit InProcessHost(const std::string& pluginPath);
    ~InProcessHost();
    InProcessHost(const InProcessHost&) = delete;
    InProcessHost& operator=(const InProcessHost&) = delete;

    // The run's own folder, removed at the end; also fit as the output folder.
    const std::filesystem::path& folder() const { return folder_.path; }

    // What the tables serve from now on; the host's key order is made here,
    // outside any measurement.
    void useData(hadrek::data::PurchaseData data);

    // The plug-in's INI file as the first run found it: no options saved.
    void forgetOptions();

    // Chooses the menu command once, its dialogs answered from `keys`.
    CommandTimes runCommand(const std::string& keys);

private:
    struct Folder {
        Folder();
        ~Folder();
        std::filesystem::path path;
    };
    Folder folder_;
    std::unique_ptr<hadrek::PluginModule> plugin_;
};

}  // namespace bench
