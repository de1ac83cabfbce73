#include "host/services/stream_buffer.hpp"

#include <cstdio>
#include <cstring>

namespace hadrek::services {
namespace {

// A larger buffer than the runtime's default keeps a long export from
// turning into one system call per line.
constexpr std::size_t kBufferSize = 64 * 1024;

}  // namespace

StreamBuffer::StreamBuffer(std::ostream& file, bool text) : file_(file), text_(text), buffer_(kBufferSize) {}

bool StreamBuffer::flush() {
    if (used_ > 0) file_.write(buffer_.data(), static_cast<std::streamsize>(used_));
    used_ = 0;
    return !file_.fail();
}

// Formats at the free end, the NUL included; a print longer than what is
// free is formatted again after the buffer went to the file, into a buffer
// grown to hold it if need be.
int StreamBuffer::format(const char* format, va_list arguments) {
    va_list again;
    va_copy(again, arguments);
    int length = std::vsnprintf(buffer_.data() + used_, buffer_.size() - used_, format, arguments);
    if (length >= 0 && static_cast<std::size_t>(length) >= buffer_.size() - used_) {
        if (!flush())
            length = -1;
        else {
            if (static_cast<std::size_t>(length) >= buffer_.size())
                buffer_.resize(static_cast<std::size_t>(length) + 1);
            length = std::vsnprintf(buffer_.data(), buffer_.size(), format, again);
        }
    }
    va_end(again);
    return length;
}

// Moves the print of `length` bytes at the free end to the buffer's start,
// after what came before it went to the file, with `room` bytes for it.
bool StreamBuffer::bringToFront(std::size_t length, std::size_t room) {
    const std::size_t at = used_;
    if (!flush()) return false;
    std::memmove(buffer_.data(), buffer_.data() + at, length);
    if (room > buffer_.size()) buffer_.resize(room);
    return true;
}

// Every LF of the print at the free end becomes CR LF, working from the
// last one back so each piece moves once; answers the print's new length,
// or 0 when the file refused the buffer that had to make room.
std::size_t StreamBuffer::translate(std::size_t length) {
    lineEnds_.clear();
    const char* print = buffer_.data() + used_;
    for (const char* lf = print;
         (lf = static_cast<const char*>(std::memchr(lf, '\n', static_cast<std::size_t>(print + length - lf)))); ++lf)
        lineEnds_.push_back(static_cast<std::size_t>(lf - print));
    const std::size_t translated = length + lineEnds_.size();
    if (used_ + translated > buffer_.size() && !bringToFront(length, translated)) return 0;
    char* text = buffer_.data() + used_;
    std::size_t end = length;
    for (std::size_t i = lineEnds_.size(); i-- > 0;) {
        const std::size_t lf = lineEnds_[i];
        std::memmove(text + lf + i + 2, text + lf + 1, end - lf - 1);
        text[lf + i] = '\r';
        text[lf + i + 1] = '\n';
        end = lf;
    }
    return translated;
}

int StreamBuffer::print(const char* text, va_list arguments) {
    if (file_.fail()) return -1;
    const int length = format(text, arguments);
    if (length <= 0) return length;
    const std::size_t formatted = static_cast<std::size_t>(length);
    const std::size_t handed = text_ ? translate(formatted) : formatted;
    if (handed == 0) return -1;
    used_ += handed;
    bytes_ += handed;
    return length;
}

}  // namespace hadrek::services
