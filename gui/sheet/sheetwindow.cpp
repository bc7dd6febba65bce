#include "gui/sheet/sheetwindow.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/common/numberparse.h"
#include "core/drawing/drawing.h"
#include "core/sheet/sheetreport.h"
#include "gui/painting/printdialog.h"
#include "gui/painting/page.h"
#include "gui/sheet/sheetpdf.h"
#include "gui/painting/measurementview.h"
#include "gui/sheet/sheetdocument.h"
#include "gui/toolkit/dialogs.h"
#include "gui/toolkit/fields.h"
#include "gui/toolkit/registry.h"
#include "gui/toolkit/allowancechoice.h"
#include "io/allowancefile.h"
#include "io/geardatatable.h"
#include "io/language.h"

namespace geardim {
namespace {

QString gearFilter() { return InspectionSheet::tr("齿轮文件 (*.gear);;所有文件 (*)"); }

} // namespace

InspectionSheet::InspectionSheet(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("InspectionSheet"));
    auto *central = new QWidget(this);
    setCentralWidget(central);
    form = new SheetForm(central);
    document = new SheetDocument(this);

    results = new QTableWidget(0, 7, central);
    results->setObjectName(QStringLiteral("results"));
    results->setHorizontalHeaderLabels({tr("公称"), tr("上限"), tr("下限"), tr("偏差"), tr("实测"), tr("实际齿厚偏差"), tr("评定")});
    // Only the measured cells are editable; typing there starts the edit.
    results->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                             | QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    connect(results, &QTableWidget::itemChanged, this, &InspectionSheet::measuredEdited);
    results->setSelectionMode(QAbstractItemView::ContiguousSelection);
    results->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // The deviations, the actual allowance and the verdict take the width their text needs.
    for (int column : {3, 5, 6})
        results->horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    results->setWordWrap(false);
    results->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    results->verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    results->setMinimumHeight(160);

    warnings = new QLabel(central);
    warnings->setObjectName(QStringLiteral("warnings"));
    warnings->setWordWrap(true);
    warnings->setTextFormat(Qt::PlainText);
    warnings->setTextInteractionFlags(Qt::TextSelectableByMouse);

    // The table and the picture of the measurement share the lower half of the window.
    picture = new MeasurementView(central);
    auto *tabs = new QTabWidget(central);
    tabs->setObjectName(QStringLiteral("resultTabs"));
    tabs->addTab(results, tr("尺寸表"));
    tabs->addTab(picture, tr("测量图"));
    // The inspection record: the drawing number is the gear's (kept in its file), the
    // rest the workpiece's.
    auto *recordPage = new QWidget(central);
    auto *recordColumns = new QHBoxLayout(recordPage);
    recordColumns->addWidget(form->drawingPage());
    auto *recordForm = new QFormLayout;
    recordColumns->addLayout(recordForm);
    const auto recordField = [&](const char *name, const QString &caption) {
        auto *field = new QLineEdit(recordPage);
        field->setObjectName(QString::fromLatin1(name));
        field->setAccessibleName(caption);
        recordForm->addRow(caption, field);
        return field;
    };
    drawingNumber = recordField("drawingNumber", tr("图号"));
    partNumber = recordField("partNumber", tr("零件编号"));
    inspector = recordField("inspector", tr("检验员"));
    gaugeNumber = recordField("gaugeNumber", tr("量具编号"));
    connect(drawingNumber, &QLineEdit::textEdited, this, [this] { document->setModified(true); });
    auto *recordButton = new QPushButton(tr("记录 (Ctrl+R)"), recordPage);
    recordButton->setObjectName(QStringLiteral("recordButton"));
    connect(recordButton, &QPushButton::clicked, this, &InspectionSheet::recordWorkpiece);
    recordForm->addRow(QString(), recordButton);
    tabs->addTab(recordPage, tr("图纸与记录"));

    auto *page = new QVBoxLayout(central);
    page->addWidget(form);
    page->addWidget(tabs, 1);
    page->addWidget(warnings);

