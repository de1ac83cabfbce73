#include "host/data/json_element.hpp"

#include <nlohmann/json.hpp>

namespace hadrek::data {

void JsonElement::clear() {
    nodes_.clear();
    open_.clear();
    texts_.clear();
    key_ = {};
}

JsonElement::Span JsonElement::store(std::string_view text) {
    const Span span{static_cast<std::uint32_t>(texts_.size()), static_cast<std::uint32_t>(text.size())};
    texts_.append(text);
    return span;
}

void JsonElement::key(std::string_view name) { key_ = store(name); }

JsonElement::Node& JsonElement::add(Kind kind) {
    Node& node = nodes_.emplace_back(Node{static_cast<std::uint32_t>(nodes_.size() + 1), key_, kind, {}});
    key_ = {};
    return node;
}

void JsonElement::addNull() { add(Kind::null); }
void JsonElement::addBoolean(bool value) { add(Kind::boolean).value.boolean = value; }
void JsonElement::addInteger(std::int64_t value) { add(Kind::integer).value.integer = value; }
void JsonElement::addUnsigned(std::uint64_t value) { add(Kind::unsignedInteger).value.unsignedInteger = value; }
void JsonElement::addFloating(double value) { add(Kind::floating).value.floating = value; }

void JsonElement::addText(std::string_view value) {
    const Span text = store(value);
    add(Kind::text).value.text = text;
}

void JsonElement::open(Kind container) {
    add(container);
    open_.push_back(static_cast<std::uint32_t>(nodes_.size() - 1));
}

void JsonElement::close() {
    nodes_[open_.back()].end = static_cast<std::uint32_t>(nodes_.size());
    open_.pop_back();
}

JsonElement::Value JsonElement::root() const { return {*this, 0}; }

std::int64_t JsonElement::Value::integer() const {
    return kind() == Kind::unsignedInteger ? static_cast<std::int64_t>(node().value.unsignedInteger)
                                           : node().value.integer;
}

double JsonElement::Value::number() const {
    switch (kind()) {
    case Kind::integer: return static_cast<double>(node().value.integer);
    case Kind::unsignedInteger: return static_cast<double>(node().value.unsignedInteger);
    case Kind::floating: return node().value.floating;
    default: return 0;
    }
}

JsonElement::Value::Items JsonElement::Value::items() const { return {*element_, index_ + 1, node().end}; }

std::size_t JsonElement::Value::size() const {
    std::size_t count = 0;
    for ([[maybe_unused]] const Value item : items()) ++count;
    return count;
}

std::optional<JsonElement::Value> JsonElement::Value::field(std::string_view name) const {
    std::optional<Value> found;
    for (const Value item : items())
        if (item.key() == name) found = item;
    return found;
}

namespace {

std::string scalar(const JsonElement::Value& value) {
    using Kind = JsonElement::Kind;
    switch (value.kind()) {
    case Kind::boolean: return value.boolean() ? "true" : "false";
    case Kind::integer: return std::to_string(value.integer());
    case Kind::unsignedInteger: return std::to_string(value.unsignedInteger());
    case Kind::floating: return nlohmann::json(value.number()).dump();
    case Kind::text: return nlohmann::json(value.text()).dump();
    default: return "null";
    }
}

}  // namespace

// Values follow each other in file order, so one pass with a stack of the
// open containers writes them, at any depth. A long value is cut where a
// message can still be read, at a character's first byte.
std::string JsonElement::Value::dump() const {
    constexpr std::size_t kLongest = 100;
    struct Open {
        std::uint32_t end;
        bool object;
        bool first;
    };
    std::vector<Open> open;
    std::string out;
    const auto closeUpTo = [&](std::uint32_t index) {
        while (!open.empty() && open.back().end <= index) {
            out += open.back().object ? '}' : ']';
            open.pop_back();
        }
    };
    for (std::uint32_t index = index_; index < node().end && out.size() <= kLongest; ++index) {
        closeUpTo(index);
        const Value value(*element_, index);
        if (!open.empty()) {
            if (!open.back().first) out += ',';
            open.back().first = false;
            if (open.back().object) out += nlohmann::json(value.key()).dump() + ':';
        }
        if (value.isObject() || value.isArray()) {
            out += value.isObject() ? '{' : '[';
            open.push_back({value.node().end, value.isObject(), true});
        } else {
            out += scalar(value);
        }
    }
    if (out.size() > kLongest) {
        std::size_t cut = kLongest;
        while (cut > 0 && (static_cast<unsigned char>(out[cut]) & 0xC0) == 0x80) --cut;
        out.resize(cut);
        return out + "...";
    }
    closeUpTo(node().end);
    return out;
}

}  // namespace hadrek::data
