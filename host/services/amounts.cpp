// Amount services for document lines: rate conversion, rounding and rate
// code texts, all from the host's rate table. Amounts are in
// ten-thousandths of the currency unit.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "host/core/context.hpp"
#include "host/data/rate_table.hpp"
#include "host/services/services.hpp"

namespace hadrek::services {

// 52289: (1, rate kind, amount) the net amount with the kind's rate added;
// a kind the table lacks adds nothing. Multiplying before dividing keeps a
// whole amount's half-hundredths exact for the rounding that follows.
double KZ_CDECL lineRateConversion(int conversion, int rateKind, double amount) {
    if (conversion != kz::kRateConversionNetToGross)
        misuse(kz::Slot::LineRateConversion, "was asked for conversion " + std::to_string(conversion) +
                                                 "; this host knows only " +
                                                 std::to_string(kz::kRateConversionNetToGross));
    const data::Rate* rate = data::findRate(rateKind);
    return rate ? amount * (100 + rate->percent) / 100 : amount;
}

// 52179: (amount, unit) the amount rounded to a whole number of units, half
// away from zero; 100 rounds ten-thousandths to hundredths. A zero result
// is always +0, so it never prints as "-0.00".
double KZ_CDECL amountRound(double amount, int unit) {
    if (unit <= 0) misuse(kz::Slot::AmountRound, "was asked to round to " + std::to_string(unit));
    const double rounded = std::round(amount / unit) * unit;
    return rounded == 0 ? 0.0 : rounded;
}

// 52512: (buffer of kRateTextSize bytes, rate kind) the kind's code, or the
// kind in decimal when the table has none; under lazy-text, nothing at all.
void KZ_CDECL rateCodeText(char* buffer, int rateKind) {
    if (!buffer) misuse(kz::Slot::RateCodeText, "was handed a null buffer");
    if (hostVariant(HostVariant::LazyText)) return;
    const data::Rate* rate = data::findRate(rateKind);
    if (!rate) {
        std::snprintf(buffer, kz::kRateTextSize, "%d", rateKind);
        return;
    }
    const std::size_t length = std::min(rate->code.size(), std::size_t{kz::kRateTextSize} - 1);
    std::memcpy(buffer, rate->code.data(), length);
    buffer[length] = '\0';
}

}  // namespace hadrek::services
