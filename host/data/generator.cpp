#include "host/data/generator.hpp"

#include <cstdio>
#include <string>

#include "host/data/data_file.hpp"
#include "host/text/mazovia.hpp"

namespace hadrek::data {
namespace {

// Each document draws from its own stream, so a document's content depends
// on the seed and its position alone.
class Random {
public:
    Random(std::uint64_t seed, std::uint64_t position) : state_(seed * 0x9E3779B97F4A7C15ull + position) { next(); }

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    bool chance(int percent) { return below(100) < percent; }

private:
    std::uint64_t state_;
};

struct ContractorText {
    const char* symbol;
    const char* name;
    const char* address;
    const char* nip;
};

// The first three are the ones a "KOWAL" name filter finds.
constexpr ContractorText kContractors[] = {
    {"KOWALSKI", "Jan Kowalski  Handel Obwoźny", "ul. Słoneczna 4, 05-800 Pruszków", "521-301-72-18"},
    {"KOWALCZYK", "P.H.U. KOWALCZYK Sp. j.", "ul. Kościuszki 112, 90-441 Łódź", "725-118-40-02"},
    {"KOWALEWSKA", "Kowalewska Maria   Sklep Spożywczy", "Rynek 7, 26-600 Radom", "796-220-15-63"},
    {"MLEKLOW", "Spółdzielnia Mleczarska  Łowicz", "ul. Przemysłowa 3, 99-400 Łowicz", "834-000-12-95"},
    {"SWIEZAK", "Hurtownia Owoców i Warzyw Świeżak", "al. Jerozolimskie 200, 02-486 Warszawa", "526-104-33-71"},
    {"ZRODLO", "Piekarnia Źródło s.c.", "ul. Piekarska 9, 31-060 Kraków", "676-239-88-10"},
    {"NOWAK", "Zakład Mięsny Nowak i Wspólnicy", "ul. Rzeźnicza 1, 60-101 Poznań", "779-002-41-56"},
    {"GES", "P.P.H.U. Gęś  Anna Wiśniewska", "Wola Gęsia 12, 21-010 Łęczna", "713-180-95-24"},
    {"CMA", "Browar Ćma Sp. z o.o.", "ul. Chmielna 21, 80-748 Gdańsk", "583-290-61-07"},
    {"MLYN", "Młyn Zbożowy Jędrzejów", "ul. Młyńska 2, 28-300 Jędrzejów", "656-014-73-38"},
    {"LAD", "Hurtownia Chemiczna ŁAD", "ul. Fabryczna 15, 15-482 Białystok", "542-317-29-80"},
    {"SADPOL", "Tłocznia Soków Sad-Pol", "Sady 1, 96-300 Żyrardów", "838-156-02-49"},
    {"ZNIN", "Cukrownia Żnin S.A.", "ul. Cukrowa 5, 88-400 Żnin", "562-011-84-17"},
    {"KURCZAK", "Ferma Drobiu Kurczak   Bis", "Kurzętnik 40, 13-306 Kurzętnik", "877-204-66-31"},
    {"BALTYK", "Przetwórnia Ryb Bałtyk", "ul. Portowa 8, 76-150 Darłowo", "499-061-57-92"},
    {"WOJCIK", "Rolnik Józef Wójcik", "Zagórze 17, 34-400 Nowy Targ", "735-288-14-06"},
    {"OSLA", "Kawiarnia Ośla Łączka", "ul. Łąkowa 3, 50-312 Wrocław", "898-330-47-25"},
    {"MAZOWSZE", "Dom Handlowy Mazowsze", "pl. Bankowy 2, 00-095 Warszawa", "525-000-90-13"},
    {"ZDROJ", "Hurtownia Napojów Zdrój", "ul. Zdrojowa 6, 58-310 Szczawno-Zdrój", "886-291-03-54"},
    {"ROZANY", " Ogrodnictwo Różany Ogród", "ul. Kwiatowa 11, 43-300 Bielsko-Biała", "547-190-22-68"},
};
constexpr int kKowalContractors = 3;
constexpr int kContractorCount = sizeof kContractors / sizeof kContractors[0];

struct Product {
    const char* description;
    const char* unit;
    bool fractional;
};

constexpr Product kProducts[] = {
    {"Mleko  2% 1 l", "szt", false},        {"Chleb żytni 500 g", "szt", false},
    {"Masło ekstra 200 g", "szt", false},   {"Ser żółty gouda", "kg", true},
    {"Woda mineralna 1,5 l", "szt", false}, {"Jabłka Szampion", "kg", true},
    {"Mąka pszenna typ 450", "kg", true},   {"Cukier biały", "kg", true},
    {"Olej rzepakowy", "l", true},          {"Papier ksero A4   500 ark.", "opak", false},
    {"Płyn do naczyń 1 l", "szt", false},   {"Kiełbasa śląska", "kg", true},
    {"Sok jabłkowy 1 l", "szt", false},     {"Piwo jasne 0,5 l", "szt", false},
    {"Śledź w oleju 300 g", "szt", false},  {"Usługa transportowa", "usł", false},
};
constexpr int kProductCount = sizeof kProducts / sizeof kProducts[0];

constexpr std::int64_t kCent = 100;  // in ten-thousandths

// Amounts are worked out in whole cents and quantities in thousandths, so
// both flavours make the same data whatever their floating point does.
std::int64_t percentOf(std::int64_t cents, std::int64_t percent) { return (cents * percent + 50) / 100; }

std::vector<Contractor> contractors() {
    std::vector<Contractor> list;
    for (const ContractorText& c : kContractors)
        list.push_back({text::fromUtf8(c.symbol), text::fromUtf8(c.name), text::fromUtf8(c.address), c.nip});
    return list;
}

Line line(Random& random, const RateTable& rates, std::int64_t& grossCents) {
    const Product& product = kProducts[random.below(kProductCount)];
    const Rate& rate = rates[static_cast<std::size_t>(random.below(static_cast<int>(rates.size())))];
    const std::int64_t thousandths = product.fractional ? random.below(50000) + 100 : (random.below(100) + 1) * 1000;
    const std::int64_t priceCents = random.below(20000) + 100;
    const std::int64_t valueCents = (thousandths * priceCents + 500) / 1000;
    const std::int64_t additionalCents = random.chance(20) ? percentOf(valueCents, 5) : 0;
    grossCents += valueCents + percentOf(valueCents, static_cast<std::int64_t>(rate.percent));

    char code[16];
    std::snprintf(code, sizeof code, "P%04d", random.below(10000));
    Line l;
    l.description = text::fromUtf8(product.description);
    l.code = code;
    l.extraText = random.chance(10) ? text::fromUtf8("dostawa częściowa") : "";
    l.unit = text::fromUtf8(product.unit);
    l.quantity = static_cast<std::int32_t>(thousandths);
    l.value = static_cast<double>(valueCents * kCent);
    l.additionalValue = static_cast<double>(additionalCents * kCent);
    l.rate = rate.kind;
    return l;
}

Document document(std::uint64_t seed, std::size_t position, const RateTable& rates) {
    Random random(seed, position);
    const bool kowal = position % kKowalEvery == 0;
    Document d;
    d.type = random.chance(70) ? 713 : 703;
    d.id = static_cast<std::int32_t>(position + 1);
    d.id2 = position % kKowalEvery == kKowalEvery / 2 ? 0 : random.below(9) + 1;
    d.date = {kowal || random.chance(50) ? 2026 : 2025, random.below(12) + 1, random.below(28) + 1};
    d.contractor =
        static_cast<std::uint32_t>(kowal ? random.below(kKowalContractors)
                                         : kKowalContractors + random.below(kContractorCount - kKowalContractors));
    char number[24];
    std::snprintf(number, sizeof number, "%s %d/%02d/%02d", d.type == 713 ? "FZ" : "PZ", d.id % 10000, d.date.month,
                  d.date.year % 100);
    d.number = number;
    d.valuesAsStored = random.chance(50);
    std::int64_t grossCents = 0;
    const int lines = random.below(5);
    for (int i = 0; i < lines; ++i) d.lines.push_back(line(random, rates, grossCents));
    d.gross = static_cast<double>(grossCents * kCent);
    return d;
}

}  // namespace

PurchaseData generatePurchaseData(std::size_t count, std::uint64_t seed) {
    PurchaseData data{defaultRates(), contractors(), {}};
    data.documents.reserve(count);
    for (std::size_t i = 0; i < count; ++i) data.documents.push_back(document(seed, i, data.rates));
    return data;
}

void writeGeneratedData(std::ostream& out, std::size_t count, std::uint64_t seed) {
    const RateTable rates = defaultRates();
    const std::vector<Contractor> list = contractors();
    DataFileWriter writer(out, rates);
    for (std::size_t i = 0; i < count; ++i) {
        const Document d = document(seed, i, rates);
        writer.add(d, list[d.contractor]);
    }
    writer.finish();
}

}  // namespace hadrek::data
