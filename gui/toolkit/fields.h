#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <optional>

#include "core/common/failure.h"
#include "core/common/outcome.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QString;
class QWidget;

// What every compute handler does with its fields and result labels.
namespace geardim {

// True when any of the fields holds the exactly empty text (blanks are not empty).
bool anyEmpty(std::initializer_list<const QLineEdit *> fields);

// Parses a field to single or double precision. When its text is not a number,
// warns naming the field by its caption, selects the text and returns nothing.
std::optional<float> readSingle(QLineEdit *field);
std::optional<double> readDouble(QLineEdit *field);

// Parses fields in order to single precision; stops at the first that is not a
// number, with the warning of readSingle.
template <std::size_t N>
std::optional<std::array<float, N>> readSingles(const std::array<QLineEdit *, N> &fields)
{
    std::array<float, N> values{};
    for (std::size_t i = 0; i < N; ++i) {
        const auto value = readSingle(fields[i]);
        if (!value)
            return std::nullopt;
        values[i] = *value;
    }
    return values;
}

// The warning for a text that is not a number: the caption without its colon, and
// why, where the slip can be told (a comma, a unit, two numbers).
QString notANumberText(const QString &caption, const QString &text);

// Parses a text; when it is not a number, warns naming what it is by caption.
std::optional<float> readSingle(QWidget *window, const QString &text, const QString &caption);

// Why a computation has no result, in the program's language.
QString failureMessage(Failure failure);

// Warns that a computation has no result, and why.
void warnFailure(QWidget *window, Failure failure);

// Writes a computed value into a result label by the shared result text.
void showResult(QLabel *label, double value);

// Writes a computed value into its result label, or warns why there is none and
// leaves the label as it was.
void showOutcome(QWidget *window, QLabel *label, const Outcome<float> &outcome);

// A push button with its object name (what tests and the screenshots click) and its text.
QPushButton *namedButton(QWidget *parent, const char *name, const QString &text);

} // namespace geardim
