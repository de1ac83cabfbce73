// hadrek.exe: the stand-in accounting host. The command line is read as
// UTF-16 and handed on as UTF-8, so paths and texts with Polish letters
// arrive whole whatever the ANSI code page is.
#include <windows.h>

#include <string>
#include <vector>

#include "host/launcher/host_entry.hpp"

namespace {

std::string utf8(const wchar_t* wide) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return {};
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), size, nullptr, nullptr);
    text.pop_back();
    return text;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> arguments;
    for (int i = 0; i < argc; ++i) arguments.push_back(utf8(argv[i]));
    std::vector<char*> pointers;
    for (std::string& argument : arguments) pointers.push_back(argument.data());
    pointers.push_back(nullptr);
    return hadrek_main(argc, pointers.data());
}
