#include "core/gear/allowancetable.h"

#include <cmath>

#include "core/common/angle.h"
#include "core/common/numberparse.h"
#include "core/common/translatable.h"
#include "core/gear/gear.h"

namespace geardim {
namespace {

constexpr const char *kContext = "AllowanceTable"; // the texts' translation context

std::vector<std::string_view> fields(std::string_view line)
{
    std::vector<std::string_view> out;
    for (std::size_t start = 0;;) {
        const std::size_t comma = line.find(',', start);
        out.push_back(trimmed(line.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start)));
        if (comma == std::string_view::npos)
            return out;
        start = comma + 1;
    }
}

std::string lineProblem(const TextTranslator &tr, const char *text, long line)
{
    std::string pattern = tr ? tr(kContext, text) : std::string(text);
    if (const auto at = pattern.find("%1"); at != std::string::npos)
        pattern.replace(at, 2, std::to_string(line));
    return pattern;
}

} // namespace

AllowanceTableRead parseAllowanceTable(std::string_view text, const TextTranslator &tr)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3); // a byte-order mark from a spreadsheet
    AllowanceTable table;
    bool header = false;
    long number = 0;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = text.find('\n', start);
        const std::string_view line = trimmed(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        ++number;
        start = end == std::string_view::npos ? text.size() + 1 : end + 1;
        if (line.empty() || line.front() == '#')
            continue;
        const auto f = fields(line);
        if (!header) {
            if (f.size() != 5 || f[0] != "code" || f[1] != "diameterFrom" || f[2] != "diameterTo" || f[3] != "upper" || f[4] != "lower")
                return {std::nullopt, lineProblem(tr, QT_TRANSLATE_NOOP("AllowanceTable", "第 %1 行应为表头 code,diameterFrom,diameterTo,upper,lower。"), number)};
            header = true;
            continue;
        }
        if (f.size() != 5 || f[0].empty())
            return {std::nullopt, lineProblem(tr, QT_TRANSLATE_NOOP("AllowanceTable", "第 %1 行应有 5 列：代号、直径自、直径至、上偏差、下偏差。"), number)};
        AllowanceRow row{std::string(f[0])};
        double *numbers[] = {&row.diameterFrom, &row.diameterTo, &row.upper, &row.lower};
        for (std::size_t i = 0; i < 4; ++i) {
            const auto value = parseDouble(f[i + 1]);
            if (!value)
                return {std::nullopt, lineProblem(tr, QT_TRANSLATE_NOOP("AllowanceTable", "第 %1 行有一个值不是有效的数字。"), number)};
            *numbers[i] = *value;
        }
        if (!(row.diameterFrom < row.diameterTo) || !(row.diameterFrom >= 0))
            return {std::nullopt, lineProblem(tr, QT_TRANSLATE_NOOP("AllowanceTable", "第 %1 行的直径范围不对：应为 0 ≤ 直径自 < 直径至。"), number)};
        if (row.upper < row.lower)
            return {std::nullopt, lineProblem(tr, QT_TRANSLATE_NOOP("AllowanceTable", "第 %1 行的上偏差小于下偏差。"), number)};
        table.rows.push_back(std::move(row));
    }
    if (!header)
        return {std::nullopt, lineProblem(tr, QT_TRANSLATE_NOOP("AllowanceTable", "偏差表没有表头（第 %1 行）。"), number)};
    return {std::move(table), std::string()};
}

Outcome<AllowanceRow> lookupAllowance(const AllowanceTable &table, std::string_view code, double diameterMm)
{
    bool known = false;
    for (const AllowanceRow &row : table.rows) {
        if (row.code != code)
            continue;
        known = true;
        // diameterFrom < d ≤ diameterTo
        if (row.diameterFrom < diameterMm && diameterMm <= row.diameterTo)
            return row;
    }
    return known ? Failure::AllowanceCodeNoDiameter : Failure::AllowanceCodeUnknown;
}

std::optional<Failure> applyAllowanceCode(SheetInput &in, const AllowanceTable *table, bool upperTyped, bool lowerTyped)
{
    in.allowancesFromCode = false;
    if (in.allowanceCode.empty())
        return std::nullopt;
    if (!table)
        return Failure::AllowanceCodeWithoutTable;
    if (!in.module.has_value() && !in.diametralPitch.has_value())
        return Failure::SizeNotGiven;
    // d in mm, the table's unit: the sheet's d, from inches for a gear given by its pitch.
    const bool inches = in.diametralPitch.has_value();
    const double mn = inches ? 1 / *in.diametralPitch : in.module.value_or(0);
    const double d = in.teeth * mn / std::cos(radians(in.helixAngleDeg)) * (inches ? 25.4 : 1.0);
    const auto row = lookupAllowance(*table, in.allowanceCode, d);
    if (!row.ok())
        return row.failure();
    // µm into the sheet's length unit.
    const double perMicron = inches ? 1 / 25400.0 : 1 / 1000.0;
    if (!upperTyped)
        in.allowanceUpper = row.value().upper * perMicron;
    if (!lowerTyped)
        in.allowanceLower = row.value().lower * perMicron;
    in.allowancesFromCode = !(upperTyped && lowerTyped);
    return std::nullopt;
}

} // namespace geardim
