#pragma once

#include <string>
#include <vector>

#include "core/gear/gear.h"
#include "core/sheet/sheetreport.h"

// The gear data table in a drawing's corner: the gear's data, its accuracy class and the
// inspection dimensions with their deviations, as a list of caption and value.
namespace geardim {

struct GearDataRow {
    std::string caption; // in the language shown
    std::string value;
};

std::vector<GearDataRow> gearDataRows(const SheetResult &sheet, const TextTranslator &tr = {});

// The rows as CSV (a UTF-8 byte-order mark, caption,value, with a header) and as an SVG
// table of two columns.
std::string gearDataCsv(const std::vector<GearDataRow> &rows, const TextTranslator &tr = {});
std::string gearDataSvg(const std::vector<GearDataRow> &rows);

} // namespace geardim
