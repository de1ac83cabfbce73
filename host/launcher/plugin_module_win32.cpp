#include <windows.h>

#include "host/core/utf8_path.hpp"
#include "host/launcher/plugin_module.hpp"

namespace hadrek {
namespace {

class PePlugin final : public PluginModule {
public:
    explicit PePlugin(HMODULE module) : module_(module) {}
    ~PePlugin() override { FreeLibrary(module_); }
    void* exportByOrdinal(std::uint16_t ordinal) const override {
        return reinterpret_cast<void*>(GetProcAddress(module_, MAKEINTRESOURCEA(ordinal)));
    }

private:
    HMODULE module_;
};

}  // namespace

std::unique_ptr<PluginModule> loadPlugin(const std::string& path, std::string& error) {
    HMODULE module = LoadLibraryW(utf8Path(path).c_str());
    if (!module) {
        error = "LoadLibrary failed with error " + std::to_string(GetLastError());
        return nullptr;
    }
    return std::make_unique<PePlugin>(module);
}

}  // namespace hadrek
