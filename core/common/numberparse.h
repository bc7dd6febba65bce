#pragma once

#include <optional>
#include <string_view>

// Reading the numbers a user types into a field.
namespace geardim {

// Accepts optional blanks, an optional sign, digits with an optional decimal
// point, an optional exponent and optional blanks; full-width digits, point,
// signs, e/E and the ideographic space count as their ASCII forms. Anything
// else, or a value too large for the target type, is not a number.
// The text is UTF-8; the result never depends on the machine's locale.
std::optional<float> parseSingle(std::string_view text);
std::optional<double> parseDouble(std::string_view text);

// Why a text is not a number, where a user's usual slip can be told.
enum class NotANumber {
    General,     // anything else
    Comma,       // a comma for the decimal point: "2,5"
    Unit,        // a unit or other letters after the number: "3.36mm", "20°"
    TwoNumbers,  // more than one number: "5 0"
};

// The reason for a text that parseDouble refuses.
NotANumber whyNotANumber(std::string_view text);

} // namespace geardim
