#include "gui/sheet/inspectionsheet.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
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

#include "core/sheet/drawing.h"
#include "core/sheet/sheetreport.h"
#include "gui/painting/printdialog.h"
#include "gui/painting/report.h"
#include "gui/sheet/measurementview.h"
#include "gui/sheet/sheetdocument.h"
#include "gui/toolkit/dialogs.h"
#include "gui/toolkit/fields.h"
#include "gui/toolkit/registry.h"
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

    results = new QTableWidget(0, 4, central);
    results->setObjectName(QStringLiteral("results"));
    results->setHorizontalHeaderLabels({tr("公称"), tr("上限"), tr("下限"), tr("偏差")});
    results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    results->setSelectionMode(QAbstractItemView::ContiguousSelection);
    results->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    results->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    results->verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    results->setMinimumHeight(160);

    warnings = new QLabel(central);
    warnings->setObjectName(QStringLiteral("warnings"));
    warnings->setWordWrap(true);
    warnings->setTextFormat(Qt::PlainText);
    warnings->setTextInteractionFlags(Qt::TextSelectableByMouse);

    // The table and the picture of the measurement share the lower part of the window.
    picture = new MeasurementView(central);
    auto *tabs = new QTabWidget(central);
    tabs->setObjectName(QStringLiteral("resultTabs"));
    tabs->addTab(results, tr("尺寸表"));
    tabs->addTab(picture, tr("测量图"));

    auto *page = new QVBoxLayout(central);
    page->addWidget(form);
    page->addWidget(tabs, 1);
    page->addWidget(warnings);

    connect(form, &SheetForm::computeRequested, this, &InspectionSheet::computeClicked);
    connect(form, &SheetForm::edited, this, [this] { document->setModified(true); });
    connect(document, &SheetDocument::loaded, this, [this](const SheetInput &in) {
        form->write(in);
        computeClicked();
    });
    connect(document, &SheetDocument::titleChanged, this, &InspectionSheet::updateTitle);
    connect(document, &SheetDocument::recentFilesChanged, this, &InspectionSheet::rebuildRecentMenu);
    buildMenus();

    // The inputs of the last run, when there were any, else a new gear; computed, so
    // that the window never opens with an empty table beside filled fields.
    form->write(document->rememberedInputs().value_or(newGearInputs()));
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
    file->addSeparator();
    add(file, tr("关闭"), "closeAction", QKeySequence::Close, [this] { exitClicked(); });
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
    const FileDone saved = document->save(path, *in);
    if (!saved.ok())
        showWarning(this, saved.problem());
    return saved.ok();
}

std::optional<SheetResult> InspectionSheet::sheetToPutOut()
{
    // A sheet that does not belong to the inputs is never printed: say why in a box.
    SheetForm::Problem problem;
    const auto in = form->read(problem);
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
    paintReport(painter, printer, *sheet, QDate::currentDate());
    return true;
}

void InspectionSheet::printSheet()
{
    // Computed once, before the dialog; painted on the printer the user chooses.
    const auto sheet = sheetToPutOut();
    if (!sheet)
        return;
    const bool printed = printWithDialog(this, [&sheet](QPagedPaintDevice &printer) {
        QPainter painter(&printer);
        paintReport(painter, printer, *sheet, QDate::currentDate());
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
    const FileDone written = writeReportPdf(path, *sheet, QDate::currentDate());
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

void InspectionSheet::computeClicked()
{
    SheetForm::Problem problem;
    const auto in = form->read(problem);
    if (!in) {
        greyOut(problem.text);
        SheetForm::select(problem);
        return;
    }
    // The typed gear comes back at the next start, with or without a sheet.
    document->rememberInputs(*in);
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
    picture->setDrawing(std::nullopt);
    stale_ = reason;
    showMessage(reason, true);
}

void InspectionSheet::showSheet(const SheetResult &sheet)
{
    const int decimals = sheetDecimals(sheet);
    const auto rows = sheetRows(sheet);
    const TextTranslator &translate = qtTextTranslator();
    results->clearContents();
    results->setRowCount(int(rows.size()));
    for (int i = 0; i < int(rows.size()); ++i) {
        const SheetRow &row = rows[std::size_t(i)];
        QString header = QString::fromStdString(sheetRowName(row, translate));
        if (!row.unit.empty())
            header += QStringLiteral(" (%1)").arg(QString::fromStdString(row.unit));
        results->setVerticalHeaderItem(i, new QTableWidgetItem(header));
        const auto cell = [&](int column, std::optional<double> value) {
            if (!value)
                return;
            auto *item = new QTableWidgetItem(
                QString::fromStdString(sheetNumber(*value, row.whole ? 0 : decimals)));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            results->setItem(i, column, item);
        };
        cell(0, row.nominal);
        cell(1, row.max);
        cell(2, row.min);
        if (row.deviations) {
            auto *item = new QTableWidgetItem(
                QString::fromStdString(sheetDeviations(row.deviations->first, row.deviations->second, decimals)));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            results->setItem(i, 3, item);
        }
    }
    results->setEnabled(true);
    stale_.clear();
    QStringList texts;
    for (const std::string &w : sheetWarningMessages(sheet, translate))
        texts << tr("注意：") + QString::fromStdString(w);
    showMessage(texts.join(u'\n'), !texts.isEmpty());
    shown_ = sheet;
    picture->setDrawing(measurementDrawing(sheet));
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
        document->rememberInputs(*in);
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
