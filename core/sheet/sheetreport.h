#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/common/text.h"
#include "core/measure/measurement.h"
#include "core/gear/gear.h"

// The inspection sheet written out: as the rows of its table, as text, CSV and JSON.
namespace geardim {

// One row of the sheet's table. Single-valued rows (circles, the span count, the
// gauge) have no limits.
struct SheetRow {
    std::string quantity;   // the row's name, UTF-8, a text to translate
    std::string unit;       // "mm", "in" or "" for a pure number
    double nominal = 0;
    std::optional<double> max, min;
    bool whole = false;     // a count, written without decimals
    std::optional<std::pair<double, double>> deviations; // max − nominal, min − nominal: the upper first
    std::string argument;   // fills "%1" in the name (the span count of a neighbouring span)
    std::optional<MeasuredDimension> measured; // the dimension an inspector measures on this row
    std::optional<int> decimals;                // where the row's figures have their own (tolerances in µm)
};

// The row's name in the language shown, its "%1" filled in.
std::string sheetRowName(const SheetRow &row, const TextTranslator &tr = {});

// The rows of the table, in the order the window shows them.
std::vector<SheetRow> sheetRows(const SheetResult &r);

// The two deviations as a drawing writes them beside the nominal: "-0.0728/-0.1467",
// a sign on each that is not zero, the upper (max − nominal) first.
std::string sheetDeviations(double upper, double lower, int decimals);

// The table's columns: 项目, 单位, 公称, 上限, 下限, 偏差.
inline constexpr std::size_t kSheetColumns = 6;

// The table's cells as shown: a heading line, then one line per row, numbers to the
// sheet's decimals, an absent limit empty.
std::vector<std::array<std::string, kSheetColumns>> sheetTableCells(const SheetResult &r, const TextTranslator &tr = {});

// A measured dimension's name as the table's row names it (跨球距 M, 公法线长度 W, …).
const char *measuredCaption(MeasuredDimension dimension, const SheetResult &r);

// One line per measured value: the value, the actual thickness, allowance and shift, and
// the verdict in words, or why the value means nothing for this gear.
std::vector<std::string> sheetMeasuredLines(const SheetResult &r, const TextTranslator &tr = {});

// The warnings in the language shown, their figures filled in.
std::vector<std::string> sheetWarningMessages(const SheetResult &r, const TextTranslator &tr = {});

// Where the allowances came from when an allowance code was given: the table, the typed
// values, or one of each; empty without a code.
std::string allowanceSourceNote(const SheetResult &r, const TextTranslator &tr = {});

// The table as plain text: one row a line, columns aligned, then the warnings.
std::string sheetText(const SheetResult &r, const TextTranslator &tr = {});

// Every result as (name, value) pairs named as in the JSON, nested names joined
// with a dot ("overGauges.max"); numbers in their shortest exact form, absent
// values empty, warnings joined by " | ".
std::vector<std::pair<std::string, std::string>> sheetColumns(const SheetResult &r, const TextTranslator &tr = {});

// The names of sheetColumns, which do not depend on the values.
std::vector<std::string> sheetColumnNames();

// Appends every value of sheetColumns to a CSV line, each after a comma: the fast
// path of the batch, which writes a million of them.
void appendSheetCsvValues(const SheetResult &r, std::string &out, const TextTranslator &tr = {});

// One header line and one data line of sheetColumns, RFC 4180 quoting.
std::string sheetCsv(const SheetResult &r, const TextTranslator &tr = {});

// The table for a spreadsheet: tab-separated (项目, 单位, 公称, 上限, 下限, 偏差) with the
// shown decimals, one cell per value, and the same as an HTML table.
std::string sheetTsv(const SheetResult &r, const TextTranslator &tr = {});
std::string sheetHtml(const SheetResult &r, const TextTranslator &tr = {});

// The JSON document of the sheet.
std::string sheetJson(const SheetResult &r, const TextTranslator &tr = {});


} // namespace geardim
