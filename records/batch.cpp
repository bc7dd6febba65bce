#include "records/batch.h"

#include <istream>
#include <ostream>
#include <vector>

#include "common/failure.h"
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

bool blank(const std::vector<std::string> &fields)
{
    return fields.size() == 1 && fields[0].find_first_not_of(" \t\r") == std::string::npos;
}

} // namespace

BatchSummary runBatch(std::istream &in, std::ostream &out, const SheetInput &defaults)
{
    BatchSummary summary;
    std::vector<std::string> header;
    if (!readRecord(in, header) || blank(header)) {
        summary.problem = "批量文件没有表头。";
        return summary;
    }
    std::vector<const SheetOption *> columns;
    for (std::string &name : header) {
        if (name.size() >= 3 && name.compare(0, 3, "\xEF\xBB\xBF") == 0)
            name.erase(0, 3); // a byte-order mark from a spreadsheet
        const SheetOption *option = findSheetOption(name);
        if (!option) {
            summary.problem = "批量文件的表头有未知的列“" + name + "”。";
            return summary;
        }
        columns.push_back(option);
    }
    // The result columns' names do not depend on the values.
    std::vector<std::string> row = header;
    for (const auto &column : sheetColumns(SheetResult{}))
        row.push_back(column.first);
    row.emplace_back("error");
    writeRecord(out, row);
    const std::size_t resultColumns = row.size() - header.size() - 1;

    std::vector<std::string> fields;
    while (readRecord(in, fields)) {
        if (blank(fields))
            continue;
        ++summary.gears;
        row.assign(fields.begin(), fields.end());
        row.resize(header.size());
        std::string error;
        SheetInput gear = defaults;
        if (fields.size() != header.size()) {
            error = "这一行有 " + std::to_string(fields.size()) + " 列，表头有 " + std::to_string(header.size()) + " 列。";
        } else {
            for (std::size_t i = 0; i < columns.size() && error.empty(); ++i) {
                if (!applySheetOption(*columns[i], fields[i], gear))
                    error = "列“" + header[i] + "”的值“" + fields[i] + "”无效。";
            }
        }
        std::optional<Outcome<SheetResult>> sheet;
        if (error.empty()) {
            sheet = computeSheet(gear);
            if (!sheet->ok())
                error = failureText(sheet->failure());
        }
        if (error.empty()) {
            for (auto &column : sheetColumns(sheet->value()))
                row.push_back(std::move(column.second));
        } else {
            ++summary.withoutResult;
            row.resize(row.size() + resultColumns);
        }
        row.push_back(error);
        writeRecord(out, row);
    }
    return summary;
}

} // namespace geardim
