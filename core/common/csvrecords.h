#pragma once

#include <deque>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "core/common/text.h"

// CSV files read one record at a time (RFC 4180: quoted fields, doubled quotes, line breaks
// inside quotes), no record longer than 64 KiB held in memory; and records written back.
namespace geardim {

inline constexpr std::size_t kMaxRecordBytes = 64 * 1024;

// The lines of a CSV stream, each at most kMaxRecordBytes long (the rest of a longer
// line is skipped unread into memory), numbered from 1, with lines handed back read again.
class LineSource {
public:
    explicit LineSource(std::istream &in) : in_(in) {}

    struct Line {
        std::string text;
        long number = 0;
        bool tooLong = false;
    };

    bool next(Line &line)
    {
        if (!pending_.empty()) {
            line = std::move(pending_.front());
            pending_.pop_front();
            return true;
        }
        line.text.clear();
        line.tooLong = false;
        if (!in_.good() || in_.peek() == std::char_traits<char>::eof())
            return false;
        line.number = ++read_;
        for (int c; (c = in_.get()) != std::char_traits<char>::eof() && c != '\n';) {
            if (line.text.size() < kMaxRecordBytes)
                line.text += char(c);
            else
                line.tooLong = true;
        }
        return true;
    }

    void handBack(std::deque<Line> lines)
    {
        for (auto it = lines.rbegin(); it != lines.rend(); ++it)
            pending_.push_front(std::move(*it));
    }

private:
    std::istream &in_;
    std::deque<Line> pending_;
    long read_ = 0;
};

// Why a record could not be read: a line or a quoted record longer than kMaxRecordBytes.
struct RecordProblem {
    enum Kind { None, LineTooLong, QuoteNotClosed } kind = None;
    long line = 0;
};

// The next record (RFC 4180: quoted fields, doubled quotes, line breaks inside quotes).
// False at the end of the stream. A quote left open past kMaxRecordBytes, or to the end
// of the stream, makes the record's first line an error, and reading goes on with the
// line after it.
bool readRecord(LineSource &source, std::vector<std::string> &fields, RecordProblem &problem);
void writeRecord(std::ostream &out, const std::vector<std::string> &fields);

// Why a record could not be read, in the language shown.
std::string recordProblemText(const RecordProblem &problem, const TextTranslator &tr);

// True for a record of one blank field: an empty line.
bool blankRecord(const std::vector<std::string> &fields);

} // namespace geardim
