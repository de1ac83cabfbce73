// File streams and the temporary file object. A stream is the host's own
// object: the plug-in holds its address, and every service that is handed
// one looks it up before touching it, so a foreign or closed stream ends the
// run with an error instead of a write through a stray pointer.
#include <cstdarg>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <string_view>

#include "host/core/context.hpp"
#include "host/platform/file_paths.hpp"
#include "host/services/services.hpp"
#include "host/services/stream_buffer.hpp"

namespace hadrek::services {
namespace {

struct Stream {
    explicit Stream(bool text) : buffer(out, text) {}
    int number = 0;
    // Unbuffered: the stream's buffer is its only one.
    std::ofstream out;
    StreamBuffer buffer;
    bool printFailed = false;
};

struct Streams {
    std::map<const void*, std::unique_ptr<Stream>> open;
    int opened = 0;
};

Streams& streams() {
    static Streams instance;
    return instance;
}

Stream& openStream(const void* stream, kz::Slot service) {
    auto& open = streams().open;
    const auto found = open.find(stream);
    if (found == open.end()) misuse(service, "was handed a stream this host did not open (or closed already)");
    return *found->second;
}

// Modes of the C runtime that write: "w" creates or truncates, "a" appends;
// "t" or nothing is text, "b" binary. The host writes only.
struct Mode {
    std::ios::openmode open;
    bool text;
};

std::optional<Mode> parseMode(std::string_view mode) {
    if (mode.empty() || (mode[0] != 'w' && mode[0] != 'a')) return std::nullopt;
    const auto rest = mode.substr(1);
    if (rest.size() > 1 || (rest.size() == 1 && rest != "t" && rest != "b")) return std::nullopt;
    const auto open = std::ios::out | std::ios::binary | (mode[0] == 'w' ? std::ios::trunc : std::ios::app);
    return Mode{open, rest != "b"};
}

// Logged once per stream: after a real write error every later print fails
// as well.
int printFailed(Stream& stream) {
    if (!stream.printFailed)
        context().log.write({{"event", "file"}, {"action", "print"}, {"stream", stream.number}, {"result", "error"}});
    stream.printFailed = true;
    return -1;
}

// `failing` makes a close that flushed its bytes answer as one that could
// not (--fail-at).
bool closeStream(const void* address, bool failing = false) {
    auto& open = streams().open;
    const auto found = open.find(address);
    Stream& stream = *found->second;
    const bool flushed = stream.buffer.flush();
    stream.out.close();
    const bool closed = flushed && !stream.out.fail() && !failing;
    nlohmann::json event = {
        {"event", "file"}, {"action", "close"}, {"stream", stream.number}, {"bytes", stream.buffer.bytes()}};
    if (!closed) event["result"] = "error";
    context().log.write(event);
    open.erase(found);
    return closed;
}

// The temporary file object keeps its stream beside the caller's bytes;
// null when the open it was made from failed, or once the stream was taken.
std::map<const void*, const void*>& temporaryFiles() {
    static std::map<const void*, const void*> live;
    return live;
}

std::map<const void*, const void*>::iterator temporaryFile(const void* self, kz::Slot service) {
    auto& live = temporaryFiles();
    const auto found = live.find(self);
    if (found == live.end()) misuse(service, "was handed a temporary file object this host did not make");
    return found;
}

}  // namespace

// 52534: (path, mode, sharing and buffering words the host keeps to
// itself) open a file for writing; the stream, or null.
void* KZ_CDECL fileOpen(const char* path, const char* mode, int, int, int, int, int, int, int) {
    if (!path || !mode) misuse(kz::Slot::FileOpen, "was handed a null path or mode");
    const auto parsed = parseMode(mode);
    if (!parsed)
        misuse(kz::Slot::FileOpen,
               std::string("was handed the mode \"") + mode + "\"; this host opens files for writing only");
    const std::filesystem::path where = platform::fileSystemPath(path);
    nlohmann::json event = {
        {"event", "file"}, {"action", "open"}, {"path", platform::loggedPath(where)}, {"mode", mode}};

    auto stream = std::make_unique<Stream>(parsed->text);
    if (!injectFault(kz::Slot::FileOpen)) {
        stream->out.rdbuf()->pubsetbuf(nullptr, 0);
        stream->out.open(where, parsed->open);
    }
    if (!stream->out.is_open()) {
        event["result"] = "null";
        context().log.write(event);
        return nullptr;
    }
    Streams& all = streams();
    stream->number = ++all.opened;
    event["stream"] = stream->number;
    event["result"] = "ok";
    context().log.write(event);
    void* address = stream.get();
    all.open.emplace(address, std::move(stream));
    return address;
}

// 52541: (stream, format, values) printf into the stream; the characters
// written before line end translation (0 under print-answers-zero),
// negative when it failed.
int KZ_CDECL streamPrintf(void* address, const char* text, ...) {
    Stream& stream = openStream(address, kz::Slot::StreamPrintf);
    if (!text) misuse(kz::Slot::StreamPrintf, "was handed a null format");
    // A print the fault countdown fails writes nothing.
    if (injectFault(kz::Slot::StreamPrintf)) return printFailed(stream);
    va_list arguments;
    va_start(arguments, text);
    const int printed = stream.buffer.print(text, arguments);
    va_end(arguments);
    if (printed < 0) return printFailed(stream);
    return hostVariant(HostVariant::PrintAnswersZero) ? 0 : printed;
}

// 52305: close a stream; 0 (1 under close-answers-one), or -1 when its
// last bytes could not be written.
int KZ_CDECL streamClose(void* address) {
    openStream(address, kz::Slot::StreamClose);
    if (!closeStream(address, injectFault(kz::Slot::StreamClose))) return -1;
    return hostVariant(HostVariant::CloseAnswersOne) ? 1 : 0;
}

// 22562: make a temporary file object on the caller's storage, holding the
// stream of an open (null when that open failed).
void* KZ_THISCALL tempFileConstruct(void* self, void* stream) {
    if (stream) openStream(stream, kz::Slot::TempFileConstruct);
    std::memset(self, 0, kz::kTempFileSize);
    widenObject(self, kz::kTempFileSize);
    if (!temporaryFiles().emplace(self, stream).second)
        misuse(kz::Slot::TempFileConstruct, "made a temporary file object over one that was never destroyed");
    return self;
}

// 22567: take the stream out of the object; null when it holds none.
void* KZ_THISCALL tempFileTakeStream(void* self) {
    const auto found = temporaryFile(self, kz::Slot::TempFileTakeStream);
    const void* stream = found->second;
    found->second = nullptr;
    return const_cast<void*>(stream);
}

// 22563: destroy the object. A stream nobody took out dies with it.
void KZ_THISCALL tempFileDestroy(void* self) {
    const auto found = temporaryFile(self, kz::Slot::TempFileDestroy);
    checkWideObject(self, kz::kTempFileSize, kz::Slot::TempFileDestroy);
    if (found->second && streams().open.count(found->second)) closeStream(found->second);
    temporaryFiles().erase(found);
}

}  // namespace hadrek::services
