#pragma once

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "core/common/text.h"

// The batch engine every feature shares: a CSV file in, its header naming the feature's input
// columns; a CSV file out with the input columns as they came, the feature's result columns
// and an error column saying why a line has no result. Two stages on two cores: one thread
// reads and computes each line, another writes it; they meet in a ring of kRecordRing lines,
// so a batch holds that many lines at the most whatever the length of its file.
namespace geardim {

inline constexpr std::size_t kRecordRing = 64;

// A line's cells by the feature's input column (empty where the header has none), and the
// feature's columns in the order the header names them.
struct RecordCells {
    const std::vector<std::string> &byColumn;
    const std::vector<std::size_t> &headerOrder;
};

// How the part of a line with a result was judged.
struct RecordJudged {
    bool fails = false, notJudged = false;
};

struct RecordBatchFeature {
    std::vector<std::string> columns;        // the input columns a header may name
    std::vector<std::size_t> required;       // those it must name
    const char *missingColumn = nullptr;     // "表头中缺少 %1 列。"-like text ("Batch"), %1 the column
    const char *unknownColumn = nullptr;     // the feature's words for a column it does not know ("Batch"); none: the batch's
    std::vector<std::string> resultColumns;  // the result columns' names
    // On the reading thread: computes the line into slot (below kRecordRing) of the feature's
    // own ring of results; returns why the line has no result, empty when it has one.
    std::function<std::string(std::size_t slot, const RecordCells &cells)> compute;
    // On the writing thread: appends the result columns of the line in slot to line, each
    // after a comma, and says how its part was judged.
    std::function<RecordJudged(std::size_t slot, std::string &line)> write;
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

// A batch's text in the language shown, its %1, %2 … replaced by the arguments.
std::string batchText(const TextTranslator &tr, const char *context, const char *text, std::initializer_list<std::string> arguments = {});

} // namespace geardim
