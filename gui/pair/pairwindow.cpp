#include "gui/pair/pairwindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
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
#include "core/pair/pairdrawing.h"
#include "core/pair/pairinputs.h"
#include "core/pair/pairreport.h"
#include "gui/pair/pairpdf.h"
#include "gui/painting/measurementview.h"
#include "gui/toolkit/dialogs.h"
#include "gui/toolkit/fields.h"
#include "io/gearfile.h"
#include "io/language.h"
#include "io/pairfile.h"

namespace geardim {
namespace {

QString numberText(const std::optional<double> &v) { return v ? QString::fromStdString(shortestNumber(*v)) : QString(); }

void fillTable(QTableWidget *table, const PairTable &t)
{
    table->clear();
    table->setColumnCount(int(t.headings.size()));
    table->setRowCount(int(t.rows.size()));
    QStringList labels;
    for (const std::string &h : t.headings)
        labels << QString::fromStdString(h);
    table->setHorizontalHeaderLabels(labels);
    for (int i = 0; i < int(t.rows.size()); ++i) {
        const PairRow &row = t.rows[std::size_t(i)];
        table->setItem(i, 0, new QTableWidgetItem(QString::fromStdString(row.name)));
        table->setItem(i, 1, new QTableWidgetItem(QString::fromStdString(row.unit)));
        for (int c = 0; c < int(row.values.size()); ++c) {
            const std::optional<double> &v = row.values[std::size_t(c)];
            auto *item = new QTableWidgetItem(v ? QString::fromStdString(sheetNumber(*v, row.decimals)) : QString());
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(i, 2 + c, item);
        }
    }
    table->setEnabled(true);
}

QTableWidget *resultTable(QWidget *parent, const char *name)
{
    auto *table = new QTableWidget(0, 4, parent);
    table->setObjectName(QString::fromLatin1(name));
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    return table;
}

} // namespace

PairWindow::PairWindow(QWidget *parent)
    : QWidget(parent)
    , document_(this, {tr("齿轮副"), tr("保存齿轮副文件"), tr("齿轮副文件 (*.pair)"), QStringLiteral("pair.pair"), QStringLiteral(".pair")},
                [this](const QString &path) { return saveTo(path); })
{
    setObjectName(QStringLiteral("PairWindow"));
    setWindowTitle(tr("齿轮副"));
    for (const PairOption &o : pairOptions()) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(o.name));
        edit->setAccessibleName(QCoreApplication::translate("PairInput", o.caption));
        edit->setToolTip(QCoreApplication::translate("PairOption", o.help));
        connect(edit, &QLineEdit::returnPressed, this, &PairWindow::computeClicked);
        document_.watch(edit);
        fields_[o.name] = edit;
    }
    fields_.at("pressure-angle")->setPlaceholderText(QStringLiteral("20"));
    fields_.at("addendum")->setPlaceholderText(QStringLiteral("1"));
    fields_.at("shift2")->setPlaceholderText(tr("由中心距求出"));
    fields_.at("centre-distance")->setPlaceholderText(tr("无侧隙中心距"));
    for (const char *name : {"tip-diameter1", "tip-diameter2"})
        fields_.at(name)->setPlaceholderText(tr("由 ha* 求出"));

    // The shared data, then the two gears side by side, then the pair's own.
    auto *shared = new QFormLayout;
    auto *gears = new QGridLayout;
    auto *own = new QFormLayout;
    gears->addWidget(new QLabel(tr("齿轮 1"), this), 0, 1);
    gears->addWidget(new QLabel(tr("齿轮 2"), this), 0, 2);
    int gearRow = 1;
    for (const PairOption &o : pairOptions()) {
        const QString caption = QCoreApplication::translate("PairInput", o.caption);
        if (o.gear == 0 && !o.key)
            shared->addRow(caption, fields_.at(o.name));
        else if (o.gear == 0)
            own->addRow(caption, fields_.at(o.name));
        else if (o.gear == 1) {
            gears->addWidget(new QLabel(caption, this), gearRow, 0);
            gears->addWidget(fields_.at(o.name), gearRow, 1);
        } else {
            gears->addWidget(fields_.at(o.name), gearRow++, 2);
        }
    }
    auto *sharedBox = new QGroupBox(tr("共同参数"), this);
    sharedBox->setLayout(shared);
    auto *gearBox = new QGroupBox(tr("两个齿轮"), this);
    gearBox->setLayout(gears);
    auto *ownBox = new QGroupBox(tr("中心距与齿宽"), this);
    ownBox->setLayout(own);

    const auto button = [this](const char *name, const QString &text) { return namedButton(this, name, text); };
    QPushButton *compute = button("compute", tr("计  算"));
    compute->setDefault(true);
    QPushButton *gear1 = button("loadGear1", tr("齿轮 1 ← 齿轮文件…"));
    QPushButton *gear2 = button("loadGear2", tr("齿轮 2 ← 齿轮文件…"));
    QPushButton *open = button("open", tr("打开…"));
    QPushButton *save = button("save", tr("保存…"));
    QPushButton *pdf = button("exportPdf", tr("导出 PDF…"));
    QPushButton *back = button("back", tr("返  回"));
    connect(compute, &QPushButton::clicked, this, &PairWindow::computeClicked);
    for (const auto &[b, which] : {std::pair{gear1, 1}, std::pair{gear2, 2}}) {
        connect(b, &QPushButton::clicked, this, [this, which = which] {
            const QString path = chooseFile(this, FileChoice::Open, tr("打开齿轮文件"), tr("齿轮文件 (*.gear);;所有文件 (*)"));
            if (!path.isEmpty())
                loadGear(which, path);
        });
    }
    connect(open, &QPushButton::clicked, this, [this] {
        if (!document_.maySwitch())
            return;
        const QString path = chooseFile(this, FileChoice::Open, tr("打开齿轮副文件"), tr("齿轮副文件 (*.pair);;所有文件 (*)"));
        if (!path.isEmpty())
            openFile(path);
    });
    connect(save, &QPushButton::clicked, this, [this] { document_.saveAs(); });
    connect(pdf, &QPushButton::clicked, this, [this] {
        const QString path = chooseSavePath(this, tr("导出 PDF"), tr("PDF 文件 (*.pdf)"), QStringLiteral("pair.pdf"), QStringLiteral(".pdf"));
        if (!path.isEmpty())
            exportPdfTo(path);
    });
    connect(back, &QPushButton::clicked, this, &PairWindow::leave);
    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {compute, gear1, gear2, open, save, pdf, back})
        buttons->addWidget(b);
    buttons->addStretch();

    auto *inputs = new QVBoxLayout;
    auto *firstRow = new QHBoxLayout;
    firstRow->addWidget(sharedBox);
    firstRow->addWidget(ownBox);
    inputs->addLayout(firstRow);
    inputs->addWidget(gearBox);
    auto *top = new QHBoxLayout;
    top->addLayout(inputs, 1);
    top->addLayout(buttons);

    gearTable_ = resultTable(this, "gearTable");
    pairTable_ = resultTable(this, "pairTable");
    picture_ = new MeasurementView(this);
    picture_->setMinimumHeight(200);
    warnings_ = new QLabel(this);
    warnings_->setObjectName(QStringLiteral("warnings"));
    warnings_->setWordWrap(true);
    auto *split = new QSplitter(Qt::Vertical, this);
    auto *tables = new QSplitter(Qt::Horizontal, split);
    tables->addWidget(gearTable_);
    tables->addWidget(pairTable_);
    split->addWidget(tables);
    split->addWidget(picture_);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(split, 1);
    layout->addWidget(warnings_);
    resize(980, 860);

    // A fresh window shows a published pair: m 3, z 12/24, x 0.6/0.36.
    write({.module = 3, .gear1 = {.teeth = 12, .shift = 0.6}, .gear2 = {.teeth = 24, .shift = 0.36}});
    computeClicked();
}

