#include "core/common/recordbatch.h"

#include <array>
#include <condition_variable>
#include <istream>
#include <mutex>
#include <ostream>
#include <thread>

#include "core/common/csvrecords.h"
#include "core/common/translatable.h"

namespace geardim {
namespace {

// A header name as a message quotes it: at most 40 bytes, cut between UTF-8 characters.
std::string quotedName(const std::string &name)
{
    if (name.size() <= 40)
        return name;
    std::size_t cut = 40;
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80)
        --cut;
    return name.substr(0, cut) + "…";
}

// One line between the two stages: its input columns as written, and whether the feature's
// ring holds its result or why not.
struct Slot {
    std::string line;
    std::string error;
};

} // namespace

bool blankCell(const std::string &text) { return text.find_first_not_of(" \t\r") == std::string::npos; }

std::string batchText(const TextTranslator &tr, const char *context, const char *text, std::initializer_list<std::string> arguments)
{
    const std::string pattern = translated(tr, context, text);
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool marker = pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1'
                            && std::size_t(pattern[i + 1] - '1') < arguments.size();
        if (marker) {
            out += *(arguments.begin() + (pattern[i + 1] - '1'));
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

RecordBatchSummary runRecordBatch(std::istream &in, std::ostream &out, const RecordBatchFeature &feature, const TextTranslator &tr)
{
    const auto said = [&](const char *text, std::initializer_list<std::string> arguments = {}) {
        return batchText(tr, "Batch", text, arguments);
    };
    RecordBatchSummary summary;
    LineSource source(in);
    std::vector<std::string> header;
    RecordProblem problem;
    // Blank lines before the header are passed over.
    bool read = false;
    while ((read = readRecord(source, header, problem)) && problem.kind == RecordProblem::None && blankRecord(header)) {
    }
    if (read && problem.kind != RecordProblem::None) {
        summary.problem = recordProblemText(problem, tr);
        return summary;
    }
    if (!read) {
        summary.problem = said(QT_TRANSLATE_NOOP("Batch", "批量文件没有表头。"));
        return summary;
    }
    std::vector<int> at(feature.columns.size(), -1);
    std::vector<std::size_t> headerOrder;
    for (std::size_t i = 0; i < header.size(); ++i) {
        std::string &name = header[i];
        if (name.rfind("\xEF\xBB\xBF", 0) == 0)
            name.erase(0, 3); // a byte-order mark from a spreadsheet
        std::size_t c = 0;
        while (c < feature.columns.size() && feature.columns[c] != name)
            ++c;
        if (c == feature.columns.size()) {
            summary.problem = said(feature.unknownColumn ? feature.unknownColumn : QT_TRANSLATE_NOOP("Batch", "批量文件的表头有未知的列“%1”。"),
                                   {quotedName(name)});
            return summary;
        }
        if (at[c] >= 0) {
            summary.problem = said(QT_TRANSLATE_NOOP("Batch", "批量文件的表头有两列“%1”。"), {name});
            return summary;
        }
        at[c] = int(i);
        headerOrder.push_back(c);
    }
    for (std::size_t c : feature.required) {
        if (at[c] < 0) {
            summary.problem = said(feature.missingColumn, {feature.columns[c]});
            return summary;
        }
    }
    // The header: the input columns as they came, the result columns, the error column.
    std::vector<std::string> names = header;
    names.insert(names.end(), feature.resultColumns.begin(), feature.resultColumns.end());
    names.emplace_back("error");
    writeRecord(out, names);
    const std::string emptyResult(feature.resultColumns.size(), ',');

    // The writer turns results into text, which costs about as much as computing them. Each
    // side sleeps while it waits for the other, and the reader is woken once per half ring,
    // not once per line, so the two threads do not take turns at every line.
    std::array<Slot, kRecordRing> ring;
    std::mutex lock;
    std::condition_variable changed;
    std::size_t produced = 0, consumed = 0;
    bool finished = false, outputFailed = false, writerWaits = false, readerWaits = false;
    std::thread writer([&] {
        std::string line;
        for (std::size_t next = 0;; ++next) {
            {
                std::unique_lock<std::mutex> hold(lock);
                while (produced == next && !finished) {
                    writerWaits = true;
                    changed.wait(hold);
                    writerWaits = false;
                }
                if (produced == next)
                    return;
            }
            Slot &s = ring[next % kRecordRing];
            line.swap(s.line);
            if (s.error.empty()) {
                const RecordJudged judged = feature.write(next % kRecordRing, line);
                summary.partsFailing += judged.fails; // only this thread touches them until the join
                summary.partsNotJudged += judged.notJudged;
            } else {
                line += emptyResult;
            }
            line += ',';
            line += csvField(s.error);
            line += '\n';
            out.write(line.data(), std::streamsize(line.size()));
            line.swap(s.line);
            const bool failed = !out;
            std::lock_guard<std::mutex> hold(lock);
            consumed = next + 1;
            outputFailed = failed;
            if ((readerWaits && produced - consumed <= kRecordRing / 2) || failed)
                changed.notify_all();
            if (failed)
                return; // nothing more can be written: the reader stops too
        }
    });

    std::vector<std::string> fields, cells(feature.columns.size());
    for (std::size_t next = 0; readRecord(source, fields, problem);) {
        if (problem.kind == RecordProblem::None && blankRecord(fields))
            continue;
        {
            std::unique_lock<std::mutex> hold(lock);
            if (next - consumed >= kRecordRing) {
                while (next - consumed > kRecordRing / 2 && !outputFailed) {
                    readerWaits = true;
                    changed.wait(hold);
                    readerWaits = false;
                }
            }
            if (outputFailed)
                break;
        }
        Slot &s = ring[next % kRecordRing];
        s.line.clear();
        s.error.clear();
        if (problem.kind != RecordProblem::None) {
            s.line.assign(header.size() - 1, ',');
            s.error = recordProblemText(problem, tr);
        } else {
            for (std::size_t i = 0; i < header.size(); ++i) {
                if (i)
                    s.line += ',';
                if (i < fields.size())
                    s.line += csvField(fields[i]);
            }
            if (fields.size() != header.size())
                s.error = said(QT_TRANSLATE_NOOP("Batch", "这一行有 %1 列，表头有 %2 列。"),
                               {std::to_string(fields.size()), std::to_string(header.size())});
        }
        if (s.error.empty()) {
            for (std::size_t c = 0; c < cells.size(); ++c)
                cells[c] = at[c] >= 0 ? std::move(fields[std::size_t(at[c])]) : std::string();
            s.error = feature.compute(next % kRecordRing, RecordCells{cells, headerOrder});
        }
        ++summary.lines;
        if (!s.error.empty())
            ++summary.withoutResult;
        std::lock_guard<std::mutex> hold(lock);
        produced = ++next;
        if (writerWaits)
            changed.notify_all();
    }
    {
        std::lock_guard<std::mutex> hold(lock);
        finished = true;
        changed.notify_all();
    }
    writer.join();
    return summary;
}

} // namespace geardim
