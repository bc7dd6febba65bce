#include "core/common/resulttext.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace geardim {
namespace {

std::string stripTrailingZeros(std::string digits)
{
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    return digits;
}

} // namespace

std::string resultText(double value)
{
    if (value == 0)
        return "0";
    if (!std::isfinite(value))
        return {}; // never shown: every caller checks its results first
    // Seven significant digits, correctly rounded and independent of the locale.
    char buffer[40];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                         std::chars_format::scientific, 6);
    if (ec != std::errc())
        return {};
    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    const bool negative = text.front() == '-';
    const std::string_view mantissa = text.substr(negative ? 1 : 0, 8); // "d.dddddd"
    const std::string digits = std::string(1, mantissa[0]) + std::string(mantissa.substr(2));
    const int exponent = std::atoi(std::string(text.substr(text.find('e') + 1)).c_str());

    std::string out = negative ? "-" : "";
    const bool plain = (exponent >= -3 && exponent <= 5) || (exponent == 6 && digits == "1000000");
    if (plain) {
        if (exponent < 0) {
            out += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0')
                   + stripTrailingZeros(digits);
        } else {
            const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
            out += digits.substr(0, integerDigits);
            const std::string fraction = stripTrailingZeros(digits.substr(integerDigits));
            if (!fraction.empty())
                out += "." + fraction;
        }
        return out;
    }
    out += digits.substr(0, 1);
    const std::string fraction = stripTrailingZeros(digits.substr(1));
    if (!fraction.empty())
        out += "." + fraction;
    const int magnitude = std::abs(exponent);
    out += exponent < 0 ? "E-" : "E+";
    if (magnitude < 10)
        out += '0';
    out += std::to_string(magnitude);
    return out;
}

} // namespace geardim
