#include "plugin/export/sciezki_katalogu.hpp"

namespace kz {

const char kSeparatorSciezki = '\\';

}  // namespace kz
