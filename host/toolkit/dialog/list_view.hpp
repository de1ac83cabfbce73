// The list control's position: a 16-bit current row the plug-in can read
// through 52033, and the first row shown.
#pragma once

#include <cstdint>

namespace hadrek::toolkit {

class ListView {
public:
    explicit ListView(int height) : height_(height < 1 ? 1 : height) {}

    // The row count comes from the row text provider; a current row beyond
    // it is pulled back so only rows 0…count-1 are ever asked for.
    void setCount(int count);
    int count() const { return count_; }

    bool handle(std::uint16_t code);

    std::uint16_t* currentRow() { return &current_; }
    int top() const { return top_; }
    int height() const { return height_; }

private:
    void clamp();

    int height_;
    int count_ = 0;
    int top_ = 0;
    std::uint16_t current_ = 0;
};

}  // namespace hadrek::toolkit
