#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The text tools every feature's report shares: the translator hook, numbers as the program
// writes them, the terminal width of a text, and the escapes of JSON, CSV and markup.
namespace geardim {

// Turns a text of the program (the Chinese the core writes, with its translation
// context) into the language shown. Empty: the Chinese itself.
using TextTranslator = std::function<std::string(const char *context, const char *text)>;

// A text of the program in the language shown (tr empty: the Chinese itself), and a text
// with its first "%1" replaced by argument.
std::string translated(const TextTranslator &tr, const char *context, const char *text);
std::string filled(std::string text, const std::string &argument);
// The same for its first "%2".
std::string secondFilled(std::string text, const std::string &argument);

// A text without the blanks around it (spaces and tabs; a carriage return at its end).
std::string_view trimmed(std::string_view text);

// The shortest decimal text that reads back to the same double.
std::string shortestNumber(double value);

// A value as the sheet shows it, to its decimals ("-0.0000" is written "0.0000").
std::string sheetNumber(double value, int decimals);

// A value with its sign, "+" too, unless it shows as zero ("+0.0123", "-0.0728", "0.0000").
std::string sheetSignedNumber(double value, int decimals);

// The width of UTF-8 text in a terminal's columns: CJK characters take two.
std::size_t displayWidth(const std::string &text);

// A text as a JSON string, quoted, with its quotes, backslashes and control characters escaped.
std::string jsonString(const std::string &text);

// Text for HTML or SVG: <, > and & written as entities.
std::string markupEscaped(const std::string &text);

// A field of a CSV line, quoted when it holds a comma, a quote or a line break.
std::string csvField(const std::string &text);

// A table as plain text for a terminal: the first two columns (names and units) aligned left,
// the rest (numbers) right, by terminal columns, two spaces between, no trailing blanks.
std::string alignedText(const std::vector<std::vector<std::string>> &cells);

// Named values as a CSV document: a header line of the names, a line of the values, RFC 4180
// quoting; the --format csv of every feature.
std::string csvRecord(const std::vector<std::pair<std::string, std::string>> &columns);

} // namespace geardim
