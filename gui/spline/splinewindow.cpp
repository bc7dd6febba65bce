#include "gui/spline/splinewindow.h"

#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/common/numberparse.h"
#include "core/spline/splinereport.h"
#include "gui/painting/measurementview.h"
#include "gui/toolkit/allowancechoice.h"
#include "gui/toolkit/dialogs.h"
#include "io/allowancefile.h"
#include "gui/spline/splinepdf.h"
#include "io/language.h"
#include "io/splinefile.h"

namespace geardim {

SplineWindow::SplineWindow(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("SplineWindow"));
    setWindowTitle(tr("花键"));
    const auto field = [this](const char *name, const QString &text = {}) {
        auto *edit = new QLineEdit(text, this);
        edit->setObjectName(QString::fromLatin1(name));
        connect(edit, &QLineEdit::returnPressed, this, &SplineWindow::computeClicked);
        return edit;
    };
    // A fresh window shows ISO 4156's own example of a shaft.
    designation = field("designation", QStringLiteral("EXT 25z × 1m × 30R × 6e ISO 4156"));
    designation->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 36);
    pin = field("pin");
    pin->setPlaceholderText(tr("建议值"));
    length = field("length", QStringLiteral("15"));
    upper = field("upper");
    lower = field("lower");
    variation = field("variation");
    measured = field("measured");
    measured->setPlaceholderText(tr("实测的跨棒距或棒间距"));
    for (QLineEdit *din : {upper, lower, variation})
        din->setPlaceholderText(tr("仅 DIN 5480"));

    auto *form = new QFormLayout;
    form->addRow(tr("花键标记"), designation);
    form->addRow(tr("量棒直径 DR"), pin);
    form->addRow(tr("花键长度 g"), length);
    auto *deviations = new QHBoxLayout;
    deviations->addWidget(upper);
    deviations->addWidget(lower);
    deviations->addWidget(variation);
    form->addRow(tr("上偏差 / 下偏差 / λ"), deviations);
    form->addRow(tr("实测 M"), measured);

    Command1 = new QPushButton(tr("计  算"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    Command2 = new QPushButton(tr("返  回"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    connect(Command1, &QPushButton::clicked, this, &SplineWindow::computeClicked);
    connect(Command2, &QPushButton::clicked, this, &SplineWindow::backToMenu);
    Command3 = new QPushButton(tr("打开…"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command4 = new QPushButton(tr("保存…"), this);
    Command4->setObjectName(QStringLiteral("Command4"));
    Command5 = new QPushButton(tr("导出 PDF…"), this);
    Command5->setObjectName(QStringLiteral("Command5"));
    connect(Command3, &QPushButton::clicked, this, &SplineWindow::openClicked);
    connect(Command4, &QPushButton::clicked, this, &SplineWindow::saveClicked);
    connect(Command5, &QPushButton::clicked, this, &SplineWindow::exportPdfClicked);
    allowanceTableButton = new QPushButton(tr("偏差表…"), this);
    allowanceTableButton->setObjectName(QStringLiteral("allowanceTableButton"));
    allowanceTableButton->setToolTip(tr("DIN 5480：未输入偏差时，按标记中的公差代号和参考直径 dB 从齿厚偏差表取上下偏差"));
    connect(allowanceTableButton, &QPushButton::clicked, this, &SplineWindow::chooseAllowanceTable);
    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {Command1, Command3, Command4, Command5, allowanceTableButton, Command2})
        buttons->addWidget(b);
    buttons->addStretch();

    auto *top = new QHBoxLayout;
    top->addLayout(form, 1);
    top->addLayout(buttons);

    heading = new QLabel(this);
    heading->setObjectName(QStringLiteral("heading"));
    results = new QTableWidget(0, 7, this);
    results->setObjectName(QStringLiteral("results"));
    results->verticalHeader()->hide();
    results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    results->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    results->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    results->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    warnings = new QLabel(this);
    warnings->setObjectName(QStringLiteral("warnings"));
    warnings->setWordWrap(true);
    picture = new MeasurementView(this);
    picture->setMinimumHeight(220);

    auto *split = new QSplitter(Qt::Vertical, this);
    split->addWidget(results);
    split->addWidget(picture);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(heading);
    layout->addWidget(split, 1);
    layout->addWidget(warnings);
    resize(760, 700);
    computeClicked();
}

void SplineWindow::showProblem(const QString &text, bool stale)
{
    // A result the fields no longer give stays, greyed, so nobody reads it as this spline's;
    // a file that could not be read or written leaves the result as it was.
    if (stale) {
        results->setEnabled(false);
        picture->setDrawing(std::nullopt);
    }
    warnings->setText(text);
    warnings->setStyleSheet(QStringLiteral("color: #b00020;"));
}

void SplineWindow::showNote(const QString &text)
{
    warnings->setText(text);
    warnings->setStyleSheet(QString());
}

void SplineWindow::openClicked()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("打开花键文件"), QString(), tr("花键文件 (*.spline);;所有文件 (*)"));
    if (!path.isEmpty())
        openFile(path);
}

void SplineWindow::saveClicked()
{
    QString path = QFileDialog::getSaveFileName(this, tr("保存花键文件"), QString(), tr("花键文件 (*.spline)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".spline");
    saveTo(path);
}

void SplineWindow::exportPdfClicked()
{
    QString path = QFileDialog::getSaveFileName(this, tr("导出 PDF"), QString(), tr("PDF 文件 (*.pdf)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    exportPdfTo(path);
}

bool SplineWindow::openFile(const QString &path)
{
    const FileOutcome<SplineFileInputs> read = readSplineFile(path);
    if (!read.ok()) {
        // The fields stay as they were.
        showProblem(read.problem(), false);
        return false;
    }
    const SplineFileInputs &in = read.value();
    designation->setText(in.designation);
    for (const auto &[edit, value] : {std::pair{pin, in.pinDiameter}, {length, in.splineLength}, {upper, in.upperDeviation},
                                      {lower, in.lowerDeviation}, {variation, in.effectiveVariation}})
        edit->setText(value ? QString::fromStdString(shortestNumber(*value)) : QString());
    computeClicked();
    return true;
}

bool SplineWindow::saveTo(const QString &path)
{
    // What is saved is what the fields say, read as a computation reads them.
    const std::optional<SplineFileInputs> in = readFields();
    if (!in)
        return false;
    if (const FileOutcome<SplineInput> input = splineInputOf(*in); !input.ok()) {
        designation->setFocus();
        showProblem(input.problem());
        return false;
    }
    if (const FileDone written = writeSplineFile(path, *in); !written.ok()) {
        showProblem(written.problem(), false);
        return false;
    }
    showNote(tr("已保存到“%1”。").arg(QDir::toNativeSeparators(path)));
    return true;
}

bool SplineWindow::exportPdfTo(const QString &path)
{
    computeClicked();
    if (!results->isEnabled() || !shown_) {
        showProblem(tr("没有可导出的结果：%1").arg(warnings->text()));
        return false;
    }
    if (const FileDone written = writeSplineReportPdf(path, *shown_, QDate::currentDate()); !written.ok()) {
        showProblem(written.problem(), false);
        return false;
    }
    showNote(tr("已导出到“%1”。").arg(QDir::toNativeSeparators(path)));
    return true;
}

std::optional<SplineFileInputs> SplineWindow::readFields()
{
    SplineFileInputs in;
    in.designation = designation->text().trimmed();
    for (const auto &[edit, value] : {std::pair{pin, &in.pinDiameter}, {length, &in.splineLength}, {upper, &in.upperDeviation},
                                      {lower, &in.lowerDeviation}, {variation, &in.effectiveVariation}}) {
        if (edit->text().trimmed().isEmpty())
            continue;
        const std::optional<double> v = parseDouble(edit->text().toStdString());
        if (!v) {
            edit->setFocus();
            edit->selectAll();
            showProblem(tr("“%1”不是数。").arg(edit->text()));
            return std::nullopt;
        }
        *value = *v;
    }
    if (in.upperDeviation.has_value() != in.lowerDeviation.has_value()) {
        (in.upperDeviation ? lower : upper)->setFocus();
        showProblem(tr("上偏差和下偏差要一起给出。"));
        return std::nullopt;
    }
    return in;
}

void SplineWindow::computeClicked()
{
    const TextTranslator &translate = qtTextTranslator();
    const std::optional<SplineFileInputs> in = readFields();
    if (!in)
        return;
    FileOutcome<SplineInput> read = splineInputOf(*in);
    if (!read.ok()) {
        designation->setFocus();
        showProblem(read.problem());
        return;
    }
    SplineInput &input = read.value();
    // The measured value belongs to the workpiece, not to the spline's file.
    if (!measured->text().trimmed().isEmpty()) {
        const std::optional<double> v = parseDouble(measured->text().toStdString());
        if (!v) {
            measured->setFocus();
            measured->selectAll();
            showProblem(tr("“%1”不是数。").arg(measured->text()));
            return;
        }
        input.measured = *v;
    }
    // The shop's allowance table, chosen here or in the inspection sheet, for a DIN 5480
    // tolerance.
    FileOutcome<std::optional<AllowanceTable>> table;
    if (input.designation.standard == SplineStandard::Din5480 && input.designation.toleranceClass != 0) {
        table = readRememberedAllowanceTable();
        if (!table.ok()) {
            showProblem(table.problem());
            return;
        }
        input.allowances = table.value() ? &*table.value() : nullptr;
    }
    SplineOutcome out = computeSpline(input);
    // A measured M left from another spline is not judged, and the spline is still shown.
    std::optional<QString> staleMeasured;
    if (!out.result && *out.failure == SplineFailure::MeasuredNotPossible && input.measured) {
        staleMeasured = QString::fromStdString(splineFailureText(*out.failure, translate));
        SplineInput withoutMeasured = input;
        withoutMeasured.measured.reset();
        out = computeSpline(withoutMeasured);
        if (out.result)
            out.result->measured = SplineMeasured{*input.measured, std::nullopt, Verdict::NotJudged};
    }
    if (!out.result) {
        showProblem(QString::fromStdString(splineFailureText(*out.failure, translate)));
        return;
    }
    shown_ = *out.result;
    shown_->input.allowances = nullptr; // the table lives only for this computation
    heading->setText(QString::fromStdString(splineHeading(*shown_, translate)));
    const std::vector<std::string> headings = splineColumnHeadings(translate);
    QStringList labels;
    for (const std::string &h : headings)
        labels << QString::fromStdString(h);
    results->setHorizontalHeaderLabels(labels);
    const std::vector<SplineRow> rows = splineRows(*shown_, translate);
    results->setRowCount(int(rows.size()));
    for (int i = 0; i < int(rows.size()); ++i) {
        const SplineRow &row = rows[std::size_t(i)];
        results->setItem(i, 0, new QTableWidgetItem(QString::fromStdString(row.name)));
        results->setItem(i, 1, new QTableWidgetItem(QString::fromStdString(row.unit)));
        for (int c = 0; c < 5; ++c) {
            std::optional<double> v;
            if (std::size_t(c) < row.values.size())
                v = row.values[std::size_t(c)];
            auto *item = new QTableWidgetItem(v ? QString::fromStdString(sheetNumber(*v, row.decimals)) : QString());
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            results->setItem(i, 2 + c, item);
        }
    }
    results->setEnabled(true);
    QStringList lines;
    if (const std::string judged = splineMeasuredLine(*shown_, translate); !judged.empty())
        lines << QString::fromStdString(judged);
    if (staleMeasured)
        lines << *staleMeasured;
    for (const std::string &w : splineWarningMessages(*shown_, translate))
        lines << QString::fromStdString(w);
    warnings->setText(lines.join(u'\n'));
    warnings->setStyleSheet(QString());
    // The picture: the spline's own teeth, measured over or between the same pins.
    picture->setDrawing(splineDrawing(*shown_));
}

void SplineWindow::chooseAllowanceTable()
{
    const FileOutcome<AllowanceTableChoice> chosen = geardim::chooseAllowanceTable(this);
    if (!chosen.ok()) {
        if (!chosen.problem().isEmpty())
            showProblem(chosen.problem(), false);
        return;
    }
    computeClicked();
}

void SplineWindow::closeEvent(QCloseEvent *event)
{
    // Closing returns to the menu; the window lives on for the next opening.
    event->ignore();
    emit backToMenu();
}

void SplineWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        emit backToMenu();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace geardim