    connect(form, &SheetForm::computeRequested, this, &InspectionSheet::computeClicked);
    connect(form, &SheetForm::edited, this, [this] { document->setModified(true); });
    connect(document, &SheetDocument::loaded, this, [this](const SheetInput &in, const QString &drawing) {
        form->write(in);
        drawingNumber->setText(drawing);
        computeClicked();
    });
    connect(document, &SheetDocument::titleChanged, this, &InspectionSheet::updateTitle);
    connect(document, &SheetDocument::recentFilesChanged, this, &InspectionSheet::rebuildRecentMenu);
    buildMenus();

    // The inputs of the last run, when there were any, else a new gear; computed, so
    // that the window never opens with an empty table beside filled fields.
    if (const std::optional<SheetInput> last = document->rememberedInputs()) {
        form->write(*last);
        form->keepTypedTexts(document->rememberedTexts());
    } else {
        form->write(newGearInputs());
    }
    computeClicked();
    document->startNew();
    updateTitle();
    resize(780, 560);
}

SheetInput InspectionSheet::newGearInputs()
{
    return {.module = 1, .teeth = 30, .allowanceUpper = -0.03, .allowanceLower = -0.06, .gaugeDiameter = 1.7};
}

QString InspectionSheet::currentFile() const { return document->currentFile(); }

QStringList InspectionSheet::recentFiles() const { return document->recentFiles(); }

void InspectionSheet::buildMenus()
{
    QMenu *file = menuBar()->addMenu(tr("文件(&F)"));
    file->setObjectName(QStringLiteral("fileMenu"));
    const auto add = [this](QMenu *menu, const QString &text, const char *name, QKeySequence keys, auto slot) {
        QAction *action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    add(file, tr("新建"), "newAction", QKeySequence::New, [this] { newGear(); });
    add(file, tr("打开…"), "openAction", QKeySequence::Open, [this] { openGear(); });
    add(file, tr("保存"), "saveAction", QKeySequence::Save, [this] { saveGear(); });
    add(file, tr("另存为…"), "saveAsAction", QKeySequence(QStringLiteral("Ctrl+Shift+S")),
        [this] { saveGearAs(); });
    recentMenu_ = file->addMenu(tr("最近打开的文件"));
    recentMenu_->setObjectName(QStringLiteral("recentMenu"));
    recentMenu_->setToolTipsVisible(true);
    file->addSeparator();
    add(file, tr("打印…"), "printAction", QKeySequence::Print, [this] { printSheet(); });
    add(file, tr("导出PDF…"), "pdfAction", QKeySequence(), [this] { exportPdf(); });
    add(file, tr("记录"), "recordAction", QKeySequence(QStringLiteral("Ctrl+R")), [this] { recordWorkpiece(); });
    add(file, tr("导出齿轮参数表…"), "dataTableAction", QKeySequence(), [this] { exportDataTable(); });
    file->addSeparator();
    add(file, tr("关闭"), "closeAction", QKeySequence::Close, [this] { exitClicked(); });
    QMenu *settings = menuBar()->addMenu(tr("设置(&S)"));
    settings->setObjectName(QStringLiteral("settingsMenu"));
    add(settings, tr("齿厚偏差表…"), "allowanceTableAction", QKeySequence(), [this] { chooseAllowanceTable(); });
    QMenu *edit = menuBar()->addMenu(tr("编辑(&E)"));
    edit->setObjectName(QStringLiteral("editMenu"));
    add(edit, tr("复制表格"), "copyTableAction", QKeySequence::Copy, [this] { copyTable(); });
    // The language is the program's, chosen for its next start (both names in both languages).
    QMenu *languageMenu = menuBar()->addMenu(QStringLiteral("语言 / Language"));
    languageMenu->setObjectName(QStringLiteral("languageMenu"));
    auto *choices = new QActionGroup(languageMenu);
    for (const auto &[name, language] : {std::pair{"中文", Language::Chinese}, {"English", Language::English}}) {
        QAction *action = languageMenu->addAction(QString::fromUtf8(name));
        action->setObjectName(language == Language::English ? QStringLiteral("language_en") : QStringLiteral("language_zh"));
        action->setCheckable(true);
        action->setActionGroup(choices);
        action->setChecked(language == rememberedLanguage());
        connect(action, &QAction::triggered, this, [this, chosen = language] {
            rememberLanguage(chosen);
            showMessage(tr("语言将在程序下次启动时更改。") + QStringLiteral(" / The language changes when the program starts again."),
                        false);
        });
    }
    rebuildRecentMenu();
}

void InspectionSheet::updateTitle()
{
    const QString path = document->currentFile();
    const QString name = path.isEmpty() ? tr("未命名") : QFileInfo(path).fileName();
    setWindowTitle(tr("%1[*] - 测量尺寸表").arg(name));
    setWindowModified(document->isModified());
}

void InspectionSheet::rebuildRecentMenu()
{
    recentMenu_->clear();
    const QStringList files = document->recentFiles();
    const QFontMetrics metrics(recentMenu_->font());
    for (const QString &path : files) {
        // The name, then its folder shortened in the middle; the whole path as the tip.
        const QFileInfo info(path);
        const QString folder = metrics.elidedText(QDir::toNativeSeparators(info.absolutePath()), Qt::ElideMiddle, 260);
        QAction *action = recentMenu_->addAction(QStringLiteral("%1  —  %2").arg(info.fileName(), folder));
        action->setToolTip(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this, [this, path] {
            if (maySetAside())
                openGearFile(path);
        });
    }
    recentMenu_->setEnabled(!files.isEmpty());
}

bool InspectionSheet::maySetAside()
{
    if (!document->isModified())
        return true;
    const QString name = document->currentFile().isEmpty() ? tr("未命名") : QFileInfo(document->currentFile()).fileName();
    switch (askUnsavedChanges(this, name)) {
    case UnsavedAnswer::Save:
        return saveGear();
    case UnsavedAnswer::Discard:
        // The inputs stay as they are, no longer counted as changes: leaving and coming
        // back does not ask again.
        document->setModified(false);
        return true;
    case UnsavedAnswer::Cancel:
        break;
    }
    return false;
}

void InspectionSheet::newGear()
{
    if (!maySetAside())
        return;
    form->write(newGearInputs());
    computeClicked();
    document->startNew();
}

void InspectionSheet::openGear()
{
    if (!maySetAside())
        return;
    const QString path = chooseFile(this, FileChoice::Open, tr("打开齿轮文件"), gearFilter(),
                                    QFileInfo(document->currentFile()).absolutePath());
    if (!path.isEmpty())
        openGearFile(path);
}

bool InspectionSheet::openGearFile(const QString &path)
{
    const FileDone opened = document->open(path);
    if (!opened.ok())
        showWarning(this, opened.problem());
    return opened.ok();
}

bool InspectionSheet::saveGear()
{
    return document->currentFile().isEmpty() ? saveGearAs() : saveGearTo(document->currentFile());
}

bool InspectionSheet::saveGearAs()
{
    const QString suggested = document->currentFile().isEmpty() ? tr("齿轮.gear") : document->currentFile();
    QString path = chooseFile(this, FileChoice::Save, tr("保存齿轮文件"), gearFilter(), suggested);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".gear");
    return saveGearTo(path);
}