std::optional<PairInput> PairWindow::read(QString &problem) const
{
    PairInput in;
    for (const PairOption &o : pairOptions()) {
        QLineEdit *edit = fields_.at(o.name);
        const QString text = edit->text().trimmed();
        if (text.isEmpty())
            continue;
        const std::optional<double> v = parseDouble(text.toStdString());
        if (!v) {
            problem = tr("“%1”的值“%2”不是数。").arg(edit->accessibleName() + (o.gear ? tr("（齿轮 %1）").arg(o.gear) : QString()), text);
            edit->setFocus();
            edit->selectAll();
            return std::nullopt;
        }
        setPairOptionNumber(o, in, v);
    }
    if (in.gear1.teeth == 0 || in.gear2.teeth == 0) {
        problem = tr("请填写两个齿轮的齿数 z。");
        return std::nullopt;
    }
    if (!in.module && !in.diametralPitch) {
        problem = tr("请填写法向模数 mn 或径节 P。");
        return std::nullopt;
    }
    return in;
}

void PairWindow::write(const PairInput &in)
{
    writing_ = true;
    for (const PairOption &o : pairOptions()) {
        const std::optional<double> v = pairOptionNumber(o, in);
        // Defaults stay empty: the field's grey hint says what they are.
        const bool fallback = !o.optional && v && *v == pairOptionNumber(o, PairInput{});
        fields_.at(o.name)->setText(fallback && std::string_view(o.name).rfind("teeth", 0) != 0 ? QString() : numberText(v));
    }
    writing_ = false;
}

