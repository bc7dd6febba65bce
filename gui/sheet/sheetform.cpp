#include "gui/sheet/sheetform.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/common/numberparse.h"
#include "core/sheet/sheetinputs.h"
#include "core/sheet/sheetreport.h"
#include "gui/toolkit/fields.h"

namespace geardim {
namespace {

// Where each field stands: the gear's two columns (row, column), or the side boxes.
enum class Box { Gear, Allowances, Gauge, Drawing };
struct Place {
    const char *field;
    Box box;
    int row, column;
};
constexpr Place kPlaces[] = {
    {"module", Box::Gear, 0, 0},        {"diametralPitch", Box::Gear, 1, 0}, {"teeth", Box::Gear, 2, 0},
    {"pressureAngle", Box::Gear, 3, 0}, {"helixAngle", Box::Gear, 4, 0},     {"shift", Box::Gear, 0, 1},
    {"thickness", Box::Gear, 1, 1},     {"addendum", Box::Gear, 2, 1},       {"tipDiameter", Box::Gear, 3, 1},
    {"faceWidth", Box::Gear, 4, 1},     {"spanTeeth", Box::Gear, 5, 1},      {"allowanceUpper", Box::Allowances, 0, 0},
    {"allowanceLower", Box::Allowances, 1, 0}, {"gaugeDiameter", Box::Gauge, 1, 0},
    // The drawing's tolerances and the mating gear, on the page of the drawing's data.
    {"accuracyClass", Box::Drawing, 0, 0},      {"allowanceCode", Box::Drawing, 1, 0},
    {"matingDrawing", Box::Drawing, 3, 0},
    // The master gear of the double-flank test, there too: the gear's own form stays as it is.
    {"masterTeeth", Box::Drawing, 4, 0},        {"masterShift", Box::Drawing, 5, 0},
};

QRadioButton *option(QWidget *parent, const char *name, const QString &text)
{
    auto *button = new QRadioButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QString numberText(const std::optional<double> &v) { return v ? QString::fromStdString(shortestNumber(*v)) : QString(); }

QString caption(const SheetOption &o) { return QCoreApplication::translate("SheetInput", o.caption); }

} // namespace

SheetForm::SheetForm(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("SheetForm"));
    auto *gearBox = new QGroupBox(tr("齿轮"), this);
    auto *gearGrid = new QGridLayout(gearBox);
    auto *allowanceBox = new QGroupBox(tr("齿厚偏差（法向）"), this);
    auto *allowanceForm = new QFormLayout(allowanceBox);
    auto *gaugeBox = new QGroupBox(tr("量具"), this);
    auto *gaugeForm = new QFormLayout(gaugeBox);

    external_ = option(this, "external", tr("外齿"));
    internal_ = option(this, "internal", tr("内齿"));
    balls_ = option(this, "balls", tr("量球"));
    pins_ = option(this, "pins", tr("量棒"));
    // Two exclusive pairs: the kind of gear and the kind of gauge.
    for (auto [a, b] : {std::pair{external_, internal_}, {balls_, pins_}}) {
        auto *group = new QButtonGroup(this);
        for (QRadioButton *button : {a, b}) {
            button->setAutoExclusive(false);
            group->addButton(button);
            connect(button, &QRadioButton::toggled, this, [this] {
                if (!writing_)
                    emit edited();
            });
        }
        a->setChecked(true);
    }
    auto *gaugeKind = new QHBoxLayout;
    gaugeKind->addWidget(balls_);
    gaugeKind->addWidget(pins_);
    gaugeForm->addRow(tr("种类"), gaugeKind);
    auto *kind = new QHBoxLayout;
    kind->addWidget(external_);
    kind->addWidget(internal_);
    kind->addStretch(1);
    gearGrid->addLayout(kind, 5, 0, 1, 2);

