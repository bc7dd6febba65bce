#pragma once

#include <iosfwd>

#include "core/common/recordbatch.h"

// Many gear pairs at once on the shared batch engine: the header names the pair command's
// options without their dashes (teeth1 and teeth2 required), one pair a line; the result
// columns are those of the pair's CSV.
namespace geardim {

RecordBatchSummary runPairBatch(std::istream &in, std::ostream &out, const TextTranslator &tr = {});

} // namespace geardim
