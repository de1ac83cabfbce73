// Small text helpers the suites share: the running case's name (for the
// folders and logs a run leaves) and screens as comparable text.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace kz::test {

inline std::string testName() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }

// Lines each ended by a line feed, so a mismatch prints as a readable diff.
inline std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

// The first line holding `needle`, or "" when none does.
inline std::string lineWith(const std::vector<std::string>& lines, std::string_view needle) {
    for (const std::string& line : lines)
        if (line.find(needle) != std::string::npos) return line;
    return {};
}

}  // namespace kz::test
