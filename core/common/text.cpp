#include "core/common/text.h"

#include <algorithm>

#include <charconv>
#include <cmath>
#include <cstdio>

namespace geardim {

std::string translated(const TextTranslator &tr, const char *context, const char *text)
{
    return tr ? tr(context, text) : std::string(text);
}

std::string filled(std::string text, const std::string &argument)
{
    if (const auto at = text.find("%1"); at != std::string::npos)
        text.replace(at, 2, argument);
    return text;
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

std::string secondFilled(std::string text, const std::string &argument)
{
    if (const auto at = text.find("%2"); at != std::string::npos)
        text.replace(at, 2, argument);
    return text;
}

std::size_t displayWidth(const std::string &text)
{
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        // The code point, to tell the wide characters (CJK, kana, hangul, full-width forms)
        // from the narrow ones that also take three bytes (″, …, −).
        char32_t point = len == 1 ? c : c & (0xFF >> (len + 1));
        for (std::size_t k = 1; k < len && i + k < text.size(); ++k)
            point = (point << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        const bool wide = (point >= 0x1100 && point <= 0x115F) || (point >= 0x2E80 && point <= 0xA4CF)
                          || (point >= 0xAC00 && point <= 0xD7A3) || (point >= 0xF900 && point <= 0xFAFF)
                          || (point >= 0xFE30 && point <= 0xFE4F) || (point >= 0xFF00 && point <= 0xFF60)
                          || (point >= 0xFFE0 && point <= 0xFFE6) || point >= 0x20000;
        width += wide ? 2 : 1;
        i += len;
    }
    return width;
}

std::string jsonString(const std::string &text)
{
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

std::string shortestNumber(double value)
{
    // Whole numbers as integers (a tooth count of 100000, not 1e+05), and zero without a sign.
    if (value == 0)
        return "0";
    char buf[32];
    if (value == std::trunc(value) && std::fabs(value) < 1e15)
        return std::string(buf, std::to_chars(buf, buf + sizeof buf, static_cast<long long>(value)).ptr);
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    return ec == std::errc() ? std::string(buf, end) : std::string("null");
}

std::string sheetNumber(double value, int decimals)
{
    // std::to_chars: the C library's printf follows the locale Qt's application sets.
    char buf[400];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    std::string text = ec == std::errc() ? std::string(buf, end) : std::string("-");
    // A value that rounds to zero is shown without a sign.
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return text;
}

std::string sheetSignedNumber(double value, int decimals)
{
    const std::string text = sheetNumber(value, decimals);
    return text.front() == '-' || text.find_first_not_of("0.") == std::string::npos ? text : "+" + text;
}

std::string csvField(const std::string &text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string out = "\"";
    for (const char ch : text)
        out += ch == '"' ? std::string("\"\"") : std::string(1, ch);
    return out + "\"";
}

std::string markupEscaped(const std::string &text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '&': out += "&amp;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string csvRecord(const std::vector<std::pair<std::string, std::string>> &columns)
{
    std::string header, values;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (i) {
            header += ',';
            values += ',';
        }
        header += csvField(columns[i].first);
        values += csvField(columns[i].second);
    }
    return header + "\n" + values + "\n";
}

std::string alignedText(const std::vector<std::vector<std::string>> &cells)
{
    std::vector<std::size_t> widths;
    for (const auto &line : cells) {
        widths.resize(std::max(widths.size(), line.size()), 0);
        for (std::size_t i = 0; i < line.size(); ++i)
            widths[i] = std::max(widths[i], displayWidth(line[i]));
    }
    std::string out;
    for (const auto &line : cells) {
        std::string text;
        for (std::size_t i = 0; i < line.size(); ++i) {
            const std::string pad(widths[i] - displayWidth(line[i]), ' ');
            text += (i ? "  " : "") + (i < 2 ? line[i] + pad : pad + line[i]);
        }
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        out += text + "\n";
    }
    return out;
}

} // namespace geardim
