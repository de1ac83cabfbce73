// Reading a data file: every value is checked against what its record field
// can hold, and anything that does not fit stops the load with a message
// naming the document, the line and the field. Nothing is cut or guessed.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <tuple>
#include <unordered_map>
#include <utility>

#include <nlohmann/json.hpp>

#include "host/core/utf8_path.hpp"
#include "host/data/data_file.hpp"
#include "host/data/json_element.hpp"
#include "host/text/mazovia.hpp"
#include "plugin/interface/rekordy_zakupow.hpp"

namespace hadrek::data {
namespace {

using nlohmann::json;

// Beyond this many currency units ten-thousandths stop being whole numbers
// in a double.
constexpr double kLargestMoney = 900'000'000'000.0;

constexpr std::size_t characters(kz::PoleTekstowe field) { return field.room - 1; }

std::string codePoint(char32_t ch) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "U+%04X", static_cast<unsigned>(ch));
    std::string shown;
    text::appendUtf8(shown, ch);
    return "'" + shown + "' (" + hex + ")";
}

using Value = JsonElement::Value;

// One JSON object of the file; `where` names it in messages.
class Fields {
public:
    Fields(Value object, std::string where, std::string prefix = "")
        : object_(object), where_(std::move(where)), prefix_(std::move(prefix)) {}

    // Of several unknown names the first in byte order is named, so the
    // message does not depend on the order the fields were written in.
    void onlyKnown(std::initializer_list<std::string_view> known) const {
        std::optional<std::string_view> unknown;
        for (const Value item : object_.items()) {
            const std::string_view name = item.key();
            if (std::find(known.begin(), known.end(), name) == known.end() && (!unknown || name < *unknown))
                unknown = name;
        }
        if (unknown) refuse(std::string(*unknown), "is not a field of this object (a misspelt name?)");
    }

    const std::string& where() const { return where_; }
    void setWhere(std::string where) { where_ = std::move(where); }

    [[noreturn]] void refuse(const std::string& field, const std::string& what) const {
        throw DataError(where_ + ", field \"" + prefix_ + field + "\": " + what);
    }

    std::optional<Value> find(const char* name) const { return object_.field(name); }

    Value required(const char* name) const {
        const std::optional<Value> value = find(name);
        if (!value) refuse(name, "is missing");
        return *value;
    }

    std::string text(const char* name, std::size_t room) const {
        const std::optional<Value> value = find(name);
        if (!value) return {};
        if (!value->isText()) refuse(name, "must be a text");
        std::string mazovia;
        if (const auto bad = text::fromUtf8Exact(value->text(), mazovia)) {
            if (bad->malformed) refuse(name, "is not UTF-8");
            refuse(name, "the character " + codePoint(bad->character) + " is not in the code page");
        }
        if (mazovia.find('\0') != std::string::npos) refuse(name, "holds a NUL character, which would end it early");
        if (mazovia.size() > room)
            refuse(name, "the text has " + std::to_string(mazovia.size()) + " characters, room for " +
                             std::to_string(room) + " (it is refused, not cut)");
        return mazovia;
    }

    std::int64_t integer(const char* name, std::int64_t lowest, std::int64_t highest, bool needed = false) const {
        const std::optional<Value> value = needed ? required(name) : find(name);
        if (!value) return 0;
        const bool fits = value->isWholeNumber() && !(value->kind() == JsonElement::Kind::unsignedInteger &&
                                                      value->unsignedInteger() > std::uint64_t(highest));
        if (!fits || value->integer() < lowest || value->integer() > highest)
            refuse(name, "must be a whole number from " + std::to_string(lowest) + " to " + std::to_string(highest));
        return value->integer();
    }

    double number(const char* name, double lowest, double highest) const {
        const std::optional<Value> value = find(name);
        if (!value) return 0;
        if (!value->isNumber() || value->number() < lowest || value->number() > highest) {
            std::ostringstream range;
            range << "must be a number from " << std::fixed << lowest << " to " << highest;
            refuse(name, range.str());
        }
        return value->number();
    }

