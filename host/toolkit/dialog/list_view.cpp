#include "host/toolkit/dialog/list_view.hpp"

#include <algorithm>

#include "host/toolkit/screen/keys.hpp"

namespace hadrek::toolkit {

void ListView::setCount(int count) {
    count_ = std::clamp(count, 0, 0xFFFF);
    clamp();
}

bool ListView::handle(std::uint16_t code) {
    namespace key = screen::key;
    int row = current_;
    switch (code) {
    case key::Up: --row; break;
    case key::Down: ++row; break;
    case key::PgUp: row -= height_; break;
    case key::PgDn: row += height_; break;
    case key::Home: row = 0; break;
    case key::End: row = count_ - 1; break;
    default: return false;
    }
    current_ = static_cast<std::uint16_t>(std::clamp(row, 0, std::max(0, count_ - 1)));
    clamp();
    return true;
}

void ListView::clamp() {
    if (count_ == 0) {
        current_ = 0;
        top_ = 0;
        return;
    }
    if (current_ >= count_) current_ = static_cast<std::uint16_t>(count_ - 1);
    if (current_ < top_) top_ = current_;
    if (current_ >= top_ + height_) top_ = current_ - height_ + 1;
    top_ = std::clamp(top_, 0, std::max(0, count_ - height_));
}

}  // namespace hadrek::toolkit
