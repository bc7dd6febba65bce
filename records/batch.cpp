#include "records/batch.h"

#include <array>
#include <atomic>
#include <istream>
#include <optional>
#include <thread>
#include <ostream>
#include <vector>

#include "common/failure.h"
#include "common/translatable.h"
#include "sheet/sheetoptions.h"
#include "sheet/sheetreport.h"

namespace geardim {
namespace {

// The next record of a CSV stream (RFC 4180: quoted fields, doubled quotes, line
// breaks inside quotes). False at the end of the stream.
bool readRecord(std::istream &in, std::vector<std::string> &fields)
{
    fields.clear();
    std::string line;
    if (!std::getline(in, line))
        return false;
    std::string field;
    bool quoted = false;
    for (;;) {
        for (std::size_t i = 0; i < line.size(); ++i) {
            const char c = line[i];
            if (quoted) {
                if (c == '"' && i + 1 < line.size() && line[i + 1] == '"')
                    field += '"', ++i;
                else if (c == '"')
                    quoted = false;
                else
                    field += c;
            } else if (c == '"') {
                quoted = true;
            } else if (c == ',') {
                fields.push_back(std::move(field));
                field.clear();
            } else if (c != '\r' || i + 1 != line.size()) {
                field += c;
            }
        }
        if (!quoted || !std::getline(in, line))
            break;
        field += '\n';
    }
    fields.push_back(std::move(field));
    return true;
}

void writeRecord(std::ostream &out, const std::vector<std::string> &fields)
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i)
            out << ',';
        out << csvField(fields[i]);
    }
    out << '\n';
}

// One line between the two stages: its input columns as written, and its sheet or the reason.
struct Computed {
    std::string line;
    std::optional<SheetResult> sheet;
    std::string error;
};

constexpr std::size_t kRingSize = 64;

bool blank(const std::vector<std::string> &fields)
{
    return fields.size() == 1 && fields[0].find_first_not_of(" \t\r") == std::string::npos;
}

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

BatchSummary runBatch(std::istream &in, std::ostream &out, const SheetInput &defaults, const TextTranslator &tr)
{
    BatchSummary summary;
    std::vector<std::string> header;
    if (!readRecord(in, header) || blank(header)) {
        summary.problem = batchText(tr, "Batch", QT_TRANSLATE_NOOP("Batch", "批量文件没有表头。"));
        return summary;
    }
    std::vector<const SheetOption *> columns;
    for (std::string &name : header) {
        if (name.size() >= 3 && name.compare(0, 3, "\xEF\xBB\xBF") == 0)
            name.erase(0, 3); // a byte-order mark from a spreadsheet
        const SheetOption *option = findSheetOption(name);
        if (!option) {
            summary.problem = batchText(tr, "Batch", QT_TRANSLATE_NOOP("Batch", "批量文件的表头有未知的列“%1”。"), {name});
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
    // length of the file.
    std::array<Computed, kRingSize> ring;
    std::atomic<std::size_t> produced{0}, consumed{0};
    std::atomic<bool> finished{false};
    std::thread writer([&] {
        std::string line;
        for (std::size_t next = 0;; ++next) {
            while (produced.load(std::memory_order_acquire) == next) {
                if (finished.load(std::memory_order_acquire) && produced.load(std::memory_order_acquire) == next)
                    return;
                std::this_thread::yield();
            }
            Computed &c = ring[next % kRingSize];
            line.swap(c.line);
            if (c.sheet)
                appendSheetCsvValues(*c.sheet, line, tr);
            else
                line += emptyResult;
            line += ',';
            line += csvField(c.error);
            line += '\n';
            out.write(line.data(), std::streamsize(line.size()));
            line.swap(c.line);
            consumed.store(next + 1, std::memory_order_release);
        }
    });

    std::vector<std::string> fields;
    for (std::size_t next = 0; readRecord(in, fields);) {
        if (blank(fields))
            continue;
        while (next - consumed.load(std::memory_order_acquire) >= kRingSize)
            std::this_thread::yield();
        Computed &c = ring[next % kRingSize];
        c.line.clear();
        c.error.clear();
        c.sheet.reset();
        for (std::size_t i = 0; i < header.size(); ++i) {
            if (i)
                c.line += ',';
            if (i < fields.size())
                c.line += csvField(fields[i]);
        }
        SheetInput gear = defaults;
        if (fields.size() != header.size()) {
            c.error = batchText(tr, "Batch", QT_TRANSLATE_NOOP("Batch", "这一行有 %1 列，表头有 %2 列。"),
                                {std::to_string(fields.size()), std::to_string(header.size())});
        } else {
            for (std::size_t i = 0; i < columns.size() && c.error.empty(); ++i) {
                if (!applySheetOption(*columns[i], fields[i], gear))
                    c.error = batchText(tr, "Batch", QT_TRANSLATE_NOOP("Batch", "列“%1”的值“%2”无效。"),
                                        {header[i], fields[i]});
            }
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
        produced.store(++next, std::memory_order_release);
    }
    finished.store(true, std::memory_order_release);
    writer.join();
    return summary;
}

} // namespace geardim