    drawingPage_ = new QWidget(this);
    drawingPage_->setObjectName(QStringLiteral("drawingData"));
    auto *drawingForm = new QFormLayout(drawingPage_);
    handNone_ = option(drawingPage_, "handNone", tr("不注明"));
    handLeft_ = option(drawingPage_, "handLeft", tr("左旋"));
    handRight_ = option(drawingPage_, "handRight", tr("右旋"));
    handNone_->setChecked(true);
    for (QRadioButton *button : {handNone_, handLeft_, handRight_})
        connect(button, &QRadioButton::toggled, this, [this] {
            if (!writing_)
                emit edited();
        });

    // Every input of the input table, in its place; its label carries the unit and names
    // it for screen readers.
    QHBoxLayout *masterRow = nullptr;
    for (const Place &place : kPlaces) {
        const auto it = std::find_if(sheetOptions().begin(), sheetOptions().end(), [&](const SheetOption &o) {
            return o.field && std::string_view(o.field) == place.field;
        });
        if (it == sheetOptions().end())
            continue;
        auto *field = new QLineEdit(this);
        field->setObjectName(QString::fromLatin1(it->field));
        if (it->hint)
            field->setPlaceholderText(QCoreApplication::translate("SheetInput", it->hint));
        field->setMinimumWidth(90);
        field->setAccessibleName(caption(*it));
        auto *label = new QLabel(caption(*it));
        label->setBuddy(field);
        if (place.box == Box::Gear) {
            gearGrid->addWidget(label, place.row, place.column * 2);
            gearGrid->addWidget(field, place.row, place.column * 2 + 1);
        } else if (place.box == Box::Drawing && std::string_view(it->field) == "masterTeeth") {
            // The master's teeth and shift share one row, so the page is no taller.
            masterRow = new QHBoxLayout;
            masterRow->addWidget(field, 1);
            drawingForm->addRow(label, masterRow);
        } else if (place.box == Box::Drawing && std::string_view(it->field) == "masterShift" && masterRow) {
            label->setText(QStringLiteral("x3"));
            masterRow->addWidget(label);
            masterRow->addWidget(field, 1);
        } else if (place.box == Box::Drawing) {
            drawingForm->addRow(label, field);
            if (std::string_view(it->field) == "allowanceCode") {
                // The helix's hand, for the drawing's data table only.
                auto *hands = new QHBoxLayout;
                for (QRadioButton *button : {handNone_, handLeft_, handRight_})
                    hands->addWidget(button);
                drawingForm->addRow(tr("旋向"), hands);
            }
        } else {
            (place.box == Box::Allowances ? allowanceForm : gaugeForm)->addRow(label, field);
        }
        connect(field, &QLineEdit::returnPressed, this, &SheetForm::computeRequested);
        connect(field, &QLineEdit::textChanged, this, [this] {
            if (!writing_)
                emit edited();
        });
        fields_[it->field] = field;
    }

    compute_ = new QPushButton(tr("计  算"), this);
    compute_->setObjectName(QStringLiteral("compute"));
    compute_->setDefault(true);
    connect(compute_, &QPushButton::clicked, this, &SheetForm::computeRequested);

