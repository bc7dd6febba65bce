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

} // namespace geardim
