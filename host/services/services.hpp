// The host functions this host implements, by family; each family lives in
// its own translation unit. Ordinals not listed here answer with a clear
// error (see the registry).
#pragma once

#include <cstdint>

#include "plugin/frame/host_signatures.hpp"

namespace hadrek::services {

// Module and menu (module_menu.cpp).
int KZ_CDECL moduleAcceptance(void* module, char* buffer, int size);
int KZ_CDECL interfaceVersion();
int KZ_CDECL menuAddCommand(const kz::MenuCommandDescriptor* descriptor);
int KZ_CDECL menuRemoveCommand(int commandId);

// Message boxes (messages.cpp).
int KZ_CDECL stopBox(int help, const char* caption, const char* format, int style, int style2, ...);
int KZ_CDECL noticeWithFlag(int kind, std::int32_t* flag, int zero, const char* text);
int KZ_CDECL messageBoxText(const char* caption, const char* text, int type);
int KZ_CDECL messageBoxFormat(const char* caption, const char* format, int type, ...);

// INI access (ini.cpp).
int KZ_CDECL iniAccess(const char* file, int operation, const char* section, const char* key, const char* format,
                       ...);

// Tables (tables.cpp).
void* KZ_CDECL tableOpen(int table);

// Memory (memory.cpp).
void* KZ_CDECL memoryResize(void* block, std::uint32_t size);
void KZ_CDECL memoryFree(void* block);

// Dialogs (dialogs.cpp).
int KZ_CDECL dialogRun(void* object, const void* block, int id, void* buffer, ...);
void* KZ_THISCALL delegateMake(void* storage, void* dialogObject, void* dispatch);
void KZ_THISCALL delegateDestroy(void* storage);
std::intptr_t KZ_CDECL dispatchOptions(void* object, int code, int phase);
std::intptr_t KZ_CDECL dispatchSelectionFirst(void* object, int code, int phase);
std::intptr_t KZ_CDECL dispatchSelectionSecond(void* object, int row, int unused);
int KZ_CDECL dialogDataExchange(void* buffer, int fieldsToBuffer);
int KZ_CDECL dialogRedraw(int, int, int);
std::uint16_t* KZ_CDECL controlValue(int id);
int KZ_CDECL folderPicker(const char* prompt, char* destination);

// The dialog base class (dialog_base.cpp).
void* KZ_THISCALL dialogBaseConstruct(void* self);
void KZ_THISCALL dialogBaseDestroy(void* self);

}  // namespace hadrek::services

#define HADREK_SERVICES(X)                      \
    X(ModuleAcceptance, moduleAcceptance)       \
    X(InterfaceVersion, interfaceVersion)       \
    X(MenuAddCommand, menuAddCommand)           \
    X(MenuRemoveCommand, menuRemoveCommand)     \
    X(StopBox, stopBox)                         \
    X(NoticeWithFlag, noticeWithFlag)           \
    X(MessageBoxText, messageBoxText)           \
    X(MessageBoxFormat, messageBoxFormat)       \
    X(IniAccess, iniAccess)                     \
    X(TableOpen, tableOpen)                     \
    X(MemoryResize, memoryResize)               \
    X(MemoryFree, memoryFree)                   \
    X(DialogBaseConstruct, dialogBaseConstruct) \
    X(DialogBaseDestroy, dialogBaseDestroy)   \
    X(DialogRun, dialogRun)                   \
    X(DelegateMake, delegateMake)             \
    X(DelegateDestroy, delegateDestroy)       \
    X(DispatchOptions, dispatchOptions)       \
    X(DispatchSelectionFirst, dispatchSelectionFirst) \
    X(DispatchSelectionSecond, dispatchSelectionSecond) \
    X(DialogDataExchange, dialogDataExchange) \
    X(DialogRedraw, dialogRedraw)             \
    X(ControlValue, controlValue)             \
    X(FolderPicker, folderPicker)             \
    X(DialogBaseEntry3, dialogBaseEntry<3>) \
    X(DialogBaseEntry4, dialogBaseEntry<4>) \
    X(DialogBaseEntry5, dialogBaseEntry<5>) \
    X(DialogBaseEntry6, dialogBaseEntry<6>) \
    X(DialogBaseEntry7, dialogBaseEntry<7>) \
    X(DialogBaseEntry8, dialogBaseEntry<8>) \
    X(DialogBaseEntry9, dialogBaseEntry<9>) \
    X(DialogBaseEntry10, dialogBaseEntry<10>) \
    X(DialogBaseEntry11, dialogBaseEntry<11>) \
    X(DialogBaseEntry13, dialogBaseEntry<13>) \
    X(DialogBaseEntry14, dialogBaseEntry<14>) \
    X(DialogBaseEntry15, dialogBaseEntry<15>) \
    X(DialogBaseEntry16, dialogBaseEntry<16>) \
    X(DialogBaseEntry17, dialogBaseEntry<17>) \
    X(DialogBaseEntry18, dialogBaseEntry<18>) \
    X(DialogBaseEntry19, dialogBaseEntry<19>) \
    X(DialogBaseEntry20, dialogBaseEntry<20>) \
    X(DialogBaseEntry21, dialogBaseEntry<21>) \
    X(DialogBaseEntry22, dialogBaseEntry<22>) \
    X(DialogBaseEntry23, dialogBaseEntry<23>) \
    X(DialogBaseEntry24, dialogBaseEntry<24>) \
    X(DialogBaseEntry25, dialogBaseEntry<25>) \
    X(DialogBaseEntry26, dialogBaseEntry<26>) \
    X(DialogBaseEntry27, dialogBaseEntry<27>) \
    X(DialogBaseEntry28, dialogBaseEntry<28>) \
    X(DialogBaseEntry29, dialogBaseEntry<29>) \
    X(DialogBaseEntry30, dialogBaseEntry<30>) \
    X(DialogBaseEntry31, dialogBaseEntry<31>) \
    X(DialogBaseEntry32, dialogBaseEntry<32>) \
    X(DialogBaseEntry33, dialogBaseEntry<33>) \
    X(DialogBaseEntry34, dialogBaseEntry<34>)

namespace hadrek::services {

// The dialog base class's own methods, entries 3-11 and 13-34 of its table
// (dialog_base.cpp). All take two values; the toolkit calls the ones it
// names in DialogEntry and logs each call.
template <int Entry>
int KZ_THISCALL dialogBaseEntry(void* self, int a, int b);

}  // namespace hadrek::services
