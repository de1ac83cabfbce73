// The plug-in's INI file as a scenario starts from: the first-run notice
// already answered and the options key holding the given fields, in the
// key's order (the identifier field sixth, left empty).
#pragma once

#include <string>

namespace kz::test {

struct OptionsKey {
    std::string from;
    std::string to;
    std::string branch;
    std::string folder;
};

inline std::string optionsIni(const OptionsKey& o) {
    return "[KalvetZakupy]\r\nPytaj=1\r\nOpcje=\"" + o.from + "\",\"" + o.to + "\",\"\",\"\",\"\",\"\",\"" + o.branch +
           "\",\"" + o.folder + "\"\r\n";
}

}  // namespace kz::test