    double money(const char* name) const { return storedMoney(number(name, -kLargestMoney, kLargestMoney)); }

    bool flag(const char* name) const {
        const std::optional<Value> value = find(name);
        if (!value) return false;
        if (!value->isBoolean()) refuse(name, "must be true or false");
        return value->boolean();
    }

    CivilDate date(const char* name) const {
        const Value value = required(name);
        const auto date = value.isText() ? parseIsoDate(value.text()) : std::nullopt;
        if (!date) refuse(name, value.dump() + " is not a date RRRR-MM-DD (years 0001 to 9999)");
        return *date;
    }

private:
    Value object_;
    std::string where_;
    std::string prefix_;  // of a nested object's field names
};

Rate readRate(Value object, std::size_t position) {
    const Fields f(object, "rate #" + std::to_string(position));
    f.onlyKnown({"kind", "code", "percent"});
    Rate rate;
    rate.kind = static_cast<std::int16_t>(f.integer("kind", INT16_MIN, INT16_MAX, true));
    rate.code = f.text("code", kRateCodeLength);
    if (rate.code.empty()) f.refuse("code", "must not be empty");
    rate.percent = f.number("percent", 0, 100);
    return rate;
}

Line readLine(Value object, const std::string& where) {
    using namespace kz::tzak_dok;
    const Fields f(object, where);
    f.onlyKnown({"description", "code", "extra_text", "quantity", "unit", "value", "rate", "additional_value"});
    Line line;
    line.description = f.text("description", characters(kOpisPozycji));
    line.code = f.text("code", characters(kKodPozycji));
    line.extraText = f.text("extra_text", characters(kTekstDodatkowy));
    line.unit = f.text("unit", characters(kJednostka));
    constexpr double kLargestQuantity = INT32_MAX / double{kz::kJednostekIlosci};
    line.quantity =
        static_cast<std::int32_t>(storedQuantity(f.number("quantity", -kLargestQuantity, kLargestQuantity)));
    line.value = f.money("value");
    line.additionalValue = f.money("additional_value");
    line.rate = static_cast<std::int16_t>(f.integer("rate", INT16_MIN, INT16_MAX));
    return line;
}

Contractor readContractor(Value object, const std::string& where) {
    using namespace kz::tzak;
    if (!object.isObject()) throw DataError(where + ", field \"contractor\": must be an object");
    const Fields f(object, where, "contractor.");
    f.onlyKnown({"symbol", "name", "address", "nip"});
    return {f.text("symbol", characters(kSymbolKontrahenta)), f.text("name", characters(kNazwaKontrahenta)),
            f.text("address", characters(kAdresKontrahenta)), f.text("nip", characters(kIdentyfikatorKontrahenta))};
}

// The parser's events, read as they come: the top object's sections, and
// each element of "rates" and "documents" gathered whole, checked and
// dropped before the next one is read.
class Loader {
public:
    bool null() {
        return scalar(Kind::null, [&] { element_.addNull(); });
    }
    bool boolean(bool value) {
        return scalar(Kind::boolean, [&] { element_.addBoolean(value); });
    }
    bool number_integer(json::number_integer_t value) {
        return scalar(Kind::integer, [&] { element_.addInteger(value); });
    }
    bool number_unsigned(json::number_unsigned_t value) {
        return scalar(Kind::unsignedInteger, [&] { element_.addUnsigned(value); });
    }
    bool number_float(json::number_float_t value, const std::string&) {
        return scalar(Kind::floating, [&] { element_.addFloating(value); });
    }
    bool string(std::string& value) {
        return scalar(Kind::text, [&] { element_.addText(value); });
    }
    // JSON text holds none; the parser's interface asks for it all the same.
    bool binary(json::binary_t&) {
        return scalar(Kind::null, [&] { element_.addNull(); });
    }

    bool start_object(std::size_t) { return start(Kind::object); }
    bool start_array(std::size_t) { return start(Kind::array); }
    bool end_object() { return end(); }
    bool end_array() { return end(); }

    bool key(std::string& name) {
        if (depth_ > kElementDepth)
            element_.key(name);
        else if (depth_ == kSectionDepth)
            enterSection(name);
        return true;
    }

