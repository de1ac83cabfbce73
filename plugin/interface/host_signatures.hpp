// How each host function the plug-in calls is called: argument list, result
// and calling convention. Free host functions are cdecl (the caller removes
// the arguments, so the variadic ones work alike); host member functions are
// thiscall. The stand-in host implements against the same declarations.
#pragma once

#include <cstddef>
#include <cstdint>

#include "plugin/interface/calling.hpp"
#include "plugin/interface/host_table.hpp"

namespace kz {

// Handed to 52081 and kept by the host while the library is loaded; the
// host may link it into its menu through it, so it is never read-only.
// Its first word is the host's own, passed unchanged; 52082 removes the
// command by its id.
inline constexpr std::uint32_t kMenuDescriptorFixed = 0x43080000;
inline constexpr std::uint16_t kMenuCommandId = 31042;
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

#define KZ_HOST_SIGNATURE(role, ...)   \
    template <>                        \
    struct HostSignature<Slot::role> { \
        using Fn = __VA_ARGS__;        \
    };

KZ_HOST_SIGNATURE(ModuleAcceptance, int(KZ_CDECL*)(void* module, char* buffer, int size))
KZ_HOST_SIGNATURE(StopBox,
                  int(KZ_CDECL*)(int help, const char* caption, const char* format, int style, int style2, ...))
KZ_HOST_SIGNATURE(InterfaceVersion, int(KZ_CDECL*)())
KZ_HOST_SIGNATURE(MenuAddCommand, int(KZ_CDECL*)(MenuCommandDescriptor* descriptor))
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
KZ_HOST_SIGNATURE(DialogRun,
                  int(KZ_CDECL*)(void* dialogObject, const void* templateBlock, int dialogId, void* dataBuffer, ...))
KZ_HOST_SIGNATURE(DialogDataExchange, int(KZ_CDECL*)(void* dataBuffer, int fieldsToBuffer))
KZ_HOST_SIGNATURE(DialogRedraw, int(KZ_CDECL*)(int, int, int))
KZ_HOST_SIGNATURE(ControlValue, std::uint16_t*(KZ_CDECL*)(int controlId))
KZ_HOST_SIGNATURE(FolderPicker, int(KZ_CDECL*)(const char* prompt, char* destination))

// Tables: open, prepare, keys and cursors over key ranges.
KZ_HOST_SIGNATURE(TablePrepare, int(KZ_CDECL*)(void* table, int value))
KZ_HOST_SIGNATURE(KeyBuild, void(KZ_CDECL*)(int keyKind, void** tableVariable, void* keyBuffer, std::int32_t keyValue))
KZ_HOST_SIGNATURE(LineKeyKind, int(KZ_CDECL*)(int documentType))
KZ_HOST_SIGNATURE(CursorStartRange, int(KZ_CDECL*)(void* cursor, void* table, int keyKind, void* keyBuffer, int, int))
KZ_HOST_SIGNATURE(CursorNext, int(KZ_CDECL*)(void* cursor))
KZ_HOST_SIGNATURE(CursorEndRange, int(KZ_CDECL*)(void* cursor))
KZ_HOST_SIGNATURE(CursorDestroy, void(KZ_THISCALL*)(void* cursor))

// Dates in the host's record form; option dates are texts RRRRMMDD.
KZ_HOST_SIGNATURE(DateCompare, int(KZ_CDECL*)(const void* recordDate, const char* optionDate))
KZ_HOST_SIGNATURE(DateSplit, void(KZ_CDECL*)(const void* recordDate, std::int16_t* year, std::int16_t* month,
                                             std::int16_t* day, void* unused))
KZ_HOST_SIGNATURE(DateToText, void(KZ_CDECL*)(char* destination, const void* recordDate))

// Texts and amounts.
KZ_HOST_SIGNATURE(CaseFold, char*(KZ_CDECL*)(char* text))
KZ_HOST_SIGNATURE(BoundedCopy, char*(KZ_CDECL*)(char* destination, const char* source, int limit))
KZ_HOST_SIGNATURE(PathAppendName, char*(KZ_CDECL*)(char* path, const char* name))
KZ_HOST_SIGNATURE(LineRateConversion, double(KZ_CDECL*)(int one, int rateKind, double amount))
KZ_HOST_SIGNATURE(AmountRound, double(KZ_CDECL*)(double amount, int hundred))
KZ_HOST_SIGNATURE(RateCodeText, void(KZ_CDECL*)(char* buffer, int rateKind))

// Streams, the temporary file object and the directory search object.
KZ_HOST_SIGNATURE(FileOpen, void*(KZ_CDECL*)(const char* path, const char* mode, int, int, int, int, int, int, int))
KZ_HOST_SIGNATURE(StreamPrintf, int(KZ_CDECL*)(void* stream, const char* format, ...))
KZ_HOST_SIGNATURE(StreamClose, int(KZ_CDECL*)(void* stream))
KZ_HOST_SIGNATURE(TempFileConstruct, void*(KZ_THISCALL*)(void* self, void* stream))
KZ_HOST_SIGNATURE(TempFileTakeStream, void*(KZ_THISCALL*)(void* self))
KZ_HOST_SIGNATURE(TempFileDestroy, void(KZ_THISCALL*)(void* self))
KZ_HOST_SIGNATURE(DirSearchConstruct, void*(KZ_THISCALL*)(void* self))
KZ_HOST_SIGNATURE(DirSearchDestroy, void(KZ_THISCALL*)(void* self))
KZ_HOST_SIGNATURE(DirSearchFirst, int(KZ_CDECL*)(const char* pattern, void* search, int attributes))
KZ_HOST_SIGNATURE(DirSearchNext, int(KZ_CDECL*)(void* search))
KZ_HOST_SIGNATURE(DirSearchEnd, int(KZ_CDECL*)(void* search))

#undef KZ_HOST_SIGNATURE

// The interface version (51594) this plug-in was made for; a host that
// answers another is refused.
inline constexpr int kInterfaceVersion = 112;

// The stop box (35802) the failure report shows: its help number and its
// two style words.
inline constexpr int kStopBoxHelp = 15000;
inline constexpr int kStopBoxStyle = 61441;
inline constexpr int kStopBoxStyle2 = 28206;

// The failure report's buffer, handed with its size to 30018 for the
// host's own explanation.
inline constexpr int kReportBufferSize = 3072;

// The box type of every message box (52028, 52029) an export run shows.
inline constexpr int kOknoKomunikatu = 1;

// What 41399 does with the key: read or write one value in the given
// format, or a record of texts, one per conversion of the format.
enum IniOperation : int {
    kIniReadValue = 1,
    kIniWriteValue = 2,
    kIniReadRecord = 8,
    kIniWriteRecord = 9,
};

// The one conversion 52289 is asked for: a net amount to gross.
inline constexpr int kRateConversionNetToGross = 1;
// The unit 52179 rounds ten-thousandths to: whole hundredths.
inline constexpr int kRoundToHundredths = 100;

// The one redraw request (52034) there is: the running dialog drawn again
// whole, after a handler changed its fields or rows.
struct RedrawRequest {
    int window;
    int flags;
    int now;
};
inline constexpr RedrawRequest kRedrawRunningDialog{0, 0x8000, 1};

// Which way 52040 copies: the running dialog's edit fields into their
// buffer slots, or the slots back into the fields.
inline constexpr int kFieldsToBuffer = 1;
inline constexpr int kBufferToFields = 0;

// The folder picker (50525) writes at most this many bytes, the NUL included.
inline constexpr int kFolderPickerCapacity = 260;

// The display buffer 32008 fills with a record date's text, the NUL included.
inline constexpr std::size_t kDateTextSize = 13;

// The host's own words 52534 takes after the path and the mode: sharing,
// 0, then the buffering left to it, and four zeros.
inline constexpr int kFileOpenSharing = 0x40;
inline constexpr int kFileOpenBuffering = -1;

// The kind of notice (52023) the first run shows.
inline constexpr int kFirstRunNoticeKind = 1668;

// Host objects that the host constructs in its caller's memory: a delegate
// (the host's vtable pointer and three words of its own), a temporary file
// object holding a stream, and a directory search object holding, after
// each entry found, that entry's NUL-terminated file name at
// kDirSearchName. The sizes are this stand-in's; the real host's objects
// may be larger, so the plug-in gives each of them kHostObjectRoom.
inline constexpr unsigned kDelegateSize = 16;
inline constexpr unsigned kTempFileSize = 16;
inline constexpr unsigned kDirSearchSize = 300;
inline constexpr unsigned kDirSearchName = 36;
inline constexpr unsigned kDirSearchNameRoom = 260;
static_assert(kDirSearchName + kDirSearchNameRoom <= kDirSearchSize);
// The search is opened (40503) for plain files, attribute 0, and answers
// 0 when it opened; each step (40504) answers 0 while it yields an entry.
inline constexpr int kDirSearchPlainFiles = 0;
inline constexpr int kDirSearchOpened = 0;
inline constexpr int kDirSearchYielded = 0;
inline constexpr unsigned kHostObjectRoom = 1024;
static_assert(kHostObjectRoom >= kDelegateSize && kHostObjectRoom >= kTempFileSize &&
              kHostObjectRoom >= kDirSearchSize);

// Storage for one such object; zeroed, so a field the host leaves alone
// reads as empty.
struct HostObjectStorage {
    alignas(8) unsigned char bytes[kHostObjectRoom] = {};
};

// Entry 1 of a delegate's table gives the value the dialog runner takes.
inline constexpr unsigned kDelegateValueEntry = 1;
using DelegateValueFn = void*(KZ_THISCALL*)(void* delegate);

// What 52305 answers when a stream could not be closed whole: the C
// library's EOF. Any other answer is a good close (some hosts answer 1, or
// leave whatever their close left behind).
inline constexpr int kStreamCloseFailed = -1;

// The buffer 52512 writes a rate kind's text into.
inline constexpr unsigned kRateTextSize = 256;

template <Slot S>
typename HostSignature<S>::Fn host() {
    return hostFunction<typename HostSignature<S>::Fn>(S);
}

}  // namespace kz
