#include <windows.h>

#include <process.h>

#include "tests/support/process.hpp"

namespace kz::test {
namespace {

// The child's runtime splits its command line again: quote as it expects.
std::wstring quoted(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) return argument;
    std::wstring text = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        text.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        text += c;
    }
    text.append(backslashes * 2, L'\\');
    return text + L"\"";
}

// Arguments are UTF-8, as on Linux; the child gets them as UTF-16.
std::wstring wide(const std::string& utf8) {
    const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), size);
    return text;
}

}  // namespace

int runProgram(const std::string& program, const std::vector<std::string>& arguments) {
    std::vector<std::wstring> words{quoted(wide(program))};
    for (const std::string& argument : arguments) words.push_back(quoted(wide(argument)));
    std::vector<const wchar_t*> argv;
    for (const std::wstring& word : words) argv.push_back(word.c_str());
    argv.push_back(nullptr);
    return static_cast<int>(_wspawnv(_P_WAIT, wide(program).c_str(), argv.data()));
}

}  // namespace kz::test
