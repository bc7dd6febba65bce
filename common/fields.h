#pragma once

#include <initializer_list>
#include <optional>

#include "common/failure.h"

class QLabel;
class QLineEdit;
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

// Parses a text; when it is not a number, warns naming what it is by caption.
std::optional<float> readSingle(QWidget *window, const QString &text, const QString &caption);

// Warns that a computation has no result, and why.
void warnFailure(QWidget *window, Failure failure);

// Writes a computed value into a result label by the shared result text.
void showResult(QLabel *label, double value);

} // namespace geardim
