// One element of the data file's lists ("rates", "documents") as the
// parser hands it over: its values in the order they were read, each with
// the index one past its own nested values, so an object's fields are
// found by stepping from one to the next. Reading a document then costs a
// few buffers that keep their room, not a tree of nodes per document.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hadrek::data {

class JsonElement {
public:
    enum class Kind : std::uint8_t { null, boolean, integer, unsignedInteger, floating, text, object, array };
    class Value;

    // Building, event by event; the element is whole once its first
    // container is closed.
    void clear();
    void key(std::string_view name);
    void addNull();
    void addBoolean(bool value);
    void addInteger(std::int64_t value);
    void addUnsigned(std::uint64_t value);
    void addFloating(double value);
    void addText(std::string_view value);
    void open(Kind container);
    void close();

    Value root() const;

private:
    struct Span {
        std::uint32_t at, length;
    };
    struct Node {
        std::uint32_t end;  // one past this value's nested values
        Span key;
        Kind kind;
        union {
            bool boolean;
            std::int64_t integer;
            std::uint64_t unsignedInteger;
            double floating;
            Span text;
        } value;
    };

    Node& add(Kind kind);
    Span store(std::string_view text);
    std::string_view view(Span span) const { return {texts_.data() + span.at, span.length}; }

    std::vector<Node> nodes_;
    std::vector<std::uint32_t> open_;
    std::string texts_;
    Span key_{};
};

// A value of a whole element; valid while the element is unchanged.
class JsonElement::Value {
public:
    Kind kind() const { return node().kind; }
    bool isObject() const { return kind() == Kind::object; }
    bool isArray() const { return kind() == Kind::array; }
    bool isText() const { return kind() == Kind::text; }
    bool isBoolean() const { return kind() == Kind::boolean; }
    bool isWholeNumber() const { return kind() == Kind::integer || kind() == Kind::unsignedInteger; }
    bool isNumber() const { return isWholeNumber() || kind() == Kind::floating; }

    std::string_view key() const { return element_->view(node().key); }
    std::string_view text() const { return element_->view(node().value.text); }
    bool boolean() const { return node().value.boolean; }
    std::uint64_t unsignedInteger() const { return node().value.unsignedInteger; }
    // A whole number's value, an unsigned one wrapped as a cast would.
    std::int64_t integer() const;
    double number() const;

    class Items;
    // The elements of an array or the fields of an object, in file order.
    Items items() const;
    std::size_t size() const;
    // A field of an object; of a name given twice, the last one, as a
    // tree reader keeping one value per name would have it.
    std::optional<Value> field(std::string_view name) const;
    // Compact JSON for messages, its first hundred bytes or so; never
    // recursive, whatever the nesting.
    std::string dump() const;

private:
    friend class JsonElement;
    Value(const JsonElement& element, std::uint32_t index) : element_(&element), index_(index) {}
    const Node& node() const { return element_->nodes_[index_]; }

    const JsonElement* element_;
    std::uint32_t index_;
};

class JsonElement::Value::Items {
public:
    class Iterator {
    public:
        Value operator*() const { return {*element_, index_}; }
        Iterator& operator++() {
            index_ = element_->nodes_[index_].end;
            return *this;
        }
        bool operator!=(const Iterator& other) const { return index_ != other.index_; }

    private:
        friend class Items;
        Iterator(const JsonElement& element, std::uint32_t index) : element_(&element), index_(index) {}
        const JsonElement* element_;
        std::uint32_t index_;
    };

    Iterator begin() const { return {*element_, first_}; }
    Iterator end() const { return {*element_, end_}; }

private:
    friend class Value;
    Items(const JsonElement& element, std::uint32_t first, std::uint32_t end)
        : element_(&element), first_(first), end_(end) {}
    const JsonElement* element_;
    std::uint32_t first_, end_;
};

}  // namespace hadrek::data
