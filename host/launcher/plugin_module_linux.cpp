// ELF has no ordinals: the plug-in publishes one export directory under a
// single symbol, read here in place of GetProcAddress.
#include <dlfcn.h>

#include "host/launcher/plugin_module.hpp"
#include "plugin/interface/export_directory.hpp"

namespace hadrek {
namespace {

class ElfPlugin final : public PluginModule {
public:
    ElfPlugin(void* library, const kz::ExportDirectory* directory) : library_(library), directory_(directory) {}
    ~ElfPlugin() override { dlclose(library_); }
    void* exportByOrdinal(std::uint16_t ordinal) const override { return kz::exportByOrdinal(*directory_, ordinal); }

private:
    void* library_;
    const kz::ExportDirectory* directory_;
};

}  // namespace

std::unique_ptr<PluginModule> loadPlugin(const std::string& path, std::string& error) {
    // A bare file name would send dlopen to the system's search path.
    const std::string where = path.find('/') == std::string::npos ? "./" + path : path;
    void* library = dlopen(where.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        error = dlerror();
        return nullptr;
    }
    const auto* directory = static_cast<const kz::ExportDirectory*>(dlsym(library, "KZ_ExportDirectory"));
    if (!directory) {
        error = "no export directory (KZ_ExportDirectory) in " + path;
        dlclose(library);
        return nullptr;
    }
    return std::make_unique<ElfPlugin>(library, directory);
}

}  // namespace hadrek