bool InspectionSheet::saveGearTo(const QString &path)
{
    // Nothing is saved that cannot be read back: said in a box, naming the field.
    SheetForm::Problem problem;
    auto in = form->read(problem);
    if (in) {
        if (auto outside = form->outsideFileRanges(*in)) {
            problem = *outside;
            in.reset();
        }
    }
    if (!in) {
        showWarning(this, tr("没有保存：%1").arg(problem.text));
        SheetForm::select(problem);
        return false;
    }
    const FileDone saved = document->save(path, *in, drawingNumber->text().trimmed());
    if (!saved.ok())
        showWarning(this, saved.problem());
    return saved.ok();
}

std::optional<SheetResult> InspectionSheet::sheetToPutOut()
{
    // A sheet that does not belong to the inputs is never printed: say why in a box.
    SheetForm::Problem problem;
    const auto in = inputsForSheet(problem);
    if (!in) {
        greyOut(problem.text);
        showWarning(this, tr("没有可输出的测量尺寸表：%1").arg(problem.text));
        SheetForm::select(problem);
        return std::nullopt;
    }
    const auto sheet = computeSheet(*in);
    if (!sheet.ok()) {
        greyOut(tr("没有结果：") + failureMessage(sheet.failure()));
        showWarning(this, tr("没有可输出的测量尺寸表：%1").arg(failureMessage(sheet.failure())));
        return std::nullopt;
    }
    showSheet(sheet.value());
    return sheet.value();
}

