#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "core/common/text.h"

// The batch engine of a feature whose lines are computed one by one: a CSV file in, its
// header naming the feature's input columns; a CSV file out with the input columns as they
// came, the feature's result columns and an error column saying why a line has no result.
namespace geardim {

// What the feature says of one line: its result columns' values (as many as the result's
// column names), or the reason it has none; and whether the part it judged fails or could
// not be judged.
struct RecordLine {
    std::vector<std::string> values;
    std::string error;
    bool fails = false, notJudged = false;
};

struct RecordBatchFeature {
    std::vector<std::string> columns;        // the input columns a header may name
    std::vector<std::size_t> required;       // those it must name
    const char *missingColumn = nullptr;     // "表头中缺少 %1 列。"-like text ("Batch"), %1 the column
    const char *unknownColumn = nullptr;     // "the column “%1” is not an input of …" ("Batch")
    std::vector<std::string> resultColumns;  // the result columns' names
    // The line's result from its cells, by input column (empty when the header has none).
    std::function<RecordLine(const std::vector<std::string> &cells)> compute;
};

struct RecordBatchSummary {
    long lines = 0;          // data lines read
    long withoutResult = 0;  // lines whose error column is filled
    std::string problem;     // a header that cannot be read; nothing was computed then
    long partsFailing = 0;
    long partsNotJudged = 0;
};

RecordBatchSummary runRecordBatch(std::istream &in, std::ostream &out, const RecordBatchFeature &feature, const TextTranslator &tr = {});

// A cell of blanks only: no value.
bool blankCell(const std::string &text);

} // namespace geardim
