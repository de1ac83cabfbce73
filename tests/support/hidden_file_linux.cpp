#include "tests/support/hidden_file.hpp"

namespace kz::test {

void hideFile(const std::filesystem::path&) {}

}  // namespace kz::test
