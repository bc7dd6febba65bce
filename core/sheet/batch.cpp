#include "core/sheet/batch.h"

#include <array>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <set>
#include <istream>
#include <optional>
#include <thread>
#include <ostream>
#include <vector>

#include "core/common/failure.h"
#include "core/common/translatable.h"
#include "core/common/csvrecords.h"
#include "core/gear/allowancetable.h"
#include "core/sheet/sheetinputs.h"
#include "core/sheet/sheetreport.h"

namespace geardim {
namespace {

// One line between the two stages: its input columns as written, and its sheet or the reason.
struct Computed {
    std::string line;
    std::optional<SheetResult> sheet;
    std::string error;
};

constexpr std::size_t kRingSize = 64;

// A text of the batch in the language shown, its %1, %2 … replaced by the arguments.
std::string batchText(const TextTranslator &tr, const char *context, const char *text,
                      std::initializer_list<std::string> arguments = {})
{
    const std::string pattern = tr ? tr(context, text) : std::string(text);
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

} // namespace

namespace {

// A header name as a message quotes it: at most 40 characters, the rest cut.


std::string quotedName(const std::string &name)
{
    if (name.size() <= 40)
        return name;
    std::size_t cut = 40;
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80)
        --cut; // not inside a UTF-8 character
    return name.substr(0, cut) + "…";
}

} // namespace

BatchSummary runBatch(std::istream &in, std::ostream &out, const SheetInput &defaults, const TextTranslator &tr,
                      const BatchOptions &options)
{
    BatchSummary summary;
    summary.measured.keepAllowances = options.keepAllowances;
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
        summary.problem = batchText(tr, "Batch", QT_TRANSLATE_NOOP("Batch", "批量文件没有表头。"));
        return summary;
    }
    std::vector<const SheetOption *> columns;
    std::set<std::string> seen;
    for (std::string &name : header) {
        if (name.size() >= 3 && name.compare(0, 3, "\xEF\xBB\xBF") == 0)
            name.erase(0, 3); // a byte-order mark from a spreadsheet
        const SheetOption *option = findSheetOption(name);
        if (!option) {
            summary.problem = batchText(tr, "Batch", QT_TRANSLATE_NOOP("Batch", "批量文件的表头有未知的列“%1”。"), {quotedName(name)});
            return summary;
        }
        if (!seen.insert(name).second) {
            summary.problem = batchText(tr, "Batch", QT_TRANSLATE_NOOP("Batch", "批量文件的表头有两列“%1”。"), {name});
            return summary;
        }
        columns.push_back(option);
    }
    // The result columns' names do not depend on the values.
    std::vector<std::string> names = header;
    const std::vector<std::string> resultNames = sheetColumnNames();
    names.insert(names.end(), resultNames.begin(), resultNames.end());
    names.emplace_back("error");
    writeRecord(out, names);
    const std::string emptyResult(resultNames.size(), ',');

    // Two stages on two cores: this thread reads and computes each gear; a writer
    // turns the sheets into text, which costs as much again. They meet in a ring of
    // kRingSize lines, so the batch holds that many lines at the most, whatever the
    // length of the file; each side sleeps while it has to wait for the other.
    std::array<Computed, kRingSize> ring;
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
            Computed &c = ring[next % kRingSize];
            line.swap(c.line);
            if (c.sheet) {
                appendSheetCsvValues(*c.sheet, line, tr);
                summary.measured.add(*c.sheet); // only this thread touches it until the join
                const std::optional<PartVerdict> part = sheetPartVerdict(*c.sheet);
                summary.partsFailing += part == PartVerdict::Fail;
                summary.partsNotJudged += part == PartVerdict::NotJudged;
            } else {
                line += emptyResult;
            }
            line += ',';
            line += csvField(c.error);
            line += '\n';
            out.write(line.data(), std::streamsize(line.size()));
            line.swap(c.line);
            const bool failed = !out;
            std::lock_guard<std::mutex> hold(lock);
            consumed = next + 1;
            outputFailed = failed;
            // The reader sleeps until half the ring is free: woken once per half ring,
            // not once per line, the two threads do not take turns at every line.
            if ((readerWaits && produced - consumed <= kRingSize / 2) || failed)
                changed.notify_all();
            if (failed)
                return; // nothing more can be written: the reader stops too
        }
    });

    std::vector<std::string> fields;
    for (std::size_t next = 0; readRecord(source, fields, problem);) {
        if (problem.kind == RecordProblem::None && blankRecord(fields))
            continue;
        {
            std::unique_lock<std::mutex> hold(lock);
            if (next - consumed >= kRingSize) {
                while (next - consumed > kRingSize / 2 && !outputFailed) {
                    readerWaits = true;
                    changed.wait(hold);
                    readerWaits = false;
                }
            }
            if (outputFailed)
                break;
        }
        Computed &c = ring[next % kRingSize];
        c.line.clear();
        c.error.clear();
        c.sheet.reset();
        if (problem.kind != RecordProblem::None) {
            c.line.assign(header.size() - 1, ',');
            c.error = recordProblemText(problem, tr);
        } else {
            for (std::size_t i = 0; i < header.size(); ++i) {
                if (i)
                    c.line += ',';
                if (i < fields.size())
                    c.line += csvField(fields[i]);
            }
        }
        SheetInput gear = defaults;
        if (!c.error.empty()) {
            // The record could not be read: its error says so.
        } else if (fields.size() != header.size()) {
            c.error = batchText(tr, "Batch", QT_TRANSLATE_NOOP("Batch", "这一行有 %1 列，表头有 %2 列。"),
                                {std::to_string(fields.size()), std::to_string(header.size())});
        } else {
            for (std::size_t i = 0; i < columns.size() && c.error.empty(); ++i) {
                if (!applySheetOption(*columns[i], fields[i], gear))
                    c.error = batchText(tr, "Batch", QT_TRANSLATE_NOOP("Batch", "列“%1”的值“%2”无效。"),
                                        {header[i], fields[i]});
            }
        }
        if (c.error.empty() && !gear.allowanceCode.empty()) {
            // Allowances typed in the line or on the command line win over the code.
            const auto typed = [&](const char *column, bool byDefault) {
                for (std::size_t i = 0; i < columns.size(); ++i) {
                    if (std::string_view(columns[i]->name) == column && fields[i].find_first_not_of(" \t\r") != std::string::npos)
                        return true;
                }
                return byDefault;
            };
            if (const auto failure = applyAllowanceCode(gear, options.allowances, typed("allowance-upper", options.upperTyped),
                                                        typed("allowance-lower", options.lowerTyped)))
                c.error = batchText(tr, "Failure", failureText(*failure));
        }
        if (c.error.empty()) {
            auto sheet = computeSheet(gear);
            if (sheet.ok())
                c.sheet = std::move(sheet.value());
            else
                c.error = batchText(tr, "Failure", failureText(sheet.failure()));
        }
        ++summary.gears;
        if (!c.error.empty())
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
