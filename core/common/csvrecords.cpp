#include "core/common/csvrecords.h"

#include "core/common/translatable.h"
#include "core/common/text.h"

namespace geardim {

bool readRecord(LineSource &source, std::vector<std::string> &fields, RecordProblem &problem)
{
    fields.clear();
    problem = {};
    LineSource::Line first;
    if (!source.next(first))
        return false;
    if (first.tooLong) {
        problem = {RecordProblem::LineTooLong, first.number};
        return true;
    }
    std::deque<LineSource::Line> more;
    std::size_t size = first.text.size();
    std::string field;
    bool quoted = false;
    const std::string *line = &first.text;
    for (;;) {
        for (std::size_t i = 0; i < line->size(); ++i) {
            const char c = (*line)[i];
            if (quoted) {
                if (c == '"' && i + 1 < line->size() && (*line)[i + 1] == '"')
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
            } else if (c != '\r' || i + 1 != line->size()) {
                field += c;
            }
        }
        if (!quoted)
            break;
        LineSource::Line next;
        if (!source.next(next) || next.tooLong || size + next.text.size() + 1 > kMaxRecordBytes) {
            if (next.number)
                more.push_back(std::move(next));
            source.handBack(std::move(more));
            fields.clear();
            problem = {RecordProblem::QuoteNotClosed, first.number};
            return true;
        }
        size += next.text.size() + 1;
        more.push_back(std::move(next));
        line = &more.back().text;
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

bool blankRecord(const std::vector<std::string> &fields)
{
    return fields.size() == 1 && fields[0].find_first_not_of(" \t\r") == std::string::npos;
}

std::string recordProblemText(const RecordProblem &problem, const TextTranslator &tr)
{
    return filled(problem.kind == RecordProblem::QuoteNotClosed
                      ? translated(tr, "Batch", QT_TRANSLATE_NOOP("Batch", "第 %1 行开始的引号没有闭合（或记录超过 64 KiB）。"))
                      : translated(tr, "Batch", QT_TRANSLATE_NOOP("Batch", "第 %1 行超过 64 KiB。")),
                  std::to_string(problem.line));
}

} // namespace geardim
