#include "sheet/sheetreport.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace geardim {
namespace {

SheetRow limitRow(std::string quantity, std::string unit, const Limits &l)
{
    return {std::move(quantity), std::move(unit), l.nominal, l.max, l.min};
}

SheetRow singleRow(std::string quantity, std::string unit, double value, bool whole = false)
{
    return {std::move(quantity), std::move(unit), value, std::nullopt, std::nullopt, whole};
}

// The display width of UTF-8 text: CJK characters take two columns.
std::size_t displayWidth(const std::string &text)
{
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        width += len == 3 ? 2 : 1;
        i += len;
    }
    return width;
}

std::string padded(const std::string &text, std::size_t width, bool right)
{
    const std::size_t w = displayWidth(text);
    const std::string pad(w < width ? width - w : 0, ' ');
    return right ? pad + text : text + pad;
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

std::string jsonLimits(const Limits &l)
{
    return "{\"nominal\": " + shortestNumber(l.nominal) + ", \"max\": " + shortestNumber(l.max)
           + ", \"min\": " + shortestNumber(l.min) + "}";
}

std::string jsonLimits(const std::optional<Limits> &l) { return l ? jsonLimits(*l) : "null"; }

std::vector<std::string> warningTexts(const SheetResult &r)
{
    std::vector<std::string> out;
    for (SheetWarning w : r.warnings)
        out.emplace_back(sheetWarningText(w));
    return out;
}

const char *gaugeKindName(GaugeKind kind) { return kind == GaugeKind::Ball ? "ball" : "pin"; }

} // namespace

int sheetDecimals(const SheetResult &r) { return r.inches ? 5 : 4; }

std::string shortestNumber(double value)
{
    char buf[32];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    return ec == std::errc() ? std::string(buf, end) : std::string("null");
}

std::string sheetNumber(double value, int decimals)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    std::string text(buf);
    // A value that rounds to zero is shown without a sign.
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return text;
}

std::vector<SheetRow> sheetRows(const SheetResult &r)
{
    const std::string mm = r.inches ? "in" : "mm";
    const bool balls = r.gauge == GaugeKind::Ball;
    const std::string gauge = balls ? "量球" : "量棒";
    std::vector<SheetRow> rows;
    rows.push_back(singleRow("分度圆直径 d", mm, r.referenceDiameter));
    rows.push_back(singleRow("基圆直径 db", mm, r.baseDiameter));
    rows.push_back(singleRow("齿顶圆直径 da", mm, r.tipDiameter));
    rows.push_back({"变位系数 x", "", r.shift, std::max(r.shiftAtUpper, r.shiftAtLower),
                    std::min(r.shiftAtUpper, r.shiftAtLower)});
    rows.push_back(limitRow("法向齿厚 sn", mm, r.thickness));
    if (r.chordalThickness) {
        rows.push_back(limitRow("分度圆弦齿厚", mm, *r.chordalThickness));
        rows.push_back(limitRow("弦齿高", mm, *r.chordalHeight));
        rows.push_back(limitRow("固定弦齿厚", mm, *r.constantChord));
        rows.push_back(limitRow("固定弦齿高", mm, *r.constantChordHeight));
    }
    if (r.span) {
        rows.push_back(singleRow("跨测齿数 k", "", r.span->teeth, true));
        rows.push_back(limitRow("公法线长度 W", mm, r.span->length));
        rows.push_back(singleRow("公法线接触圆直径", mm, r.span->contactDiameter));
    }
    rows.push_back(singleRow(gauge + "直径 D" + (r.gaugeProposed ? "（建议）" : ""), mm, r.gaugeDiameter));
    rows.push_back(limitRow(std::string(r.internal ? (balls ? "球间距" : "棒间距") : (balls ? "跨球距" : "跨棒距")) + " M",
                            mm, r.overGauges));
    rows.push_back(limitRow("单" + std::string(balls ? "球" : "棒") + "径向尺寸", mm, r.radial));
    rows.push_back(limitRow(gauge + "接触圆直径", mm, r.gaugeContactDiameter));
    return rows;
}

