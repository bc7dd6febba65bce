#include "core/sheet/batch.h"

#include <array>
#include <optional>
#include <string_view>

#include "core/common/failure.h"
#include "core/common/recordbatch.h"
#include "core/common/translatable.h"
#include "core/gear/allowancetable.h"
#include "core/sheet/sheetinputs.h"
#include "core/sheet/sheetreport.h"

namespace geardim {

BatchSummary runBatch(std::istream &in, std::ostream &out, const SheetInput &defaults, const TextTranslator &tr,
                      const BatchOptions &options)
{
    BatchSummary summary;
    summary.measured.keepAllowances = options.keepAllowances;
    const std::span<const SheetOption> sheetInputs = sheetOptions();
    RecordBatchFeature feature;
    for (const SheetOption &o : sheetInputs)
        feature.columns.emplace_back(o.name);
    feature.resultColumns = sheetColumnNames();
    std::array<std::optional<SheetResult>, kRecordRing> sheets;
    feature.compute = [&](std::size_t slot, const RecordCells &cells) -> std::string {
        sheets[slot].reset();
        // The columns apply in the order the header names them, over the defaults.
        SheetInput gear = defaults;
        for (std::size_t c : cells.headerOrder) {
            if (!applySheetOption(sheetInputs[c], cells.byColumn[c], gear))
                return batchText(tr, "Batch", QT_TRANSLATE_NOOP("Batch", "列“%1”的值“%2”无效。"), {feature.columns[c], cells.byColumn[c]});
        }
        if (!gear.allowanceCode.empty()) {
            // Allowances typed in the line or on the command line win over the code.
            const auto typed = [&](std::string_view column, bool byDefault) {
                for (std::size_t c : cells.headerOrder) {
                    if (column == sheetInputs[c].name && !blankCell(cells.byColumn[c]))
                        return true;
                }
                return byDefault;
            };
            if (const auto failure = applyAllowanceCode(gear, options.allowances, typed("allowance-upper", options.upperTyped),
                                                        typed("allowance-lower", options.lowerTyped)))
                return batchText(tr, "Failure", failureText(*failure));
        }
        auto sheet = computeSheet(gear);
        if (!sheet.ok())
            return batchText(tr, "Failure", failureText(sheet.failure()));
        sheets[slot] = std::move(sheet.value());
        return {};
    };
    feature.write = [&](std::size_t slot, std::string &line) {
        const SheetResult &sheet = *sheets[slot];
        appendSheetCsvValues(sheet, line, tr);
        summary.measured.add(sheet); // only the writing thread touches it until the batch ends
        const std::optional<PartVerdict> part = sheetPartVerdict(sheet);
        return RecordJudged{part == PartVerdict::Fail, part == PartVerdict::NotJudged};
    };
    const RecordBatchSummary run = runRecordBatch(in, out, feature, tr);
    summary.gears = run.lines;
    summary.withoutResult = run.withoutResult;
    summary.problem = run.problem;
    summary.partsFailing = run.partsFailing;
    summary.partsNotJudged = run.partsNotJudged;
    return summary;
}

} // namespace geardim
