// The host functions this host implements, by family; each family lives in
// its own translation unit. Ordinals not listed here answer with a clear
// error (see the registry).
#pragma once

#include <cstdint>

#include "plugin/interface/host_signatures.hpp"

namespace hadrek::services {

// Module and menu (module_menu.cpp).
int KZ_CDECL moduleAcceptance(void* module, char* buffer, int size);
int KZ_CDECL interfaceVersion();
int KZ_CDECL menuAddCommand(kz::MenuCommandDescriptor* descriptor);
int KZ_CDECL menuRemoveCommand(int commandId);

// Message boxes (messages.cpp).
int KZ_CDECL stopBox(int help, const char* caption, const char* format, int style, int style2, ...);
int KZ_CDECL noticeWithFlag(int kind, std::int32_t* flag, int zero, const char* text);
int KZ_CDECL messageBoxText(const char* caption, const char* text, int type);
int KZ_CDECL messageBoxFormat(const char* caption, const char* format, int type, ...);

// INI access (ini.cpp).
int KZ_CDECL iniAccess(const char* file, int operation, const char* section, const char* key, const char* format, ...);

// Tables (tables.cpp).
void* KZ_CDECL tableOpen(int table);
int KZ_CDECL tablePrepare(void* table, int value);
void KZ_CDECL keyBuild(int keyKind, void** tableVariable, void* keyBuffer, std::int32_t keyValue);
int KZ_CDECL lineKeyKind(int documentType);
int KZ_CDECL cursorStartRange(void* cursor, void* table, int keyKind, void* keyBuffer, int, int);
int KZ_CDECL cursorNext(void* cursor);
int KZ_CDECL cursorEndRange(void* cursor);
void KZ_THISCALL cursorDestroy(void* cursor);

// Dates (dates.cpp).
int KZ_CDECL dateCompare(const void* recordDate, const char* optionDate);
void KZ_CDECL dateSplit(const void* recordDate, std::int16_t* year, std::int16_t* month, std::int16_t* day, void*);
void KZ_CDECL dateToText(char* destination, const void* recordDate);

// Texts (texts.cpp).
char* KZ_CDECL caseFold(char* text);

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
// The table the base constructor installs.
const void* const* dialogBaseTable();

// File streams and the temporary file object (files.cpp).
void* KZ_CDECL fileOpen(const char* path, const char* mode, int, int, int, int, int, int, int);
int KZ_CDECL streamPrintf(void* stream, const char* format, ...);
int KZ_CDECL streamClose(void* stream);
void* KZ_THISCALL tempFileConstruct(void* self, void* stream);
void* KZ_THISCALL tempFileTakeStream(void* self);
void KZ_THISCALL tempFileDestroy(void* self);

// The directory search object (folder_search.cpp).
void* KZ_THISCALL dirSearchConstruct(void* self);
void KZ_THISCALL dirSearchDestroy(void* self);
int KZ_CDECL dirSearchFirst(const char* pattern, void* search, int attributes);
int KZ_CDECL dirSearchNext(void* search);
int KZ_CDECL dirSearchEnd(void* search);

// Paths and bounded copies (paths.cpp).
char* KZ_CDECL pathAppendName(char* path, const char* name);
char* KZ_CDECL boundedCopy(char* destination, const char* source, int limit);

// Amounts of document lines (amounts.cpp).
double KZ_CDECL lineRateConversion(int conversion, int rateKind, double amount);
double KZ_CDECL amountRound(double amount, int unit);
void KZ_CDECL rateCodeText(char* buffer, int rateKind);

}  // namespace hadrek::services

#define HADREK_SERVICES(X)                              \
    X(ModuleAcceptance, moduleAcceptance)               \
    X(InterfaceVersion, interfaceVersion)               \
    X(MenuAddCommand, menuAddCommand)                   \
    X(MenuRemoveCommand, menuRemoveCommand)             \
    X(StopBox, stopBox)                                 \
    X(NoticeWithFlag, noticeWithFlag)                   \
    X(MessageBoxText, messageBoxText)                   \
    X(MessageBoxFormat, messageBoxFormat)               \
    X(IniAccess, iniAccess)                             \
    X(TableOpen, tableOpen)                             \
    X(TablePrepare, tablePrepare)                       \
    X(KeyBuild, keyBuild)                               \
    X(LineKeyKind, lineKeyKind)                         \
    X(CursorStartRange, cursorStartRange)               \
    X(CursorNext, cursorNext)                           \
    X(CursorEndRange, cursorEndRange)                   \
    X(CursorDestroy, cursorDestroy)                     \
    X(DateCompare, dateCompare)                         \
    X(DateSplit, dateSplit)                             \
    X(DateToText, dateToText)                           \
    X(CaseFold, caseFold)                               \
    X(MemoryResize, memoryResize)                       \
    X(MemoryFree, memoryFree)                           \
    X(DialogBaseConstruct, dialogBaseConstruct)         \
    X(DialogBaseDestroy, dialogBaseDestroy)             \
    X(DialogRun, dialogRun)                             \
    X(DelegateMake, delegateMake)                       \
    X(DelegateDestroy, delegateDestroy)                 \
    X(DispatchOptions, dispatchOptions)                 \
    X(DispatchSelectionFirst, dispatchSelectionFirst)   \
    X(DispatchSelectionSecond, dispatchSelectionSecond) \
    X(DialogDataExchange, dialogDataExchange)           \
    X(DialogRedraw, dialogRedraw)                       \
    X(ControlValue, controlValue)                       \
    X(FolderPicker, folderPicker)                       \
    X(FileOpen, fileOpen)                               \
    X(StreamPrintf, streamPrintf)                       \
    X(StreamClose, streamClose)                         \
    X(TempFileConstruct, tempFileConstruct)             \
    X(TempFileTakeStream, tempFileTakeStream)           \
    X(TempFileDestroy, tempFileDestroy)                 \
    X(DirSearchConstruct, dirSearchConstruct)           \
    X(DirSearchDestroy, dirSearchDestroy)               \
    X(DirSearchFirst, dirSearchFirst)                   \
    X(DirSearchNext, dirSearchNext)                     \
    X(DirSearchEnd, dirSearchEnd)                       \
    X(PathAppendName, pathAppendName)                   \
    X(BoundedCopy, boundedCopy)                         \
    X(LineRateConversion, lineRateConversion)           \
    X(AmountRound, amountRound)                         \
    X(RateCodeText, rateCodeText)

namespace hadrek::services {

// The dialog base class's own methods, the inherited entries of
// dialog_base_entries.inc (dialog_base.cpp), which the registry binds from
// that list. All take two values; the toolkit calls the ones it names in
// DialogEntry and logs each call.
template <int Entry>
int KZ_THISCALL dialogBaseEntry(void* self, int a, int b);

}  // namespace hadrek::services