std::vector<std::array<std::string, 5>> tableCells(const SheetResult &r);

std::string sheetText(const SheetResult &r)
{
    auto cells = tableCells(r);
    cells.front()[0].clear(); // the row names and units need no heading on a terminal
    cells.front()[1].clear();
    std::array<std::size_t, 5> widths{};
    for (const auto &line : cells) {
        for (std::size_t c = 0; c < 5; ++c)
            widths[c] = std::max(widths[c], displayWidth(line[c]));
    }
    std::string out;
    for (const auto &line : cells) {
        std::string text = padded(line[0], widths[0], false) + "  " + padded(line[1], widths[1], false);
        for (std::size_t c = 2; c < 5; ++c)
            text += "  " + padded(line[c], widths[c], true);
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        out += text + "\n";
    }
    for (const std::string &w : warningTexts(r))
        out += "注意：" + w + "\n";
    return out;
}

std::vector<std::pair<std::string, std::string>> sheetColumns(const SheetResult &r)
{
    std::vector<std::pair<std::string, std::string>> c;
    const auto num = [](double v) { return shortestNumber(v); };
    const auto limits = [&](const std::string &name, const std::optional<Limits> &l) {
        c.emplace_back(name + ".nominal", l ? num(l->nominal) : "");
        c.emplace_back(name + ".max", l ? num(l->max) : "");
        c.emplace_back(name + ".min", l ? num(l->min) : "");
    };
    c.emplace_back("units", r.inches ? "in" : "mm");
    c.emplace_back("gear.module", num(r.module));
    c.emplace_back("gear.teeth", num(r.teeth));
    c.emplace_back("gear.pressureAngle", num(r.pressureAngleDeg));
    c.emplace_back("gear.helixAngle", num(r.helixAngleDeg));
    c.emplace_back("gear.shift", num(r.shift));
    c.emplace_back("gear.internal", r.internal ? "true" : "false");
    c.emplace_back("gear.referenceDiameter", num(r.referenceDiameter));
    c.emplace_back("gear.baseDiameter", num(r.baseDiameter));
    c.emplace_back("gear.tipDiameter", num(r.tipDiameter));
    c.emplace_back("allowances.upper", num(r.allowanceUpper));
    c.emplace_back("allowances.lower", num(r.allowanceLower));
    c.emplace_back("shift.nominal", num(r.shift));
    c.emplace_back("shift.atUpper", num(r.shiftAtUpper));
    c.emplace_back("shift.atLower", num(r.shiftAtLower));
    limits("thickness", r.thickness);
    limits("chordalThickness", r.chordalThickness);
    limits("chordalHeight", r.chordalHeight);
    limits("constantChord", r.constantChord);
    limits("constantChordHeight", r.constantChordHeight);
    limits("overGauges", r.overGauges);
    limits("radial", r.radial);
    c.emplace_back("span.teeth", r.span ? std::to_string(r.span->teeth) : "");
    limits("span", r.span ? std::optional<Limits>(r.span->length) : std::nullopt);
    c.emplace_back("span.contactDiameter", r.span ? num(r.span->contactDiameter) : "");
    c.emplace_back("gauge.kind", gaugeKindName(r.gauge));
    c.emplace_back("gauge.diameter", num(r.gaugeDiameter));
    c.emplace_back("gauge.proposed", r.gaugeProposed ? "true" : "false");
    limits("gauge.contactDiameter", r.gaugeContactDiameter);
    std::string warnings;
    for (const std::string &w : warningTexts(r))
        warnings += (warnings.empty() ? "" : " | ") + w;
    c.emplace_back("warnings", warnings);
    return c;
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

std::string sheetCsv(const SheetResult &r)
{
    const auto columns = sheetColumns(r);
    std::string header, values;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        header += (i ? "," : "") + csvField(columns[i].first);
        values += (i ? "," : "") + csvField(columns[i].second);
    }
    return header + "\n" + values + "\n";
}