bool InspectionSheet::printTo(QPagedPaintDevice &printer)
{
    const auto sheet = sheetToPutOut();
    if (!sheet)
        return false;
    QPainter painter(&printer);
    paintReport(painter, printer, *sheet, QDate::currentDate(), record());
    return true;
}

void InspectionSheet::printSheet()
{
    // Computed once, before the dialog; painted on the printer the user chooses.
    const auto sheet = sheetToPutOut();
    if (!sheet)
        return;
    const InspectionRecord inspection = record();
    const bool printed = printWithDialog(this, [&sheet, &inspection](QPagedPaintDevice &printer) {
        QPainter painter(&printer);
        paintReport(painter, printer, *sheet, QDate::currentDate(), inspection);
    });
    if (printed)
        showMessage(tr("测量尺寸表已送往打印机。"), false);
}

void InspectionSheet::exportPdf()
{
    const QString base = document->currentFile().isEmpty() ? tr("测量尺寸表")
                                                            : QFileInfo(document->currentFile()).completeBaseName();
    QString path = chooseFile(this, FileChoice::Save, tr("导出PDF"), QStringLiteral("PDF (*.pdf)"),
                              base + QStringLiteral(".pdf"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    exportPdfTo(path);
}

bool InspectionSheet::exportPdfTo(const QString &path)
{
    const auto sheet = sheetToPutOut();
    if (!sheet)
        return false;
    const FileDone written = writeReportPdf(path, *sheet, QDate::currentDate(), record());
    if (!written.ok())
        showWarning(this, written.problem());
    return written.ok();
}

void InspectionSheet::copyTable()
{
    // Ctrl+C in a field still copies the field's text: the field takes the key first.
    if (!stale_.isEmpty()) {
        showWarning(this, tr("表格不是当前输入的结果，不能复制：%1").arg(stale_));
        return;
    }
    if (!shown_)
        return;
    auto *data = new QMimeData;
    data->setText(QString::fromStdString(sheetTsv(*shown_, qtTextTranslator())));
    data->setHtml(QString::fromStdString(sheetHtml(*shown_, qtTextTranslator())));
    QApplication::clipboard()->setMimeData(data);
}

std::optional<SheetInput> InspectionSheet::inputsForSheet(SheetForm::Problem &problem) const
{
    auto in = form->read(problem);
    if (!in)
        return std::nullopt;
    // An allowance code fills the allowances left empty, from the chosen table.
    if (!in->allowanceCode.empty()) {
        const FileOutcome<std::optional<AllowanceTable>> table = readRememberedAllowanceTable();
        if (!table.ok()) {
            problem = {table.problem(), nullptr};
            return std::nullopt;
        }
        if (const auto failure = applyAllowanceCode(*in, table.value() ? &*table.value() : nullptr, in->allowanceUpperGiven,
                                                    in->allowanceLowerGiven)) {
            problem = {failureMessage(*failure), nullptr};
            return std::nullopt;
        }
    }
    return withMeasured(*in);
}

void InspectionSheet::chooseAllowanceTable()
{
    const FileOutcome<AllowanceTableChoice> chosen = geardim::chooseAllowanceTable(this);
    if (!chosen.ok()) {
        if (!chosen.problem().isEmpty())
            showWarning(this, chosen.problem());
        return;
    }
    showMessage(tr("齿厚偏差表：%1（%2 行）").arg(QDir::toNativeSeparators(chosen.value().path)).arg(chosen.value().rows), false);
    computeClicked();
}

void InspectionSheet::exportDataTable()
{
    const auto sheet = sheetToPutOut();
    if (!sheet)
        return;
    QString path = chooseFile(this, FileChoice::Save, tr("导出齿轮参数表"), tr("DXF (*.dxf);;SVG (*.svg);;CSV (*.csv)"),
                              tr("齿轮参数表.dxf"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".dxf");
    if (const FileDone written = writeGearDataTable(path, *sheet); !written.ok())
        showWarning(this, written.problem());
}

void InspectionSheet::computeClicked()
{
    SheetForm::Problem problem;
    const auto in = inputsForSheet(problem);
    if (!in) {
        greyOut(problem.text);
        SheetForm::select(problem);
        return;
    }
    // The typed gear comes back at the next start, with or without a sheet.
    document->rememberInputs(*in, form->typedTexts());
    const auto sheet = computeSheet(*in);
    if (!sheet.ok()) {
        greyOut(tr("没有结果：") + failureMessage(sheet.failure()));
        return;
    }
    showSheet(sheet.value());
}

void InspectionSheet::greyOut(const QString &reason)
{
    // The table keeps the last sheet, greyed, so nobody reads it as this gear's.
    results->setEnabled(false);
    picture->setSheet(std::nullopt);
    stale_ = reason;
    showMessage(reason, true);
}

namespace {

// The table's columns after the dimension's own: the value measured on the workpiece, the
// actual allowance it means, and the verdict.
constexpr int kMeasuredColumn = 4, kActualColumn = 5, kVerdictColumn = 6;

QTableWidgetItem *readOnlyItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

void InspectionSheet::showSheet(const SheetResult &sheet)
{
    const int decimals = sheetDecimals(sheet);
    const auto rows = sheetRows(sheet);
    const TextTranslator &translate = qtTextTranslator();
    const QSignalBlocker quiet(results);
    results->clearContents();
    results->setRowCount(int(rows.size()));
    measuredRows_.clear();
    for (int i = 0; i < int(rows.size()); ++i) {
        const SheetRow &row = rows[std::size_t(i)];
        QString header = QString::fromStdString(sheetRowName(row, translate));
        if (!row.unit.empty())
            header += QStringLiteral(" (%1)").arg(QString::fromStdString(row.unit));
        results->setVerticalHeaderItem(i, new QTableWidgetItem(header));
        const auto cell = [&](int column, std::optional<double> value) {
            if (value)
                results->setItem(i, column, readOnlyItem(QString::fromStdString(
                                                sheetNumber(*value, row.whole ? 0 : row.decimals.value_or(decimals)))));
        };
        cell(0, row.nominal);
        cell(1, row.max);
        cell(2, row.min);
        if (row.deviations)
            results->setItem(i, 3, readOnlyItem(QString::fromStdString(
                                       sheetDeviations(row.deviations->first, row.deviations->second, decimals))));
        for (int column = 4; column < results->columnCount(); ++column) {
            if (!results->item(i, column))
                results->setItem(i, column, readOnlyItem(QString()));
        }
        // The rows an inspector measures take the measured value in their own cell.
        if (row.measured) {
            measuredRows_[*row.measured] = i;
            QTableWidgetItem *typed = results->item(i, kMeasuredColumn);
            typed->setFlags(typed->flags() | Qt::ItemIsEditable);
            typed->setBackground(QColor(255, 253, 231));
            typed->setToolTip(tr("在此填写实测值，按 Enter 评定"));
            if (const auto it = measured_.find(*row.measured); it != measured_.end())
                typed->setText(measuredTexts_.count(it->first) ? measuredTexts_.at(it->first)
                                                               : QString::fromStdString(shortestNumber(it->second)));
        }
    }
    results->setEnabled(true);
    stale_.clear();
    // What an allowance code gave, greyed in the fields left empty; typed values win, and
    // the window says so.
    const SheetInput &used = sheet.input;
    const QString code = QString::fromStdString(used.allowanceCode);
    form->showCodeAllowances(used.allowancesFromCode ? std::optional(std::pair{sheet.allowanceUpper, sheet.allowanceLower}) : std::nullopt,
                             code, decimals);
    QStringList notes, texts;
    if (const std::string note = allowanceSourceNote(sheet, translate); !note.empty())
        notes << QString::fromStdString(note);
    for (const std::string &w : sheetWarningMessages(sheet, translate))
        texts << tr("注意：") + QString::fromStdString(w);
    showMessage((notes + texts).join(u'\n'), !texts.isEmpty());
    shown_ = sheet;
    for (const auto &[dimension, row] : measuredRows_)
        judgeRow(dimension);
    picture->setSheet(sheet);
}

void InspectionSheet::measuredEdited(QTableWidgetItem *item)
{
    if (item->column() != kMeasuredColumn)
        return;
    for (const auto &[dimension, row] : measuredRows_) {
        if (row != item->row())
            continue;
        const QString text = item->text().trimmed();
        if (text.isEmpty()) {
            measured_.erase(dimension);
        } else if (const auto value = parseDouble(text.toStdString())) {
            measured_[dimension] = *value;
            measuredTexts_[dimension] = text;
        } else {
            measured_.erase(dimension);
            showMessage(notANumberText(tr("实测值"), text), true);
        }
        judgeRow(dimension); // that row only
        document->setModified(true);
    }
}

void InspectionSheet::judgeRow(MeasuredDimension dimension)
{
    const auto at = measuredRows_.find(dimension);
    if (at == measuredRows_.end() || !shown_)
        return;
    const QSignalBlocker quiet(results);
    QTableWidgetItem *actual = results->item(at->second, kActualColumn);
    QTableWidgetItem *verdict = results->item(at->second, kVerdictColumn);
    actual->setText(QString());
    verdict->setText(QString());
    verdict->setToolTip(QString());
    verdict->setForeground(QBrush());
    const auto value = measured_.find(dimension);
    if (value == measured_.end())
        return;
    const MeasuredOutcome outcome = measure(*shown_, dimension, value->second);
    if (!outcome.measured) {
        verdict->setText(tr("无法评定"));
        verdict->setToolTip(QCoreApplication::translate("Failure", failureText(*outcome.failure)));
        return;
    }
    const Measured &m = *outcome.measured;
    actual->setText(QString::fromStdString(sheetSignedNumber(m.allowance, sheetDecimals(*shown_))));
    // In words and in colour, so the verdict reads without colour too.
    verdict->setText(QCoreApplication::translate("Verdict", verdictText(m.verdict)));
    verdict->setForeground(m.verdict == Verdict::Pass ? QColor(0, 110, 40)
                           : m.verdict == Verdict::NotJudged ? QColor(150, 90, 0) : QColor(176, 0, 32));
    verdict->setToolTip(tr("实际齿厚 sn = %1，x_E = %2")
                            .arg(QString::fromStdString(sheetNumber(m.thickness, sheetDecimals(*shown_))),
                                 QString::fromStdString(sheetNumber(m.shift, 4))));
}

SheetInput InspectionSheet::withMeasured(SheetInput in) const
{
    for (const auto &[dimension, value] : measured_)
        in.*measuredInput(dimension) = value;
    return in;
}

InspectionRecord InspectionSheet::record() const
{
    return {drawingNumber->text().trimmed(), partNumber->text().trimmed(), inspector->text().trimmed(),
            gaugeNumber->text().trimmed()};
}

void InspectionSheet::recordWorkpiece()
{
    const auto sheet = sheetToPutOut();
    if (!sheet)
        return;
    if (sheet->measurements.empty()) {
        showWarning(this, tr("没有实测值可记录：请在尺寸表的“实测”列填写实测值。"));
        return;
    }
    QString log = QSettings().value(QStringLiteral("sheet/inspectionLog")).toString();
    if (log.isEmpty()) {
        log = chooseFile(this, FileChoice::Save, tr("检验记录日志"), QStringLiteral("CSV (*.csv)"), tr("检验记录.csv"));
        if (log.isEmpty())
            return;
        QSettings().setValue(QStringLiteral("sheet/inspectionLog"), log);
    }
    if (const FileDone logged = appendInspection(log, record(), *sheet); !logged.ok()) {
        showWarning(this, logged.problem());
        return;
    }
    showMessage(tr("已记录到“%1”。").arg(QDir::toNativeSeparators(log)), false);
}

void InspectionSheet::showMessage(const QString &text, bool problem)
{
    warnings->setText(text);
    warnings->setStyleSheet(problem ? QStringLiteral("color: #b00020;") : QString());
}

void InspectionSheet::exitClicked()
{
    if (!maySetAside())
        return;
    SheetForm::Problem ignored;
    if (const auto in = form->read(ignored))
        document->rememberInputs(*in, form->typedTexts());
    WindowRegistry::instance().hide(WindowId::Sheet);
    WindowRegistry::instance().show(WindowId::Menu);
}

void InspectionSheet::closeEvent(QCloseEvent *event)
{
    // Closing returns to the menu; the window lives on for the next opening.
    event->ignore();
    exitClicked();
}

void InspectionSheet::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        exitClicked();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

} // namespace geardim
