// How each host function the plug-in calls is called: argument list, result
// and calling convention. Free host functions are cdecl (the caller removes
// the arguments, so the variadic ones work alike); host member functions are
// thiscall. The stand-in host implements against the same declarations.
#pragma once

#include <cstddef>
#include <cstdint>

#include "plugin/frame/calling.hpp"
#include "plugin/frame/host_table.hpp"

namespace kz {

// Handed to 52081 and kept by the host while the library is loaded.
struct MenuCommandDescriptor {
    std::uint32_t fixed;  // 0x43080000, the host's own
    const char* label;
    std::uint16_t commandId;
    std::uint16_t zero;
    int(KZ_CDECL* command)();
    std::uint32_t last;
};
static_assert(sizeof(MenuCommandDescriptor) == 20);
static_assert(offsetof(MenuCommandDescriptor, label) == 4);
static_assert(offsetof(MenuCommandDescriptor, commandId) == 8);
static_assert(offsetof(MenuCommandDescriptor, command) == 12);
static_assert(offsetof(MenuCommandDescriptor, last) == 16);

// What 52256 hands out; the plug-in reads it only at these offsets.
inline constexpr unsigned kTableHandleRecordSize = 6;  // signed 16 bits
inline constexpr unsigned kTableHandleRecord = 8;      // pointer to the record buffer

template <Slot>
struct HostSignature;

#define KZ_HOST_SIGNATURE(role, ...)       \
    template <>                            \
    struct HostSignature<Slot::role> {     \
        using Fn = __VA_ARGS__;            \
    };

KZ_HOST_SIGNATURE(ModuleAcceptance, int(KZ_CDECL*)(void* module, char* buffer, int size))
KZ_HOST_SIGNATURE(StopBox, int(KZ_CDECL*)(int help, const char* caption, const char* format, int style, int style2, ...))
KZ_HOST_SIGNATURE(InterfaceVersion, int(KZ_CDECL*)())
KZ_HOST_SIGNATURE(MenuAddCommand, int(KZ_CDECL*)(const MenuCommandDescriptor* descriptor))
KZ_HOST_SIGNATURE(MenuRemoveCommand, int(KZ_CDECL*)(int commandId))
KZ_HOST_SIGNATURE(NoticeWithFlag, int(KZ_CDECL*)(int kind, std::int32_t* flag, int zero, const char* text))
KZ_HOST_SIGNATURE(MessageBoxText, int(KZ_CDECL*)(const char* caption, const char* text, int type))
KZ_HOST_SIGNATURE(MessageBoxFormat, int(KZ_CDECL*)(const char* caption, const char* format, int type, ...))
// Operations 1/2 serve plain values, 8/9 a record of texts; 16-bit status, 0 = done.
KZ_HOST_SIGNATURE(IniAccess, int(KZ_CDECL*)(const char* file, int operation, const char* section, const char* key,
                                             const char* format, ...))
KZ_HOST_SIGNATURE(TableOpen, void*(KZ_CDECL*)(int table))
KZ_HOST_SIGNATURE(MemoryResize, void*(KZ_CDECL*)(void* block, std::uint32_t size))
KZ_HOST_SIGNATURE(MemoryFree, void(KZ_CDECL*)(void* block))
KZ_HOST_SIGNATURE(DialogBaseConstruct, void*(KZ_THISCALL*)(void* self))
KZ_HOST_SIGNATURE(DialogBaseDestroy, void(KZ_THISCALL*)(void* self))
KZ_HOST_SIGNATURE(DelegateMake, void*(KZ_THISCALL*)(void* storage, void* dialogObject, void* dispatch))
KZ_HOST_SIGNATURE(DelegateDestroy, void(KZ_THISCALL*)(void* storage))
// Variadic: one value per delegate follows the data buffer. 16-bit result.
KZ_HOST_SIGNATURE(DialogRun, int(KZ_CDECL*)(void* dialogObject, const void* templateBlock, int dialogId,
                                            void* dataBuffer, ...))
KZ_HOST_SIGNATURE(DialogDataExchange, int(KZ_CDECL*)(void* dataBuffer, int fieldsToBuffer))
KZ_HOST_SIGNATURE(DialogRedraw, int(KZ_CDECL*)(int, int, int))
KZ_HOST_SIGNATURE(ControlValue, std::uint16_t*(KZ_CDECL*)(int controlId))
KZ_HOST_SIGNATURE(FolderPicker, int(KZ_CDECL*)(const char* prompt, char* destination))

#undef KZ_HOST_SIGNATURE

// A delegate lives in storage of its maker: the host's vtable pointer and
// three words of its own.
inline constexpr unsigned kDelegateSize = 16;
// Entry 1 of a delegate's table gives the value the dialog runner takes.
using DelegateValueFn = void*(KZ_THISCALL*)(void* delegate);

template <Slot S>
typename HostSignature<S>::Fn host() {
    return hostFunction<typename HostSignature<S>::Fn>(S);
}

}  // namespace kz
