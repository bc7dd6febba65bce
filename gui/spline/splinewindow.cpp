#include "gui/spline/splinewindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
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
#include "core/spline/splineinputs.h"
#include "core/spline/splinereport.h"
#include "gui/painting/measurementview.h"
#include "gui/toolkit/allowancechoice.h"
#include "gui/toolkit/dialogs.h"
#include "gui/toolkit/fields.h"
#include "io/allowancefile.h"
#include "gui/spline/splinepdf.h"
#include "io/language.h"
#include "io/splinefile.h"

namespace geardim {

SplineWindow::SplineWindow(QWidget *parent)
    : QWidget(parent)
    , document_(this, {tr("花键"), tr("保存花键文件"), tr("花键文件 (*.spline)"), QStringLiteral("spline.spline"), QStringLiteral(".spline")},
                [this](const QString &path) { return saveTo(path); })
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
    designation = field(kSplineDesignation, QStringLiteral("EXT 25z × 1m × 30R × 6e ISO 4156"));
    designation->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 36);
    document_.watch(designation);
    auto *form = new QFormLayout;
    form->addRow(tr("花键标记"), designation);
    // The numbers, from the spline's inputs table; the measured value is the part's, not
    // the document's.
    for (const SplineOption &o : splineOptions()) {
        QLineEdit *edit = field(o.name);
        if (o.hint)
            edit->setPlaceholderText(QCoreApplication::translate("SplineWindow", o.hint));
        edit->setToolTip(QCoreApplication::translate("CommandLine", o.help));
        if (o.key)
            document_.watch(edit);
        form->addRow(QCoreApplication::translate("SplineWindow", o.caption), edit);
        numbers.push_back(edit);
    }
    numberField("spline-length")->setText(QStringLiteral("15")); // the spline length of the example

    const auto button = [this](const char *name, const QString &text) { return namedButton(this, name, text); };
    QPushButton *compute = button("compute", tr("计  算"));
    compute->setDefault(true);
    QPushButton *open = button("open", tr("打开…"));
    QPushButton *save = button("save", tr("保存…"));
    QPushButton *pdf = button("exportPdf", tr("导出 PDF…"));
    QPushButton *table = button("allowanceTableButton", tr("偏差表…"));
    table->setToolTip(tr("DIN 5480：未输入偏差时，按标记中的公差代号和参考直径 dB 从齿厚偏差表取上下偏差"));
    QPushButton *back = button("back", tr("返  回"));
    connect(compute, &QPushButton::clicked, this, &SplineWindow::computeClicked);
    connect(open, &QPushButton::clicked, this, &SplineWindow::openClicked);
    connect(save, &QPushButton::clicked, this, &SplineWindow::saveClicked);
    connect(pdf, &QPushButton::clicked, this, &SplineWindow::exportPdfClicked);
    connect(table, &QPushButton::clicked, this, &SplineWindow::chooseAllowanceTable);
    connect(back, &QPushButton::clicked, this, &SplineWindow::leave);
    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {compute, open, save, pdf, table, back})
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
    resize(760, 760);
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
    if (!document_.maySwitch())
        return;
    const QString path = chooseFile(this, FileChoice::Open, tr("打开花键文件"), tr("花键文件 (*.spline);;所有文件 (*)"));
    if (!path.isEmpty())
        openFile(path);
}

void SplineWindow::saveClicked() { document_.saveAs(); }

void SplineWindow::exportPdfClicked()
{
    const QString path = chooseSavePath(this, tr("导出 PDF"), tr("PDF 文件 (*.pdf)"), QStringLiteral("spline.pdf"), QStringLiteral(".pdf"));
    if (!path.isEmpty())
        exportPdfTo(path);
}

bool SplineWindow::openFile(const QString &path)
{
    const FileOutcome<SplineFields> read = readSplineFile(path);
    if (!read.ok()) {
        // The fields stay as they were.
        showProblem(read.problem(), false);
        return false;
    }
    const SplineFields &in = read.value();
    designation->setText(QString::fromStdString(in.designation));
    const std::span<const SplineOption> options = splineOptions();
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (!options[i].key)
            continue; // the measured value stays: it is the part's
        const std::optional<double> value = in.*options[i].field;
        numbers[i]->setText(value ? QString::fromStdString(shortestNumber(*value)) : QString());
    }
    document_.setModified(false);
    computeClicked();
    return true;
}

