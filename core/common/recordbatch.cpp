#include "core/common/recordbatch.h"

#include <istream>
#include <ostream>

#include "core/common/csvrecords.h"
#include "core/common/translatable.h"

namespace geardim {

bool blankCell(const std::string &text) { return text.find_first_not_of(" \t\r") == std::string::npos; }

RecordBatchSummary runRecordBatch(std::istream &in, std::ostream &out, const RecordBatchFeature &feature, const TextTranslator &tr)
{
    const auto said = [&](const char *text, const std::string &argument = {}) { return filled(translated(tr, "Batch", text), argument); };
    RecordBatchSummary summary;
    LineSource source(in);
    std::vector<std::string> header;
    RecordProblem problem;
    bool read;
    while ((read = readRecord(source, header, problem)) && problem.kind == RecordProblem::None && blankRecord(header)) {
    }
    if (!read || problem.kind != RecordProblem::None) {
        summary.problem = said(QT_TRANSLATE_NOOP("Batch", "没有可读的表头。"));
        return summary;
    }
    std::vector<int> at(feature.columns.size(), -1);
    for (std::size_t i = 0; i < header.size(); ++i) {
        std::string name = header[i];
        if (i == 0 && name.rfind("\xEF\xBB\xBF", 0) == 0)
            name.erase(0, 3); // a byte-order mark
        bool known = false;
        for (std::size_t c = 0; c < feature.columns.size(); ++c) {
            if (name == feature.columns[c]) {
                if (at[c] >= 0) {
                    summary.problem = said(QT_TRANSLATE_NOOP("Batch", "表头中的列“%1”出现了两次。"), name);
                    return summary;
                }
                at[c] = int(i);
                known = true;
            }
        }
        if (!known) {
            summary.problem = said(feature.unknownColumn, name.substr(0, 40));
            return summary;
        }
    }
    for (std::size_t c : feature.required) {
        if (at[c] < 0) {
            summary.problem = said(feature.missingColumn, feature.columns[c]);
            return summary;
        }
    }
    // The header: the input columns as they came, the result columns, the error column.
    std::vector<std::string> names = header;
    names.insert(names.end(), feature.resultColumns.begin(), feature.resultColumns.end());
    names.push_back("error");
    writeRecord(out, names);
    std::vector<std::string> fields;
    while (readRecord(source, fields, problem)) {
        if (problem.kind == RecordProblem::None && blankRecord(fields))
            continue;
        ++summary.lines;
        std::vector<std::string> line(header.size());
        RecordLine result;
        if (problem.kind != RecordProblem::None) {
            result.error = recordProblemText(problem, tr);
        } else {
            for (std::size_t i = 0; i < header.size() && i < fields.size(); ++i)
                line[i] = fields[i];
            if (fields.size() > header.size())
                result.error = said(QT_TRANSLATE_NOOP("Batch", "这一行的字段比表头多。"));
        }
        if (result.error.empty()) {
            std::vector<std::string> cells(feature.columns.size());
            for (std::size_t c = 0; c < cells.size(); ++c) {
                if (at[c] >= 0 && std::size_t(at[c]) < fields.size())
                    cells[c] = fields[std::size_t(at[c])];
            }
            result = feature.compute(cells);
        }
        if (result.error.empty()) {
            summary.partsFailing += result.fails;
            summary.partsNotJudged += result.notJudged;
            result.values.resize(feature.resultColumns.size());
            for (std::string &value : result.values)
                line.push_back(std::move(value));
            line.emplace_back();
        } else {
            ++summary.withoutResult;
            line.resize(line.size() + feature.resultColumns.size());
            line.push_back(result.error);
        }
        writeRecord(out, line);
        if (!out)
            break;
    }
    return summary;
}

} // namespace geardim