    // The library's own words say where: "parse error at line L, column C: ...".
    [[noreturn]] bool parse_error(std::size_t, const std::string&, const json::exception& error) {
        const std::string what = error.what();
        const auto text = what.find("] ");
        throw DataError("malformed JSON: " + (text == std::string::npos ? what : what.substr(text + 2)));
    }

    PurchaseData finish() {
        if (!sawRates_) data_.rates = defaultRates();
        checkRates();
        checkLines();
        checkKeys();
        return std::move(data_);
    }

private:
    using Kind = JsonElement::Kind;

    // How many containers are open: the top object, a section's list, an
    // element and what it holds.
    static constexpr int kSectionDepth = 1;
    static constexpr int kElementDepth = 2;

    template <typename Add>
    bool scalar(Kind kind, Add add) {
        if (depth_ > kElementDepth)
            add();
        else
            checkPlace(kind);
        return true;
    }

    bool start(Kind kind) {
        if (depth_ <= kElementDepth) checkPlace(kind);
        if (depth_ == kElementDepth) element_.clear();
        if (depth_ >= kElementDepth) element_.open(kind);
        ++depth_;
        return true;
    }

    bool end() {
        --depth_;
        if (depth_ < kElementDepth) return true;
        element_.close();
        if (depth_ == kElementDepth) takeElement();
        return true;
    }

    // What the file's shape wants where a value starts: the data an object,
    // each section a list, each element an object, counted so that messages
    // name it.
    void checkPlace(Kind kind) {
        if (depth_ == 0 && kind != Kind::object)
            throw DataError("the data must be an object {\"rates\": [...], \"documents\": [...]}");
        if (depth_ == kSectionDepth && kind != Kind::array)
            throw DataError("the data, field \"" + section_ + "\": must be a list [...]");
        if (depth_ != kElementDepth) return;
        const bool documents = section_ == "documents";
        const std::size_t position = documents ? ++documentCount_ : ++rateCount_;
        if (kind != Kind::object)
            throw DataError((documents ? "document #" : "rate #") + std::to_string(position) + " must be an object");
    }

    void enterSection(const std::string& name) {
        section_ = name;
        if (section_ != "rates" && section_ != "documents")
            throw DataError("the data, field \"" + section_ +
                            "\": is not a field of the data (\"rates\", \"documents\")");
        sawRates_ = sawRates_ || section_ == "rates";
    }

    void takeElement() {
        if (section_ == "documents")
            addDocument(element_.root());
        else
            data_.rates.push_back(readRate(element_.root(), rateCount_));
    }

    void addDocument(Value object) {
        Fields f(object, "document #" + std::to_string(documentCount_));
        Document d;
        d.id = static_cast<std::int32_t>(f.integer("id", INT32_MIN, INT32_MAX));
        f.setWhere(f.where() + " (id " + std::to_string(d.id) + ")");
        f.onlyKnown({"type", "id", "id2", "number", "date", "contractor", "gross", "values_as_stored", "lines"});
        d.id2 = static_cast<std::int32_t>(f.integer("id2", INT32_MIN, INT32_MAX));
        const Value type = f.required("type");
        if (!type.isWholeNumber() ||
            std::find(std::begin(kDocumentTypes), std::end(kDocumentTypes), type.integer()) == std::end(kDocumentTypes))
            f.refuse("type", type.dump() + " is not a document type of this host (" + std::to_string(kz::kTypZakup) +
                                 " or " + std::to_string(kz::kTypPZ) + ")");
        d.type = static_cast<std::int16_t>(type.integer());
        d.number = f.text("number", characters(kz::tzak::kNumerDokumentu));
        d.date = f.date("date");
        d.gross = f.money("gross");
        d.valuesAsStored = f.flag("values_as_stored");
        const std::optional<Value> contractor = f.find("contractor");
        d.contractor = contractorIndex(contractor ? readContractor(*contractor, f.where()) : Contractor{});
        if (const std::optional<Value> lines = f.find("lines")) {
            if (!lines->isArray()) f.refuse("lines", "must be a list [...]");
            d.lines.reserve(lines->size());
            for (const Value line : lines->items()) {
                const std::string where = f.where() + ", line #" + std::to_string(d.lines.size() + 1);
                if (!line.isObject()) throw DataError(where + " must be an object");
                d.lines.push_back(readLine(line, where));
            }
        }
        data_.documents.push_back(std::move(d));
    }

