// A file stream's bytes on their way to its file. A print is formatted
// straight into the free end of one buffer and its line ends translated
// there, so each byte is written once before the buffer goes to the file
// whole: when the next print would not fit, and at the close.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <ostream>
#include <vector>

namespace hadrek::services {

class StreamBuffer {
public:
    // `file` is written to only as a whole buffer at a time; `text` makes
    // every LF go out as CR LF, as on a Windows text stream.
    StreamBuffer(std::ostream& file, bool text);

    // The characters formatted, before the line ends were translated; -1
    // when the format could not be printed, or the file refused bytes, now
    // or at any earlier write.
    int print(const char* format, va_list arguments);
    // Hands the buffer to the file; false when the file refused it.
    bool flush();
    // Bytes handed on so far, after translation, whether or not the file
    // has them yet.
    unsigned long long bytes() const { return bytes_; }

private:
    int format(const char* format, va_list arguments);
    std::size_t translate(std::size_t length);
    bool bringToFront(std::size_t length, std::size_t room);

    std::ostream& file_;
    bool text_;
    std::vector<char> buffer_;
    std::size_t used_ = 0;
    unsigned long long bytes_ = 0;
    std::vector<std::size_t> lineEnds_;  // of the print being translated
};

}  // namespace hadrek::services
