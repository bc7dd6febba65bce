#include "gui/sheet/inspectionsheet.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFontMetrics>
#include <QFileInfo>
#include <QJsonDocument>
#include <QMenuBar>
#include <QMimeData>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QSettings>
#include <QActionGroup>
#include <QTabWidget>

#include "gui/toolkit/dialogs.h"
#include "gui/painting/printdialog.h"
#include "gui/toolkit/fields.h"
#include "io/language.h"
#include "core/common/numberparse.h"
#include "gui/toolkit/registry.h"
#include "io/gearfile.h"
#include "gui/painting/report.h"
#include "core/sheet/drawing.h"
#include "gui/sheet/measurementview.h"
#include "core/sheet/sheetreport.h"

namespace geardim {
namespace {

QLineEdit *numberField(QWidget *parent, const char *name, const QString &text, const QString &hint = QString())
{
    auto *field = new QLineEdit(text, parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setPlaceholderText(hint);
    field->setMinimumWidth(90);
    return field;
}

QRadioButton *option(QWidget *parent, const char *name, const QString &text)
{
    auto *button = new QRadioButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

// A form row whose label carries the unit, and whose field is named for screen readers.
void addRow(QFormLayout *form, const QString &caption, QLineEdit *field)
{
    auto *label = new QLabel(caption);
    label->setBuddy(field);
    form->addRow(label, field);
    field->setAccessibleName(caption);
}

QString gearFilter() { return InspectionSheet::tr("齿轮文件 (*.gear);;所有文件 (*)"); }
const QString kLastInputsKey = QStringLiteral("sheet/lastInputs");
const QString kRecentKey = QStringLiteral("sheet/recentFiles");
constexpr int kMaxRecent = 8;

QString numberText(const std::optional<double> &v)
{
    return v ? QString::fromStdString(shortestNumber(*v)) : QString();
}

} // namespace

InspectionSheet::InspectionSheet(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("InspectionSheet"));
    setWindowTitle(tr("测量尺寸表"));
    auto *central = new QWidget(this);
    setCentralWidget(central);

    // The gear.
    module = numberField(central, "module", QStringLiteral("1"));
    diametralPitch = numberField(central, "diametralPitch", QString(), tr("或填径节"));
    teeth = numberField(central, "teeth", QStringLiteral("30"));
    pressureAngle = numberField(central, "pressureAngle", QStringLiteral("20"));
    helixAngle = numberField(central, "helixAngle", QStringLiteral("0"));
    shift = numberField(central, "shift", QStringLiteral("0"), tr("或填齿厚"));
    thickness = numberField(central, "thickness", QString(), tr("或填变位系数"));
    addendum = numberField(central, "addendum", QStringLiteral("1"));
    tipDiameter = numberField(central, "tipDiameter", QString(), tr("按 ha* 计算"));
    faceWidth = numberField(central, "faceWidth", QString(), tr("可不填"));
    allowanceUpper = numberField(central, "allowanceUpper", QStringLiteral("-0.03"));
    allowanceLower = numberField(central, "allowanceLower", QStringLiteral("-0.06"));
    gaugeDiameter = numberField(central, "gaugeDiameter", QStringLiteral("1.7"), tr("不填则建议"));
    spanTeeth = numberField(central, "spanTeeth", QString(), tr("不填则自动选择"));
    external = option(central, "external", tr("外齿"));
    internal = option(central, "internal", tr("内齿"));
    balls = option(central, "balls", tr("量球"));
    pins = option(central, "pins", tr("量棒"));
    // Two exclusive pairs: the kind of gear and the kind of gauge.
    for (auto [a, b] : {std::pair{external, internal}, {balls, pins}}) {
        auto *group = new QButtonGroup(this);
        for (QRadioButton *button : {a, b}) {
            button->setAutoExclusive(false);
            group->addButton(button);
        }
        a->setChecked(true);
    }

    // The gear in two columns of label and field; allowances and gauge beside it.
    auto *gearBox = new QGroupBox(tr("齿轮"), central);
    auto *gearGrid = new QGridLayout(gearBox);
    const auto place = [gearGrid](int row, int column, const QString &caption, QWidget *field) {
        auto *label = new QLabel(caption);
        label->setBuddy(field);
        gearGrid->addWidget(label, row, column * 2);
        gearGrid->addWidget(field, row, column * 2 + 1);
        field->setAccessibleName(caption);
    };
    place(0, 0, tr("法向模数 mn (mm)"), module);
    place(1, 0, tr("径节 P (1/in)"), diametralPitch);
    place(2, 0, tr("齿数 z"), teeth);
    place(3, 0, tr("法向压力角 αn (°)"), pressureAngle);
    place(4, 0, tr("螺旋角 β (°)"), helixAngle);
    place(0, 1, tr("变位系数 x"), shift);
    place(1, 1, tr("法向齿厚 sn"), thickness);
    place(2, 1, tr("齿顶高系数 ha*"), addendum);
    place(3, 1, tr("齿顶圆直径 da"), tipDiameter);
    place(4, 1, tr("齿宽 b"), faceWidth);
    auto *kind = new QHBoxLayout;
    kind->addWidget(external);
    kind->addWidget(internal);
    kind->addStretch(1);
    gearGrid->addLayout(kind, 5, 0, 1, 2);
    place(5, 1, tr("跨测齿数 k"), spanTeeth);

    auto *allowanceBox = new QGroupBox(tr("齿厚偏差（法向）"), central);
    auto *allowanceForm = new QFormLayout(allowanceBox);
    addRow(allowanceForm, tr("上偏差 Esns"), allowanceUpper);
    addRow(allowanceForm, tr("下偏差 Esni"), allowanceLower);

    auto *gaugeBox = new QGroupBox(tr("量具"), central);
    auto *gaugeForm = new QFormLayout(gaugeBox);
    auto *gaugeKind = new QHBoxLayout;
    gaugeKind->addWidget(balls);
    gaugeKind->addWidget(pins);
    gaugeForm->addRow(tr("种类"), gaugeKind);
    addRow(gaugeForm, tr("直径 D"), gaugeDiameter);

    compute = new QPushButton(tr("计  算"), central);
    compute->setObjectName(QStringLiteral("compute"));
    compute->setDefault(true);

    auto *side = new QVBoxLayout;
    side->addWidget(allowanceBox);
    side->addWidget(gaugeBox);
    side->addWidget(compute);
    side->addStretch(1);
    auto *inputs = new QHBoxLayout;
    inputs->addWidget(gearBox, 2);
    inputs->addLayout(side, 1);

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
    page->addLayout(inputs);
    page->addWidget(tabs, 1);
    page->addWidget(warnings);

    connect(compute, &QPushButton::clicked, this, &InspectionSheet::computeClicked);
    for (QLineEdit *field : {module, diametralPitch, teeth, pressureAngle, helixAngle, shift, thickness, addendum,
                             tipDiameter, faceWidth, allowanceUpper, allowanceLower, gaugeDiameter, spanTeeth}) {
        connect(field, &QLineEdit::returnPressed, this, &InspectionSheet::computeClicked);
        connect(field, &QLineEdit::textChanged, this, &InspectionSheet::markModified);
    }
    for (QRadioButton *button : {external, internal, balls, pins})
        connect(button, &QRadioButton::toggled, this, &InspectionSheet::markModified);
    buildMenus();

    // The inputs of the last run, when there were any, else a new gear; computed, so
    // that the window never opens with an empty table beside filled fields.
    writeInputs(newGearInputs());
    const QByteArray last = QSettings().value(kLastInputsKey).toByteArray();
    if (!last.isEmpty()) {
        const GearFileRead read = gearFromDocument(QJsonDocument::fromJson(last).object());
        if (read.gear)
            writeInputs(read.gear->input);
    }
    computeClicked();
    setCurrentFile(QString());
    resize(780, 560);
}

SheetInput InspectionSheet::newGearInputs()
{
    return {.module = 1, .teeth = 30, .allowanceUpper = -0.03, .allowanceLower = -0.06, .gaugeDiameter = 1.7};
}

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

void InspectionSheet::writeInputs(const SheetInput &in)
{
    loading_ = true;
    module->setText(numberText(in.module));
    diametralPitch->setText(numberText(in.diametralPitch));
    teeth->setText(numberText(in.teeth));
    pressureAngle->setText(numberText(in.pressureAngleDeg));
    helixAngle->setText(numberText(in.helixAngleDeg));
    shift->setText(numberText(in.shift));
    thickness->setText(numberText(in.thickness));
    addendum->setText(numberText(in.addendum));
    tipDiameter->setText(numberText(in.tipDiameter));
    faceWidth->setText(numberText(in.faceWidth));
    allowanceUpper->setText(numberText(in.allowanceUpper));
    allowanceLower->setText(numberText(in.allowanceLower));
    gaugeDiameter->setText(numberText(in.gaugeDiameter));
    spanTeeth->setText(numberText(in.spanTeeth));
    (in.internal ? internal : external)->setChecked(true);
    (in.gauge == GaugeKind::Pin ? pins : balls)->setChecked(true);
    loading_ = false;
}

void InspectionSheet::markModified()
{
    if (!loading_)
        setWindowModified(true);
}

void InspectionSheet::setCurrentFile(const QString &path)
{
    currentFile_ = path;
    const QString name = path.isEmpty() ? tr("未命名") : QFileInfo(path).fileName();
    setWindowTitle(tr("%1[*] - 测量尺寸表").arg(name));
    setWindowModified(false);
}

QStringList InspectionSheet::recentFiles() const { return QSettings().value(kRecentKey).toStringList(); }

void InspectionSheet::rememberRecent(const QString &path)
{
    QStringList files = recentFiles();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    files.removeAll(absolute);
    files.prepend(absolute);
    while (files.size() > kMaxRecent)
        files.removeLast();
    QSettings().setValue(kRecentKey, files);
    rebuildRecentMenu();
}

void InspectionSheet::forgetRecent(const QString &path)
{
    QStringList files = recentFiles();
    if (files.removeAll(QFileInfo(path).absoluteFilePath()) > 0) {
        QSettings().setValue(kRecentKey, files);
        rebuildRecentMenu();
    }
}

void InspectionSheet::rebuildRecentMenu()
{
    recentMenu_->clear();
    recentMenu_->setToolTipsVisible(true);
    const QStringList files = recentFiles();
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

void InspectionSheet::rememberInputs()
{
    // Quietly: a field that is not a number keeps the remembered inputs as they were.
    InputProblem ignored;
    if (const auto in = parseInputs(ignored))
        storeInputs(*in);
}

void InspectionSheet::storeInputs(const SheetInput &in)
{
    QSettings().setValue(kLastInputsKey, QJsonDocument(gearDocument(in)).toJson(QJsonDocument::Compact));
}

bool InspectionSheet::maySetAside()
{
    if (!isWindowModified())
        return true;
    const QString name = currentFile_.isEmpty() ? tr("未命名") : QFileInfo(currentFile_).fileName();
    switch (askUnsavedChanges(this, name)) {
    case UnsavedAnswer::Save:
        return saveGear();
    case UnsavedAnswer::Discard:
        // The inputs stay as they are, no longer counted as changes: leaving and coming
        // back does not ask again.
        setWindowModified(false);
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
    writeInputs(newGearInputs());
    kept_ = QJsonObject();
    computeClicked();
    setCurrentFile(QString());
}

void InspectionSheet::openGear()
{
    if (!maySetAside())
        return;
    const QString path = chooseFile(this, FileChoice::Open, tr("打开齿轮文件"), gearFilter(),
                                    QFileInfo(currentFile_).absolutePath());
    if (!path.isEmpty())
        openGearFile(path);
}

bool InspectionSheet::openGearFile(const QString &path)
{
    const GearFileRead read = readGearFile(path);
    if (!read.gear) {
        forgetRecent(path); // a file that cannot be opened leaves the list
        showWarning(this, read.problem);
        return false;
    }
    writeInputs(read.gear->input);
    kept_ = read.gear->document;
    setCurrentFile(path);
    rememberRecent(path);
    computeClicked();
    return true;
}

bool InspectionSheet::saveGear() { return currentFile_.isEmpty() ? saveGearAs() : saveGearTo(currentFile_); }

bool InspectionSheet::saveGearAs()
{
    const QString suggested = currentFile_.isEmpty() ? tr("齿轮.gear") : currentFile_;
    QString path = chooseFile(this, FileChoice::Save, tr("保存齿轮文件"), gearFilter(), suggested);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".gear");
    return saveGearTo(path);
}

bool InspectionSheet::saveGearTo(const QString &path)
{
    const auto in = readInputs();
    if (!in)
        return false;
    const QString problem = writeGearFile(path, *in, kept_);
    if (!problem.isEmpty()) {
        showWarning(this, problem);
        return false;
    }
    kept_ = gearDocument(*in, kept_);
    setCurrentFile(path);
    rememberRecent(path);
    return true;
}

std::optional<std::pair<SheetInput, SheetResult>> InspectionSheet::currentSheet()
{
    // A sheet that does not belong to the inputs is never printed: say why in a box.
    InputProblem problem;
    const auto in = parseInputs(problem);
    if (!in) {
        greyOut(problem.text);
        showWarning(this, tr("没有可输出的测量尺寸表：%1").arg(problem.text));
        problem.field->setFocus(Qt::OtherFocusReason);
        problem.field->selectAll();
        return std::nullopt;
    }
    const auto sheet = computeSheet(*in);
    if (!sheet.ok()) {
        greyOut(tr("没有结果：") + failureMessage(sheet.failure()));
        showWarning(this, tr("没有可输出的测量尺寸表：%1").arg(failureMessage(sheet.failure())));
        return std::nullopt;
    }
    showSheet(sheet.value());
    return std::pair{*in, sheet.value()};
}

bool InspectionSheet::printTo(QPagedPaintDevice &printer)
{
    const auto sheet = currentSheet();
    if (!sheet)
        return false;
    QPainter painter(&printer);
    paintReport(painter, printer, sheet->first, sheet->second, QDate::currentDate());
    return true;
}

void InspectionSheet::printSheet()
{
    if (!currentSheet())
        return;
    bool printed = false;
    printWithDialog(this, [this, &printed](QPagedPaintDevice &printer) { printed = printTo(printer); });
    if (printed)
        showMessage(tr("测量尺寸表已送往打印机。"), false);
}

void InspectionSheet::exportPdf()
{
    const QString base = currentFile_.isEmpty() ? tr("测量尺寸表")
                                                : QFileInfo(currentFile_).completeBaseName();
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
    const auto sheet = currentSheet();
    if (!sheet)
        return false;
    const QString problem = writeReportPdf(path, sheet->first, sheet->second, QDate::currentDate());
    if (!problem.isEmpty()) {
        showWarning(this, problem);
        return false;
    }
    return true;
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
    const TextTranslator translate = [](const char *context, const char *text) {
        return QCoreApplication::translate(context, text).toStdString();
    };
    data->setText(QString::fromStdString(sheetTsv(*shown_, translate)));
    data->setHtml(QString::fromStdString(sheetHtml(*shown_, translate)));
    QApplication::clipboard()->setMimeData(data);
}

std::optional<SheetInput> InspectionSheet::parseInputs(InputProblem &problem) const
{
    SheetInput in;
    // An empty field leaves its quantity out (or at its default); anything else must be a number.
    const auto read = [&problem](QLineEdit *field, std::optional<double> &value) {
        if (field->text().trimmed().isEmpty()) {
            value.reset();
            return true;
        }
        value = parseDouble(field->text().toStdString());
        if (!value)
            problem = {notANumberText(field->accessibleName(), field->text()), field};
        return value.has_value();
    };
    std::optional<double> z, alpha, beta, ha, upper, lower;
    for (auto [field, value] : {std::pair{module, &in.module}, {diametralPitch, &in.diametralPitch},
                                {teeth, &z}, {pressureAngle, &alpha}, {helixAngle, &beta}, {shift, &in.shift},
                                {thickness, &in.thickness}, {addendum, &ha}, {tipDiameter, &in.tipDiameter},
                                {faceWidth, &in.faceWidth}, {allowanceUpper, &upper}, {allowanceLower, &lower},
                                {gaugeDiameter, &in.gaugeDiameter}, {spanTeeth, &in.spanTeeth}}) {
        if (!read(field, *value))
            return std::nullopt;
    }
    if (!z) {
        problem = {tr("请填写齿数 z。"), teeth};
        return std::nullopt;
    }
    in.teeth = *z;
    in.pressureAngleDeg = alpha.value_or(20);
    in.helixAngleDeg = beta.value_or(0);
    in.addendum = ha.value_or(1);
    in.allowanceUpper = upper.value_or(0);
    in.allowanceLower = lower.value_or(0);
    in.internal = internal->isChecked();
    in.gauge = pins->isChecked() ? GaugeKind::Pin : GaugeKind::Ball;
    return in;
}

std::optional<SheetInput> InspectionSheet::readInputs()
{
    InputProblem problem;
    const auto in = parseInputs(problem);
    if (!in) {
        // Nothing is saved: said in a box, since the user asked for a file.
        showWarning(this, tr("没有保存：%1").arg(problem.text));
        problem.field->setFocus(Qt::OtherFocusReason);
        problem.field->selectAll();
    }
    return in;
}

void InspectionSheet::computeClicked()
{
    InputProblem problem;
    const auto in = parseInputs(problem);
    if (!in) {
        greyOut(problem.text);
        problem.field->setFocus(Qt::OtherFocusReason);
        problem.field->selectAll();
        return;
    }
    // The typed gear comes back at the next start, with or without a sheet.
    storeInputs(*in);
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
    const TextTranslator translate = [](const char *context, const char *text) {
        return QCoreApplication::translate(context, text).toStdString();
    };
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
    rememberInputs();
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
