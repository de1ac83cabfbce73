// Module and menu services.
#include <algorithm>
#include <cstring>

#include "host/core/context.hpp"
#include "host/services/services.hpp"
#include "host/text/mazovia.hpp"

namespace hadrek::services {
namespace {

// What a descriptor-writes host links its menu's descriptors with: a word
// no descriptor holds of itself.
constexpr std::uint32_t kMenuLink = 0x4C4E4B00;  // "\0KNL"

// The link a descriptor-writes host left in a command's descriptor must
// still be there when the command goes.
void checkLink(const MenuCommand& command) {
    if (!command.descriptor) return;
    std::uint32_t link;
    std::memcpy(&link, command.descriptor, sizeof link);
    if (link != command.link)
        misuse(kz::Slot::MenuRemoveCommand, "found the link it wrote into the menu command's descriptor changed");
}

}  // namespace

// 30018: accept a module; when refusing, explain into the buffer if given.
int KZ_CDECL moduleAcceptance(void* module, char* buffer, int size) {
    const auto& refusal = context().options.refuseModule;
    context().log.write({{"event", "service"},
                         {"ordinal", kz::ordinalOf(kz::Slot::ModuleAcceptance)},
                         {"buffer", buffer != nullptr},
                         {"result", refusal ? 1 : 0}});
    if (!refusal) return 0;
    if (buffer && size > 0) {
        const std::string text = text::fromUtf8(*refusal);
        const std::size_t length = std::min<std::size_t>(text.size(), static_cast<std::size_t>(size) - 1);
        std::memcpy(buffer, text.data(), length);
        buffer[length] = '\0';
    }
    return 1;
}

// 51594: the interface version this host speaks.
int KZ_CDECL interfaceVersion() {
    const int version = context().options.interfaceVersion;
    context().log.write(
        {{"event", "service"}, {"ordinal", kz::ordinalOf(kz::Slot::InterfaceVersion)}, {"result", version}});
    return version;
}

// 52081: add a command to the menu; the descriptor stays the plug-in's.
// Under descriptor-writes the host links it into its menu through its
// first word, as a host that chains the descriptors it keeps would.
int KZ_CDECL menuAddCommand(kz::MenuCommandDescriptor* descriptor) {
    HostContext& host = context();
    MenuCommand command{descriptor->commandId, descriptor->label ? descriptor->label : "", descriptor->command};
    host.log.write({{"event", "menu"},
                    {"action", "add"},
                    {"id", command.id},
                    {"label", text::toUtf8(command.label)},
                    {"fixed", descriptor->fixed},
                    {"zero", descriptor->zero},
                    {"last", descriptor->last}});
    if (hostVariant(HostVariant::DescriptorWrites)) {
        command.descriptor = descriptor;
        command.link = kMenuLink + static_cast<std::uint32_t>(host.menu.size());
        std::memcpy(descriptor, &command.link, sizeof command.link);
    }
    host.menu.push_back(std::move(command));
    return 0;
}

// 52082: remove a command by id.
int KZ_CDECL menuRemoveCommand(int commandId) {
    HostContext& host = context();
    const auto id = static_cast<std::uint16_t>(commandId);
    const auto found = std::find_if(host.menu.begin(), host.menu.end(), [&](const auto& c) { return c.id == id; });
    nlohmann::json event = {{"event", "menu"}, {"action", "remove"}, {"id", id}};
    if (found != host.menu.end()) {
        checkLink(*found);
        event["label"] = text::toUtf8(found->label);
        host.menu.erase(found);
    }
    host.log.write(event);
    return 0;
}

}  // namespace hadrek::services