    std::uint32_t contractorIndex(Contractor contractor) {
        std::string key =
            contractor.symbol + '\0' + contractor.name + '\0' + contractor.address + '\0' + contractor.nip;
        const auto [found, added] = contractors_.try_emplace(std::move(key), data_.contractors.size());
        if (added) data_.contractors.push_back(std::move(contractor));
        return found->second;
    }

    std::string documentName(std::size_t index) const {
        return "document #" + std::to_string(index + 1) + " (id " + std::to_string(data_.documents[index].id) + ")";
    }

    std::string documentNameWithIds(std::size_t index) const {
        const Document& d = data_.documents[index];
        return "document #" + std::to_string(index + 1) + " (id " + std::to_string(d.id) + ", id2 " +
               std::to_string(d.id2) + ")";
    }

    void checkRates() const {
        for (std::size_t i = 0; i < data_.rates.size(); ++i)
            for (std::size_t j = 0; j < i; ++j)
                if (data_.rates[i].kind == data_.rates[j].kind)
                    throw DataError("rate #" + std::to_string(i + 1) + ", field \"kind\": kind " +
                                    std::to_string(data_.rates[i].kind) + " is already rate #" + std::to_string(j + 1));
    }

    void checkLines() const {
        for (std::size_t i = 0; i < data_.documents.size(); ++i) {
            const auto& lines = data_.documents[i].lines;
            for (std::size_t l = 0; l < lines.size(); ++l)
                if (std::none_of(data_.rates.begin(), data_.rates.end(),
                                 [&](const Rate& r) { return r.kind == lines[l].rate; }))
                    throw DataError(documentName(i) + ", line #" + std::to_string(l + 1) + ", field \"rate\": kind " +
                                    std::to_string(lines[l].rate) + " is not in the rate table");
        }
    }

    // A document's lines are found by its type and id alone, so a second
    // document of one type with the same id would take the first one's lines
    // into its file, and they into its own.
    void checkKeys() const {
        const auto key = [&](std::size_t i) { return std::pair(data_.documents[i].type, data_.documents[i].id); };
        std::vector<std::size_t> order(data_.documents.size());
        for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
        std::sort(order.begin(), order.end(),
                  [&](std::size_t a, std::size_t b) { return std::tuple(key(a), a) < std::tuple(key(b), b); });
        for (std::size_t i = 1; i < order.size(); ++i)
            if (key(order[i]) == key(order[i - 1])) {
                const Document& d = data_.documents[order[i]];
                throw DataError(documentNameWithIds(order[i]) + ": type " + std::to_string(d.type) + " and id " +
                                std::to_string(d.id) + " already belong to " + documentNameWithIds(order[i - 1]) +
                                "; a document's lines are found by its type and id, so each id names one document "
                                "of its type");
            }
    }

    JsonElement element_;
    int depth_ = 0;
    PurchaseData data_;
    std::unordered_map<std::string, std::uint32_t> contractors_;
    std::string section_;
    std::size_t documentCount_ = 0;
    std::size_t rateCount_ = 0;
    bool sawRates_ = false;
};

template <typename Input>
PurchaseData read(Input&& input) {
    Loader loader;
    json::sax_parse(std::forward<Input>(input), &loader);
    return loader.finish();
}

}  // namespace

PurchaseData readPurchaseData(std::istream& json) { return read(json); }

PurchaseData readPurchaseData(std::string_view json) { return read(json); }

PurchaseData readPurchaseDataFile(const std::string& path) {
    std::ifstream file(utf8Path(path), std::ios::binary);
    if (!file) throw DataError("the file cannot be read");
    return readPurchaseData(file);
}

}  // namespace hadrek::data