void PairWindow::computeClicked()
{
    QString problem;
    const std::optional<PairInput> in = read(problem);
    if (!in) {
        showProblem(problem, true);
        return;
    }
    const Outcome<PairResult, PairFailure> out = computePair(*in);
    if (!out.ok()) {
        showProblem(tr("没有结果：") + QString::fromStdString(pairFailureText(out.failure(), qtTextTranslator())), true);
        return;
    }
    showResult(out.value());
}

void PairWindow::showResult(const PairResult &r)
{
    shown_ = r;
    const TextTranslator &translate = qtTextTranslator();
    fillTable(gearTable_, pairGearTable(r, translate));
    fillTable(pairTable_, pairTable(r, translate));
    QStringList lines;
    for (const std::string &w : pairWarningMessages(r, translate))
        lines << QString::fromStdString(w);
    warnings_->setText(lines.join(u'\n'));
    warnings_->setStyleSheet(QString());
    picture_->setDrawing(pairDrawing(r));
}

void PairWindow::showProblem(const QString &text, bool stale)
{
    // A result the fields no longer give stays, greyed; a file refused leaves it as it was.
    if (stale) {
        gearTable_->setEnabled(false);
        pairTable_->setEnabled(false);
        picture_->setDrawing(std::nullopt);
        shown_.reset();
    }
    warnings_->setText(text);
    warnings_->setStyleSheet(QStringLiteral("color: #b00020;"));
}

bool PairWindow::openFile(const QString &path)
{
    const FileOutcome<PairInput> read = readPairFile(path);
    if (!read.ok()) {
        showProblem(read.problem(), false);
        return false;
    }
    write(read.value());
    document_.setModified(false);
    computeClicked();
    return true;
}

bool PairWindow::loadGear(int which, const QString &path)
{
    const FileOutcome<GearDocument> gear = readGearFile(path);
    if (!gear.ok()) {
        showProblem(gear.problem(), false);
        return false;
    }
    QString problem;
    PairInput in = read(problem).value_or(PairInput{});
    // The other gear's data stands when it has teeth; this gear's file brings the shared data otherwise.
    const bool otherGiven = (which == 1 ? in.gear2.teeth : in.gear1.teeth) > 0 && (in.module || in.diametralPitch);
    FileOutcome<PairGear> taken = pairGearOf(gear.value().input, in, which, otherGiven);
    if (!taken.ok()) {
        showProblem(taken.problem(), false);
        return false;
    }
    (which == 1 ? in.gear1 : in.gear2) = taken.value();
    write(in);
    document_.setModified(true);
    computeClicked();
    return true;
}

bool PairWindow::saveTo(const QString &path)
{
    QString problem;
    const std::optional<PairInput> in = read(problem);
    if (!in) {
        showProblem(problem, false);
        return false;
    }
    if (const FileDone written = writePairFile(path, *in); !written.ok()) {
        showProblem(written.problem(), false);
        return false;
    }
    document_.setModified(false);
    warnings_->setText(tr("已保存到 %1").arg(QFileInfo(path).fileName()));
    warnings_->setStyleSheet(QString());
    return true;
}

bool PairWindow::exportPdfTo(const QString &path)
{
    if (!shown_) {
        showProblem(tr("没有结果可导出：请先计算。"), false);
        return false;
    }
    if (const FileDone written = writePairReportPdf(path, *shown_, QDate::currentDate()); !written.ok()) {
        showProblem(written.problem(), false);
        return false;
    }
    warnings_->setText(tr("已导出 %1").arg(QFileInfo(path).fileName()));
    warnings_->setStyleSheet(QString());
    return true;
}

void PairWindow::leave()
{
    if (document_.maySwitch())
        emit backToMenu();
}

void PairWindow::closeEvent(QCloseEvent *event)
{
    // Closing returns to the menu; the window lives on for the next opening.
    event->ignore();
    leave();
}

void PairWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        leave();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace geardim
