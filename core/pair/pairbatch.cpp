#include "core/pair/pairbatch.h"

#include <array>
#include <optional>

#include "core/common/numberparse.h"
#include "core/common/translatable.h"
#include "core/pair/pairinputs.h"
#include "core/pair/pairreport.h"

namespace geardim {

RecordBatchSummary runPairBatch(std::istream &in, std::ostream &out, const TextTranslator &tr)
{
    RecordBatchFeature feature;
    for (const PairOption &o : pairOptions())
        feature.columns.emplace_back(o.name);
    for (std::size_t c = 0; c < feature.columns.size(); ++c) {
        if (feature.columns[c] == "teeth1" || feature.columns[c] == "teeth2")
            feature.required.push_back(c);
    }
    feature.missingColumn = QT_TRANSLATE_NOOP("Batch", "表头中缺少 %1 列。");
    feature.unknownColumn = QT_TRANSLATE_NOOP("Batch", "表头中的列“%1”不是齿轮副的输入。");
    // A sample pair names the result columns.
    const auto sample = computePair({.module = 1, .gear1 = {.teeth = 20}, .gear2 = {.teeth = 40}});
    for (const auto &column : pairColumns(sample.value()))
        feature.resultColumns.push_back(column.first);
    std::array<std::optional<PairResult>, kRecordRing> pairs;
    feature.compute = [&](std::size_t slot, const RecordCells &cells) -> std::string {
        pairs[slot].reset();
        PairInput input;
        for (std::size_t c = 0; c < cells.byColumn.size(); ++c) {
            if (blankCell(cells.byColumn[c]))
                continue;
            const std::optional<double> v = parseDouble(cells.byColumn[c]);
            if (!v)
                return filled(translated(tr, "Batch", QT_TRANSLATE_NOOP("Batch", "%1 列的值不是数。")), feature.columns[c]);
            setPairOptionNumber(pairOptions()[c], input, v);
        }
        Outcome<PairResult, PairFailure> pair = computePair(input);
        if (!pair.ok())
            return pairFailureText(pair.failure(), tr);
        pairs[slot] = std::move(pair.value());
        return {};
    };
    feature.write = [&](std::size_t slot, std::string &line) {
        for (const auto &column : pairColumns(*pairs[slot])) {
            line += ',';
            line += csvField(column.second);
        }
        return RecordJudged{};
    };
    return runRecordBatch(in, out, feature, tr);
}

} // namespace geardim
