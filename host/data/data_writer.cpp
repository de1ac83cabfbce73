#include <ostream>

#include <nlohmann/json.hpp>

#include "host/data/data_file.hpp"
#include "host/text/mazovia.hpp"
#include "plugin/interface/rekordy_zakupow.hpp"

namespace hadrek::data {
namespace {

// The file keeps the schema's order of fields, for people reading it.
using Object = nlohmann::ordered_json;

double units(double stored, double scale) { return stored / scale; }

Object lineJson(const Line& line) {
    return {{"description", text::toUtf8(line.description)},
            {"code", text::toUtf8(line.code)},
            {"extra_text", text::toUtf8(line.extraText)},
            {"quantity", units(line.quantity, kz::kJednostekIlosci)},
            {"unit", text::toUtf8(line.unit)},
            {"value", units(line.value, kz::kJednostekKwoty)},
            {"rate", line.rate},
            {"additional_value", units(line.additionalValue, kz::kJednostekKwoty)}};
}

}  // namespace

DataFileWriter::DataFileWriter(std::ostream& out, const RateTable& rates) : out_(out) {
    Object list = Object::array();
    for (const Rate& rate : rates)
        list.push_back({{"kind", rate.kind}, {"code", text::toUtf8(rate.code)}, {"percent", rate.percent}});
    out_ << "{\"rates\": " << list.dump() << ",\n\"documents\": [";
}

void DataFileWriter::add(const Document& document, const Contractor& contractor) {
    Object lines = Object::array();
    for (const Line& line : document.lines) lines.push_back(lineJson(line));
    const Object object = {{"type", document.type},
                           {"id", document.id},
                           {"id2", document.id2},
                           {"number", text::toUtf8(document.number)},
                           {"date", isoText(document.date)},
                           {"contractor",
                            {{"symbol", text::toUtf8(contractor.symbol)},
                             {"name", text::toUtf8(contractor.name)},
                             {"address", text::toUtf8(contractor.address)},
                             {"nip", text::toUtf8(contractor.nip)}}},
                           {"gross", units(document.gross, kz::kJednostekKwoty)},
                           {"values_as_stored", document.valuesAsStored},
                           {"lines", std::move(lines)}};
    out_ << (first_ ? "\n" : ",\n") << object.dump();
    first_ = false;
}

void DataFileWriter::finish() { out_ << "\n]}\n"; }

void writePurchaseData(std::ostream& out, const PurchaseData& data) {
    DataFileWriter writer(out, data.rates);
    for (const Document& document : data.documents) writer.add(document, data.contractors[document.contractor]);
    writer.finish();
}

}  // namespace hadrek::data
