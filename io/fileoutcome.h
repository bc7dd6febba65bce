#pragma once

#include <optional>
#include <utility>
#include <variant>

#include <QString>

// What reading or writing a file came to: the value read (or that it was done), or the
// problem that stopped it, in words for the user. The one way the program's file
// functions answer, as Outcome is for its calculations.
namespace geardim {

template <typename T = std::monostate>
class FileOutcome {
public:
    FileOutcome(T value = T{}) : value_(std::move(value)) {}
    static FileOutcome refused(QString problem)
    {
        FileOutcome out;
        out.value_.reset();
        out.problem_ = std::move(problem);
        return out;
    }

    bool ok() const { return value_.has_value(); }
    const T &value() const { return *value_; }
    T &value() { return *value_; }
    // Why it failed; empty when ok().
    const QString &problem() const { return problem_; }

private:
    std::optional<T> value_;
    QString problem_;
};

// A write or a check that has no value to give back.
using FileDone = FileOutcome<>;

} // namespace geardim
