#include "core/common/numberparse.h"

#include <charconv>
#include <algorithm>
#include <string>
#include <vector>

namespace geardim {
namespace {

// The full-width forms a Chinese input method types, as UTF-8, and their ASCII forms.
struct WideForm {
    std::string_view utf8;
    char ascii;
};
constexpr WideForm kWideForms[] = {
    {"\xEF\xBC\x90", '0'}, {"\xEF\xBC\x91", '1'}, {"\xEF\xBC\x92", '2'}, {"\xEF\xBC\x93", '3'},
    {"\xEF\xBC\x94", '4'}, {"\xEF\xBC\x95", '5'}, {"\xEF\xBC\x96", '6'}, {"\xEF\xBC\x97", '7'},
    {"\xEF\xBC\x98", '8'}, {"\xEF\xBC\x99", '9'}, {"\xEF\xBC\x8E", '.'}, {"\xEF\xBC\x8D", '-'},
    {"\xEF\xBC\x8B", '+'}, {"\xEF\xBD\x85", 'e'}, {"\xEF\xBC\xA5", 'E'}, {"\xE3\x80\x80", ' '},
};

// Folds full-width forms to ASCII; any other non-ASCII byte makes the text no number.
std::optional<std::string> foldToAscii(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            out.push_back(text[i]);
            ++i;
            continue;
        }
        bool folded = false;
        for (const WideForm &form : kWideForms) {
            if (text.substr(i, form.utf8.size()) == form.utf8) {
                out.push_back(form.ascii);
                i += form.utf8.size();
                folded = true;
                break;
            }
        }
        if (!folded)
            return std::nullopt;
    }
    return out;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Checks the grammar and returns the number without blanks and without a leading '+',
// ready for from_chars.
std::optional<std::string_view> numberPart(std::string_view s)
{
    std::size_t begin = 0;
    while (begin < s.size() && isBlank(s[begin]))
        ++begin;
    std::size_t end = s.size();
    while (end > begin && isBlank(s[end - 1]))
        --end;
    s = s.substr(begin, end - begin);

    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i]))
        ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        std::size_t expDigits = 0;
        while (i < s.size() && isDigit(s[i]))
            ++i, ++expDigits;
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != s.size())
        return std::nullopt;
    if (s.front() == '+')
        s.remove_prefix(1);
    return s;
}

// The power of ten of the first significant digit of a number that passed the
// grammar (for "0.05" it is -2, for "12e3" it is 4); saturates instead of overflowing.
long long decimalExponent(std::string_view s)
{
    constexpr long long kLimit = 1'000'000'000;
    std::size_t i = (s.front() == '-') ? 1 : 0;
    long long position = 0; // digits before the point, counted from the first significant one
    bool significant = false;
    bool afterPoint = false;
    for (; i < s.size() && s[i] != 'e' && s[i] != 'E'; ++i) {
        if (s[i] == '.') {
            afterPoint = true;
            continue;
        }
        if (!significant && s[i] == '0') {
            if (afterPoint)
                --position;
            continue;
        }
        if (!significant) {
            significant = true;
            if (afterPoint)
                --position;
        } else if (!afterPoint) {
            ++position;
        }
    }
    long long exponent = 0;
    if (i < s.size()) {
        ++i;
        const bool negative = i < s.size() && s[i] == '-';
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        for (; i < s.size(); ++i)
            exponent = std::min(kLimit, exponent * 10 + (s[i] - '0'));
        if (negative)
            exponent = -exponent;
    }
    return position + exponent;
}

template <typename T>
std::optional<T> parse(std::string_view text)
{
    const auto ascii = foldToAscii(text);
    if (!ascii)
        return std::nullopt;
    const auto number = numberPart(*ascii);
    if (!number)
        return std::nullopt;
    const char *first = number->data();
    const char *last = first + number->size();
    T value{};
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec == std::errc() && ptr == last)
        return value;
    if (ec != std::errc::result_out_of_range)
        return std::nullopt;
    // Out of range: too large is no number; too small rounds to zero with its sign.
    if (decimalExponent(*number) >= 0)
        return std::nullopt;
    return number->front() == '-' ? -T(0) : T(0);
}

} // namespace

std::optional<float> parseSingle(std::string_view text) { return parse<float>(text); }
std::optional<double> parseDouble(std::string_view text) { return parse<double>(text); }

namespace {

// The blanks between numbers: space, tab and the ideographic space.
std::vector<std::string_view> blankSeparated(std::string_view text)
{
    std::vector<std::string_view> words;
    std::size_t i = 0;
    const auto blankAt = [&text](std::size_t at) -> std::size_t {
        if (text[at] == ' ' || text[at] == '\t')
            return 1;
        if (text.substr(at, 3) == "\xE3\x80\x80")
            return 3;
        return 0;
    };
    while (i < text.size()) {
        std::size_t width = blankAt(i);
        if (width) {
            i += width;
            continue;
        }
        const std::size_t start = i;
        while (i < text.size() && !blankAt(i))
            ++i;
        words.push_back(text.substr(start, i - start));
    }
    return words;
}

bool isExponentSlip(std::string_view suffix)
{
    return suffix.find_first_not_of("eE+-. ") == std::string_view::npos;
}

} // namespace

NotANumber whyNotANumber(std::string_view text)
{
    // A comma, ASCII or full-width, where the decimal point belongs.
    std::string dotted;
    bool hadComma = false;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t width = text[i] == ',' ? 1 : text.substr(i, 3) == "\xEF\xBC\x8C" ? 3 : 0;
        if (width) {
            dotted += '.';
            hadComma = true;
            i += width;
        } else {
            dotted += text[i++];
        }
    }
    if (hadComma && parseDouble(dotted))
        return NotANumber::Comma;
    const auto words = blankSeparated(text);
    if (words.size() >= 2 && std::all_of(words.begin(), words.end(), [](auto w) { return parseDouble(w).has_value(); }))
        return NotANumber::TwoNumbers;
    // A number followed by letters or signs that are not part of a number.
    std::string_view rest = text;
    while (!rest.empty() && (rest.back() == ' ' || rest.back() == '\t'))
        rest.remove_suffix(1);
    std::size_t end = rest.size();
    while (end > 0 && !isDigit(rest[end - 1]) && rest[end - 1] != '.')
        --end;
    if (end > 0 && end < rest.size() && !isExponentSlip(rest.substr(end)) && parseDouble(rest.substr(0, end)))
        return NotANumber::Unit;
    return NotANumber::General;
}

} // namespace geardim