bool SplineWindow::saveTo(const QString &path)
{
    // What is saved is what the fields say, read as a computation reads them.
    const std::optional<SplineFields> in = readFields();
    if (!in)
        return false;
    if (const auto input = splineInputOf(*in, qtTextTranslator()); !input.ok()) {
        designation->setFocus();
        showProblem(QString::fromStdString(input.failure()));
        return false;
    }
    if (const FileDone written = writeSplineFile(path, *in); !written.ok()) {
        showProblem(written.problem(), false);
        return false;
    }
    document_.setModified(false);
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

std::optional<SplineFields> SplineWindow::readFields()
{
    SplineFields in;
    in.designation = designation->text().trimmed().toStdString();
    const std::span<const SplineOption> options = splineOptions();
    for (std::size_t i = 0; i < options.size(); ++i) {
        QLineEdit *edit = numbers[i];
        if (edit->text().trimmed().isEmpty())
            continue;
        const std::optional<double> v = parseDouble(edit->text().toStdString());
        if (!v) {
            edit->setFocus();
            edit->selectAll();
            showProblem(tr("“%1”不是数。").arg(edit->text()));
            return std::nullopt;
        }
        in.*options[i].field = *v;
    }
    if (oneDeviationAlone(in.upperDeviation, in.lowerDeviation)) {
        numberField(in.upperDeviation ? "lower-deviation" : "upper-deviation")->setFocus();
        showProblem(QString::fromStdString(splineFailureText(SplineFailure::DeviationsUnpaired, qtTextTranslator())));
        return std::nullopt;
    }
    return in;
}

void SplineWindow::computeClicked()
{
    const TextTranslator &translate = qtTextTranslator();
    const std::optional<SplineFields> in = readFields();
    if (!in)
        return;
    auto read = splineInputOf(*in, translate);
    if (!read.ok()) {
        designation->setFocus();
        showProblem(QString::fromStdString(read.failure()));
        return;
    }
    SplineInput &input = read.value();
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
    if (!out.ok() && out.failure() == SplineFailure::MeasuredNotPossible && input.measured) {
        staleMeasured = QString::fromStdString(splineFailureText(out.failure(), translate));
        SplineInput withoutMeasured = input;
        withoutMeasured.measured.reset();
        out = computeSpline(withoutMeasured);
        if (out.ok())
            out.value().measured = SplineMeasured{*input.measured, std::nullopt, Verdict::NotJudged};
    }
    if (!out.ok()) {
        showProblem(QString::fromStdString(splineFailureText(out.failure(), translate)));
        return;
    }
    shown_ = out.value();
    shown_->input.allowances = nullptr; // the table lives only for this computation
    heading->setText(QString::fromStdString(splineHeading(*shown_, translate)));
    const std::vector<std::vector<std::string>> cells = splineTableCells(*shown_, translate);
    QStringList labels;
    for (const std::string &h : cells.front())
        labels << QString::fromStdString(h);
    results->setHorizontalHeaderLabels(labels);
    results->setRowCount(int(cells.size()) - 1);
    for (int i = 0; i + 1 < int(cells.size()); ++i) {
        const std::vector<std::string> &line = cells[std::size_t(i) + 1];
        for (int c = 0; c < int(line.size()); ++c) {
            auto *item = new QTableWidgetItem(QString::fromStdString(line[std::size_t(c)]));
            if (c >= 2) // numbers to the right
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            results->setItem(i, c, item);
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

QLineEdit *SplineWindow::numberField(const char *name) const
{
    return numbers.at(std::size_t(findSplineOption(name) - splineOptions().data()));
}

void SplineWindow::leave()
{
    if (document_.maySwitch())
        emit backToMenu();
}

void SplineWindow::closeEvent(QCloseEvent *event)
{
    // Closing returns to the menu; the window lives on for the next opening.
    event->ignore();
    leave();
}

void SplineWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        leave();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace geardim
