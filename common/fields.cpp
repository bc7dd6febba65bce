#include "common/fields.h"

#include <QLabel>
#include <QLineEdit>

#include "common/dialogs.h"
#include "common/numberparse.h"
#include "common/resulttext.h"

namespace geardim {
namespace {

void warnNotANumber(QWidget *window, const QString &caption)
{
    showWarning(window, QStringLiteral("“%1”不是有效的数字。").arg(caption));
}

template <typename T, typename Parse>
std::optional<T> readField(QLineEdit *field, Parse parse)
{
    const auto value = parse(field->text().toStdString());
    if (!value) {
        warnNotANumber(field->window(), field->accessibleName());
        field->setFocus(Qt::OtherFocusReason);
        field->selectAll();
    }
    return value;
}

} // namespace

bool anyEmpty(std::initializer_list<const QLineEdit *> fields)
{
    for (const QLineEdit *field : fields) {
        if (field->text().isEmpty())
            return true;
    }
    return false;
}

std::optional<float> readSingle(QLineEdit *field) { return readField<float>(field, parseSingle); }
std::optional<double> readDouble(QLineEdit *field) { return readField<double>(field, parseDouble); }

std::optional<float> readSingle(QWidget *window, const QString &text, const QString &caption)
{
    const auto value = parseSingle(text.toStdString());
    if (!value)
        warnNotANumber(window, caption);
    return value;
}

void warnFailure(QWidget *window, Failure failure)
{
    showWarning(window, QString::fromUtf8(failureText(failure)));
}

void showResult(QLabel *label, double value) { label->setText(QString::fromStdString(resultText(value))); }

void showOutcome(QWidget *window, QLabel *label, const Outcome<float> &outcome)
{
    if (outcome.ok())
        showResult(label, outcome.value());
    else
        warnFailure(window, outcome.failure());
}

} // namespace geardim
