#include "core/pair/pairbatch.h"

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
    feature.compute = [&](const std::vector<std::string> &cells) {
        RecordLine line;
        PairInput input;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (blankCell(cells[c]))
                continue;
            const std::optional<double> v = parseDouble(cells[c]);
            if (!v) {
                line.error = filled(translated(tr, "Batch", QT_TRANSLATE_NOOP("Batch", "%1 列的值不是数。")), feature.columns[c]);
                return line;
            }
            setPairOptionNumber(pairOptions()[c], input, v);
        }
        const Outcome<PairResult, PairFailure> pair = computePair(input);
        if (!pair.ok()) {
            line.error = pairFailureText(pair.failure(), tr);
            return line;
        }
        for (auto &column : pairColumns(pair.value()))
            line.values.push_back(std::move(column.second));
        return line;
    };
    return runRecordBatch(in, out, feature, tr);
}

} // namespace geardim