std::string sheetJson(const SheetResult &r)
{
    const auto num = [](double v) { return shortestNumber(v); };
    std::string j = "{\"units\": " + jsonString(r.inches ? "in" : "mm") + ",\n";
    j += " \"gear\": {\"module\": " + num(r.module) + ", \"teeth\": " + num(r.teeth) + ", \"pressureAngle\": "
         + num(r.pressureAngleDeg) + ", \"helixAngle\": " + num(r.helixAngleDeg) + ", \"shift\": " + num(r.shift)
         + ", \"internal\": " + (r.internal ? "true" : "false") + ", \"referenceDiameter\": "
         + num(r.referenceDiameter) + ", \"baseDiameter\": " + num(r.baseDiameter) + ", \"tipDiameter\": "
         + num(r.tipDiameter) + "},\n";
    j += " \"allowances\": {\"upper\": " + num(r.allowanceUpper) + ", \"lower\": " + num(r.allowanceLower) + "},\n";
    j += " \"shift\": {\"nominal\": " + num(r.shift) + ", \"atUpper\": " + num(r.shiftAtUpper) + ", \"atLower\": "
         + num(r.shiftAtLower) + "},\n";
    j += " \"thickness\": " + jsonLimits(r.thickness) + ",\n";
    j += " \"chordalThickness\": " + jsonLimits(r.chordalThickness) + ",\n";
    j += " \"chordalHeight\": " + jsonLimits(r.chordalHeight) + ",\n";
    j += " \"constantChord\": " + jsonLimits(r.constantChord) + ",\n";
    j += " \"constantChordHeight\": " + jsonLimits(r.constantChordHeight) + ",\n";
    j += " \"overGauges\": " + jsonLimits(r.overGauges) + ",\n";
    j += " \"radial\": " + jsonLimits(r.radial) + ",\n";
    if (r.span) {
        j += " \"span\": {\"teeth\": " + std::to_string(r.span->teeth) + ", \"nominal\": "
             + num(r.span->length.nominal) + ", \"max\": " + num(r.span->length.max) + ", \"min\": "
             + num(r.span->length.min) + ", \"contactDiameter\": " + num(r.span->contactDiameter) + "},\n";
    } else {
        j += " \"span\": null,\n";
    }
    j += " \"gauge\": {\"kind\": " + jsonString(gaugeKindName(r.gauge)) + ", \"diameter\": " + num(r.gaugeDiameter)
         + ", \"proposed\": " + (r.gaugeProposed ? "true" : "false")
         + ", \"contactDiameter\": " + jsonLimits(r.gaugeContactDiameter) + "},\n";
    j += " \"warnings\": [";
    const auto texts = warningTexts(r);
    for (std::size_t i = 0; i < texts.size(); ++i)
        j += (i ? ", " : "") + jsonString(texts[i]);
    j += "]}\n";
    return j;
}

// The table's cells as shown: a header line, then one line per row.
std::vector<std::array<std::string, 5>> tableCells(const SheetResult &r)
{
    const int decimals = sheetDecimals(r);
    std::vector<std::array<std::string, 5>> cells{{"项目", "单位", "公称", "上限", "下限"}};
    for (const SheetRow &row : sheetRows(r)) {
        const auto number = [&](double v) { return row.whole ? sheetNumber(v, 0) : sheetNumber(v, decimals); };
        cells.push_back({row.quantity, row.unit, number(row.nominal), row.max ? number(*row.max) : "",
                         row.min ? number(*row.min) : ""});
    }
    return cells;
}

namespace {

std::string htmlEscaped(const std::string &text)
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

} // namespace

std::string sheetTsv(const SheetResult &r)
{
    std::string out;
    for (const auto &line : tableCells(r)) {
        for (std::size_t c = 0; c < line.size(); ++c)
            out += (c ? "\t" : "") + line[c];
        out += "\n";
    }
    return out;
}

std::string sheetHtml(const SheetResult &r)
{
    std::string out = "<table>\n";
    bool header = true;
    for (const auto &line : tableCells(r)) {
        out += "<tr>";
        for (const std::string &cell : line)
            out += (header ? "<th>" : "<td>") + htmlEscaped(cell) + (header ? "</th>" : "</td>");
        out += "</tr>\n";
        header = false;
    }
    return out + "</table>\n";
}

} // namespace geardim
