#include "gui/toolkit/fields.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "gui/toolkit/dialogs.h"
#include "core/common/numberparse.h"
#include "core/common/resulttext.h"

namespace geardim {
namespace {

// A caption as a warning names it: without blanks and the trailing colon.
QString quantityName(QString caption)
{
    caption = caption.trimmed();
    while (caption.endsWith(u':') || caption.endsWith(u'：'))
        caption.chop(1);
    return caption.trimmed();
}

QString reasonText(NotANumber why)
{
    switch (why) {
    case NotANumber::Comma:
        return QCoreApplication::translate("Fields", "请用小数点“.”。");
    case NotANumber::Unit:
        return QCoreApplication::translate("Fields", "只填写数字，不带单位。");
    case NotANumber::TwoNumbers:
        return QCoreApplication::translate("Fields", "只填写一个数。");
    case NotANumber::General:
        break;
    }
    return QString();
}

void warnNotANumber(QWidget *window, const QString &caption, const QString &text)
{
    showWarning(window, notANumberText(caption, text));
}

template <typename T, typename Parse>
std::optional<T> readField(QLineEdit *field, Parse parse)
{
    const auto value = parse(field->text().toStdString());
    if (!value) {
        warnNotANumber(field->window(), field->accessibleName(), field->text());
        field->setFocus(Qt::OtherFocusReason);
        field->selectAll();
    }
    return value;
}

} // namespace

QString notANumberText(const QString &caption, const QString &text)
{
    const QString reason = reasonText(whyNotANumber(text.toStdString()));
    if (reason.isEmpty())
        return QCoreApplication::translate("Fields", "“%1”不是有效的数字。").arg(quantityName(caption));
    // The reason follows the sentence, as each language joins two sentences.
    return QCoreApplication::translate("Fields", "“%1”不是有效的数字。%2").arg(quantityName(caption), reason);
}

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
        warnNotANumber(window, caption, text);
    return value;
}

void warnFailure(QWidget *window, Failure failure)
{
    showWarning(window, failureMessage(failure));
}

QString failureMessage(Failure failure) { return QCoreApplication::translate("Failure", failureText(failure)); }

void showResult(QLabel *label, double value) { label->setText(QString::fromStdString(resultText(value))); }

void showOutcome(QWidget *window, QLabel *label, const Outcome<float> &outcome)
{
    if (outcome.ok())
        showResult(label, outcome.value());
    else
        warnFailure(window, outcome.failure());
}

QPushButton *namedButton(QWidget *parent, const char *name, const QString &text)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace geardim
