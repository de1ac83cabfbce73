// Builds dialog template blocks byte by byte for the reader's tests, with
// the sizes worked out so that each test only spoils what it means to.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "plugin/interface/dialog_ids.hpp"
#include "plugin/interface/uklad_szablonu.hpp"

namespace hadrek::toolkit::testing {

using Bytes = std::vector<std::uint8_t>;

inline void put16(Bytes& bytes, std::uint16_t value) {
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void put32(Bytes& bytes, std::uint32_t value) {
    put16(bytes, static_cast<std::uint16_t>(value));
    put16(bytes, static_cast<std::uint16_t>(value >> 16));
}

inline void patch16(Bytes& bytes, std::size_t at, std::uint16_t value) {
    bytes.at(at) = static_cast<std::uint8_t>(value);
    bytes.at(at + 1) = static_cast<std::uint8_t>(value >> 8);
}

inline void patch32(Bytes& bytes, std::size_t at, std::uint32_t value) {
    patch16(bytes, at, static_cast<std::uint16_t>(value));
    patch16(bytes, at + 2, static_cast<std::uint16_t>(value >> 16));
}

struct TextRecord {
    std::uint16_t type;
    std::uint16_t id = kz::kBezId;
    std::uint16_t style = 0;
    std::uint16_t hotKey = 0;
    std::uint16_t x = 0, y = 0, width = 10, height = 1;
    std::uint32_t extra = 0;
    std::string text;
    bool withNul = true;
};

inline Bytes record(const TextRecord& r) {
    Bytes bytes;
    put16(bytes, r.type);
    put16(bytes, r.id);
    put16(bytes, r.style);
    put16(bytes, r.hotKey);
    put16(bytes, r.x);
    put16(bytes, r.y);
    put16(bytes, r.width);
    put16(bytes, r.height);
    put32(bytes, r.extra);
    bytes.insert(bytes.end(), r.text.begin(), r.text.end());
    if (r.withNul) bytes.push_back(0);
    return bytes;
}

struct EditRecord {
    std::uint16_t id = kz::kBezId;
    std::uint16_t style = 0x0400;
    std::uint16_t x = 0, y = 0, width = 13, height = 1;
    std::uint32_t extra = 0;
    std::uint16_t maxLength = 8;
    bool period = false;
};

inline Bytes record(const EditRecord& r) {
    Bytes bytes;
    put16(bytes, static_cast<std::uint16_t>(kz::szablon::Typ::PoleEdycji));
    put16(bytes, 0x0026);
    put16(bytes, 0x0005);
    put16(bytes, r.id);
    put16(bytes, r.style);
    put16(bytes, 0);
    put16(bytes, r.x);
    put16(bytes, r.y);
    put16(bytes, r.width);
    put16(bytes, r.height);
    put32(bytes, r.extra);
    bytes.insert(bytes.end(), 8, 0);
    put16(bytes, r.maxLength);
    bytes.push_back(0x08);
    bytes.push_back(r.period ? 0x02 : 0x00);
    put16(bytes, r.period ? 0x0002 : 0x0000);
    put16(bytes, r.maxLength);
    put16(bytes, 0x0001);
    bytes.push_back(0);
    return bytes;
}

// Prefix with the body size and control count that the records give.
inline Bytes entry(const std::vector<Bytes>& records) {
    Bytes body;
    for (const Bytes& r : records) body.insert(body.end(), r.begin(), r.end());
    Bytes bytes;
    put16(bytes, static_cast<std::uint16_t>(body.size()));
    put16(bytes, static_cast<std::uint16_t>(records.size() - 1));
    bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}

inline Bytes block(const std::vector<Bytes>& entries) {
    Bytes body;
    for (const Bytes& e : entries) body.insert(body.end(), e.begin(), e.end());
    Bytes bytes;
    put32(bytes, static_cast<std::uint32_t>(body.size()));
    bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}

// A heap copy of exactly `size` bytes, so that AddressSanitizer sees any
// read past them.
struct ExactCopy {
    explicit ExactCopy(const Bytes& bytes, std::size_t size) : data(new std::uint8_t[size]()), size(size) {
        std::copy(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(std::min(size, bytes.size())), data.get());
    }
    explicit ExactCopy(const Bytes& bytes) : ExactCopy(bytes, bytes.size()) {}
    std::unique_ptr<std::uint8_t[]> data;
    std::size_t size;
};

}  // namespace hadrek::toolkit::testing