    auto *side = new QVBoxLayout;
    side->addWidget(allowanceBox);
    side->addWidget(gaugeBox);
    side->addWidget(compute_);
    side->addStretch(1);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(gearBox, 2);
    row->addLayout(side, 1);
}

std::optional<SheetInput> SheetForm::read(Problem &problem) const
{
    SheetInput in;
    // An empty field leaves its quantity out (or at its default); anything else must be a number.
    for (const SheetOption &o : sheetOptions()) {
        if (!o.field)
            continue;
        QLineEdit *field = fields_.at(o.field);
        if (o.kind == OptionKind::Text) {
            in.*o.text = field->text().trimmed().toStdString();
            continue;
        }
        if (field->text().trimmed().isEmpty()) {
            // The tooth count has no default.
            if (o.plain == &SheetInput::teeth) {
                problem = {tr("请填写齿数 z。"), field};
                return std::nullopt;
            }
            setOptionNumber(o, in, std::nullopt);
            continue;
        }
        const auto value = parseDouble(field->text().toStdString());
        if (!value) {
            problem = {notANumberText(field->accessibleName(), field->text()), field};
            return std::nullopt;
        }
        setOptionNumber(o, in, value);
    }
    const auto [upperTyped, lowerTyped] = typedAllowances();
    in.allowanceUpperGiven = upperTyped;
    in.allowanceLowerGiven = lowerTyped;
    in.internal = internal_->isChecked();
    in.gauge = pins_->isChecked() ? GaugeKind::Pin : GaugeKind::Ball;
    in.hand = handLeft_->isChecked() ? SheetInput::Hand::Left : handRight_->isChecked() ? SheetInput::Hand::Right : SheetInput::Hand::None;
    return in;
}

std::pair<bool, bool> SheetForm::typedAllowances() const
{
    return {!fields_.at("allowanceUpper")->text().trimmed().isEmpty(), !fields_.at("allowanceLower")->text().trimmed().isEmpty()};
}

std::optional<SheetForm::Problem> SheetForm::outsideFileRanges(const SheetInput &in) const
{
    for (const SheetOption &o : sheetOptions()) {
        const auto value = o.field ? optionNumber(o, in) : std::nullopt;
        if (value && !optionAccepts(o, *value))
            return Problem{tr("“%1”的值 %2 超出范围（%3）。")
                               .arg(caption(o), QString::fromStdString(shortestNumber(*value)),
                                    QCoreApplication::translate("GearFile", o.range)),
                           fields_.at(o.field)};
    }
    return std::nullopt;
}

void SheetForm::write(const SheetInput &in)
{
    writing_ = true;
    for (const SheetOption &o : sheetOptions()) {
        if (o.field && o.kind == OptionKind::Text)
            fields_.at(o.field)->setText(QString::fromStdString(in.*o.text));
        else if (o.field)
            fields_.at(o.field)->setText(notGiven(o, in) ? QString() : numberText(optionNumber(o, in)));
    }
    (in.hand == SheetInput::Hand::Left ? handLeft_ : in.hand == SheetInput::Hand::Right ? handRight_ : handNone_)->setChecked(true);
    (in.internal ? internal_ : external_)->setChecked(true);
    (in.gauge == GaugeKind::Pin ? pins_ : balls_)->setChecked(true);
    writing_ = false;
}

QVariantMap SheetForm::typedTexts() const
{
    QVariantMap texts;
    for (const SheetOption &o : sheetOptions()) {
        if (o.field && o.kind != OptionKind::Text)
            texts.insert(QString::fromLatin1(o.field), fields_.at(o.field)->text());
    }
    return texts;
}

void SheetForm::keepTypedTexts(const QVariantMap &texts)
{
    writing_ = true;
    for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
        const auto field = fields_.find(it.key().toStdString());
        if (field == fields_.end())
            continue;
        const QString typed = it.value().toString();
        const auto shown = parseDouble(field->second->text().toStdString());
        const auto kept = parseDouble(typed.toStdString());
        if (shown && kept && *shown == *kept)
            field->second->setText(typed);
    }
    writing_ = false;
}

bool SheetForm::notGiven(const SheetOption &o, const SheetInput &in)
{
    return (o.plain == &SheetInput::allowanceUpper && !in.allowanceUpperGiven)
           || (o.plain == &SheetInput::allowanceLower && !in.allowanceLowerGiven);
}

void SheetForm::showCodeAllowances(const std::optional<std::pair<double, double>> &fromCode, const QString &code, int decimals)
{
    // An empty allowance field shows, greyed, what the code gave it; a typed one is the user's.
    for (const auto &[name, value] : {std::pair{"allowanceUpper", fromCode ? fromCode->first : 0.0},
                                      {"allowanceLower", fromCode ? fromCode->second : 0.0}}) {
        QLineEdit *field = fields_.at(name);
        field->setPlaceholderText(fromCode ? tr("%1（代号 %2）").arg(QString::fromStdString(sheetSignedNumber(value, decimals)), code)
                                           : QString());
    }
}

void SheetForm::select(const Problem &problem)
{
    if (!problem.field)
        return; // a problem of no one field (the allowance table, say)
    problem.field->setFocus(Qt::OtherFocusReason);
    problem.field->selectAll();
}

} // namespace geardim
