#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/common/text.h"
#include "core/pair/pair.h"

// The gear pair written out: its two tables (each gear's data side by side, and the pair's
// quantities with their least and greatest values), as text, CSV and JSON, and its warnings.
namespace geardim {

struct PairRow {
    std::string name;                         // in the language shown
    std::string unit;                         // "mm", "in", "°" or "" for a pure number
    std::vector<std::optional<double>> values; // by the table's columns after name and unit
    int decimals = 4;
};

struct PairTable {
    std::vector<std::string> headings;        // name, unit, then the values' columns
    std::vector<PairRow> rows;
};

// Gear 1 and gear 2 side by side: teeth, shifts, diameters, allowances, tip clearances.
PairTable pairGearTable(const PairResult &r, const TextTranslator &tr = {});
// The pair: shifts' sums, centre distances, working pressure angle, backlash, contact ratios;
// columns nominal, least, greatest.
PairTable pairTable(const PairResult &r, const TextTranslator &tr = {});

// Decimals of the pair's lengths: 4 in mm, 5 in inches.
int pairDecimals(const PairResult &r);

// The warnings in the language shown, in the order of r.warnings.
std::vector<std::string> pairWarningMessages(const PairResult &r, const TextTranslator &tr = {});

// A table's cells as shown: the headings, then one line per row.
std::vector<std::vector<std::string>> pairTableCells(const PairTable &table);

std::string pairText(const PairResult &r, const TextTranslator &tr = {});
// The columns of one CSV line (name, value), the batch's and --format csv's.
std::vector<std::pair<std::string, std::string>> pairColumns(const PairResult &r);
std::string pairCsv(const PairResult &r);
std::string pairJson(const PairResult &r, const TextTranslator &tr = {});

// Why there is no pair, in the language shown: the failure, with the gear it belongs to.
std::string pairFailureText(const PairFailure &failure, const TextTranslator &tr = {});

} // namespace geardim
