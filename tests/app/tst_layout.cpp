#include <QtTest>

#include <QFontDatabase>
#include <QFontInfo>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <memory>

#include <QTranslator>

#include "tests/support/guitest.h"
#include "io/language.h"
#include "gui/toolkit/caption.h"
#include "gui/toolkit/fonts.h"
#include "gui/toolkit/resultlabel.h"

using geardim::WindowId;

// Every caption fits its control with the fonts the program resolves, in every
// window, after a computation with the default inputs has filled the results.
class TestLayout : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void songResolvesToACjkFace();
    void captionsFit_data();
    void captionsFit();
    void tabOrderFollowsTheDesign_data();
    void tabOrderFollowsTheDesign();
    void resultsAreSelectableAndFieldsNamed_data();
    void resultsAreSelectableAndFieldsNamed();
    void windowIconDrawsEverySize_data();
    void windowIconDrawsEverySize();

private:
    std::unique_ptr<GuiFixture> gui;
};

void TestLayout::init() { gui = std::make_unique<GuiFixture>(); }

void TestLayout::cleanup()
{
    QCOMPARE(gui->unexpectedDialogs, QStringList());
    gui.reset();
    // Back to Chinese for the next test.
    delete qApp->findChild<QTranslator *>(QStringLiteral("geardimEnglish"), Qt::FindDirectChildrenOnly);
}

void TestLayout::songResolvesToACjkFace()
{
    const QStringList families = QFontDatabase::families();
    const QString resolved = QFontInfo(geardim::songFont(10.5)).family();
    if (families.contains("SimSun"))
        QCOMPARE(resolved, QString("SimSun"));
    else if (families.contains("Noto Serif CJK SC"))
        QCOMPARE(resolved, QString("Noto Serif CJK SC"));
    else
        QSKIP("no Song-style CJK face is installed");
    // Controls without a font of their own render Chinese in the same face.
    QCOMPARE(QFontInfo(QApplication::font()).family(), resolved);
}

void TestLayout::captionsFit_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<bool>("english");
    // Every window in both languages: the English captions keep the designed places.
    for (const bool english : {false, true}) {
        const auto row = [english](const char *name) -> QTestData & {
            return QTest::newRow(qPrintable(QString::fromLatin1(name) + (english ? "_en" : "")));
        };
        row("Formain") << int(WindowId::Menu) << QStringList() << english;
        row("Formz") << int(WindowId::MValue) << QStringList{"Command1"} << english;
        row("Formz_estimate") << int(WindowId::MValue) << QStringList{"Command1", "Command3"} << english;
        row("Formz_verdict") << int(WindowId::MValue) << QStringList{"Command1", "Command5"} << english;
        row("Formzqx") << int(WindowId::XFromMValue) << QStringList{"Command1"} << english;
        row("Forgfxqx") << int(WindowId::XFromSpan) << QStringList{"Command1", "Command2"} << english;
        row("Forhch") << int(WindowId::XFromThickness) << QStringList{"Command1"} << english;
    }
}

void TestLayout::captionsFit()
{
    QFETCH(int, window);
    QFETCH(QStringList, clicks);
    QFETCH(bool, english);
    if (songFaceMissingUnderWine())
        QSKIP("under wine SimSun is missing and its stand-in is wider: captions laid out for SimSun are not measured");
    // The window is built on first use, after the language is installed.
    if (english)
        geardim::installLanguage(geardim::Language::English);
    const auto id = WindowId(window);
    QWidget *w = gui->window(id);
    w->show();
    for (const QString &b : clicks) {
        if (b == QLatin1String("Command5"))
            gui->answers.push_back(QStringLiteral("100")); // the root diameter the check asks for
        gui->button(id, qPrintable(b))->click();
    }

    const QRect client = w->rect();
    const QList<QWidget *> controls = w->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    // What a control shows: a label its text, any other control its whole face.
    const auto face = [](QWidget *c) {
        if (auto *label = qobject_cast<QLabel *>(c))
            return QRect(label->pos(), QSize(label->fontMetrics().horizontalAdvance(label->text()),
                                             label->fontMetrics().height()));
        return c->geometry();
    };
    for (int i = 0; i < controls.size(); ++i)
        for (int j = i + 1; j < controls.size(); ++j)
            QVERIFY2(!face(controls[i]).intersects(face(controls[j])),
                     qPrintable(w->objectName() + ": " + controls[i]->objectName() + " overlaps "
                                + controls[j]->objectName()));
    for (QWidget *c : controls) {
        const QString where = w->objectName() + "." + c->objectName();
        QVERIFY2(client.contains(c->geometry()), qPrintable(where + " lies outside the window"));
        const QFontMetrics fm(c->font());
        if (auto *label = qobject_cast<QLabel *>(c)) {
            QVERIFY2(fm.horizontalAdvance(label->text()) <= label->width(), qPrintable(where + " too narrow"));
            QVERIFY2(fm.height() <= label->height(), qPrintable(where + " too low"));
        } else if (auto *button = qobject_cast<geardim::WrapButton *>(c)) {
            const QRect area = button->captionRect();
            const geardim::CaptionBlock block = geardim::captionBlock(button->font(), button->text(), area.width());
            QVERIFY2(block.widest <= area.width(), qPrintable(where + " too narrow"));
            QVERIFY2(block.inkHeight <= area.height(),
                     qPrintable(QString("%1 too low: %2 lines need %3 px, %4 px there")
                                    .arg(where).arg(block.lines).arg(block.inkHeight).arg(area.height())));
        } else if (auto *option = qobject_cast<QRadioButton *>(c)) {
            QVERIFY2(option->sizeHint().width() <= option->width(), qPrintable(where + " too narrow"));
            QVERIFY2(fm.height() <= option->height(), qPrintable(where + " too low"));
        } else if (auto *field = qobject_cast<QLineEdit *>(c)) {
            QStyleOptionFrame frame;
            frame.initFrom(field);
            const QRect text = field->style()->subElementRect(QStyle::SE_LineEditContents, &frame, field);
            QVERIFY2(fm.horizontalAdvance(field->text()) <= text.width(), qPrintable(where + " too narrow"));
            QVERIFY2(fm.height() <= text.height(), qPrintable(where + " too low"));
        }
    }
}

void TestLayout::tabOrderFollowsTheDesign_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("Formain") << int(WindowId::Menu)
                             << QStringList{"Command1", "Command2", "Command3", "Command4", "Command5", "Command6", "Command7", "pairButton"};
    QTest::newRow("Formz") << int(WindowId::MValue)
                           << QStringList{"Text1", "Text2", "Text3", "Text4", "Text5", "Command1", "Text6",
                                          "Command2", "Command3", "Opwc", "Opnc", "Command4", "Command5"};
    QTest::newRow("Formzqx") << int(WindowId::XFromMValue)
                             << QStringList{"Text1", "Text2", "Text3", "Text4", "Text5", "Text6",
                                            "Command1", "Command2", "Opnc", "Opwc", "Command3"};
    QTest::newRow("Forgfxqx") << int(WindowId::XFromSpan)
                              << QStringList{"Text1", "Text2", "Text3", "Text4", "Text5", "Text6",
                                             "Command1", "Command2", "Command3", "Command4"};
    QTest::newRow("Forhch") << int(WindowId::XFromThickness)
                            << QStringList{"Text1", "Text2", "Text3", "Text4", "Text5", "Command1",
                                           "Opnc", "Opwc", "Command2", "Command3"};
}

// The focus chain visits the window's controls in their designed order (labels
// and disabled controls take their places in between but no focus).
void TestLayout::tabOrderFollowsTheDesign()
{
    QFETCH(int, window);
    QFETCH(QStringList, order);
    QWidget *w = gui->window(WindowId(window));
    QWidget *first = w->findChild<QWidget *>(order.first());
    QStringList seen;
    QWidget *at = first;
    do {
        if (at->focusPolicy() != Qt::NoFocus && at->parentWidget() == w)
            seen << at->objectName();
        at = at->nextInFocusChain();
    } while (at != first);
    QCOMPARE(seen, order);
}

void TestLayout::resultsAreSelectableAndFieldsNamed_data() { captionsFit_data(); }

void TestLayout::resultsAreSelectableAndFieldsNamed()
{
    QFETCH(int, window);
    QWidget *w = gui->window(WindowId(window));
    for (QLineEdit *field : w->findChildren<QLineEdit *>())
        QVERIFY2(!field->accessibleName().isEmpty(), qPrintable(field->objectName()));
    const int results = int(w->findChildren<geardim::ResultLabel *>().size());
    QCOMPARE(results > 0, WindowId(window) != WindowId::Menu);
    QVERIFY(!w->windowIcon().isNull());
}

void TestLayout::windowIconDrawsEverySize_data()
{
    QTest::addColumn<QSize>("asked");
    QTest::addColumn<QSize>("drawn");
    for (int side : {16, 32, 48, 64, 128, 256})
        QTest::addRow("%d", side) << QSize(side, side) << QSize(side, side);
    // Between drawn sizes: the next larger image, scaled down to the asked size.
    QTest::newRow("24") << QSize(24, 24) << QSize(24, 24);
    QTest::newRow("wide 40x20") << QSize(40, 20) << QSize(20, 20);
    // Larger than the largest: the largest, never scaled up.
    QTest::newRow("512") << QSize(512, 512) << QSize(256, 256);
}

// The icon reads each image only when asked for it, and gives what QIcon promises:
// never larger than asked.
void TestLayout::windowIconDrawsEverySize()
{
    QFETCH(QSize, asked);
    QFETCH(QSize, drawn);
    const QIcon icon = QApplication::windowIcon();
    QCOMPARE(icon.availableSizes().size(), 6);
    QCOMPARE(icon.actualSize(asked), drawn);
    const QPixmap pixmap = icon.pixmap(asked);
    QCOMPARE(pixmap.deviceIndependentSize().toSize(), drawn);
    // The gear is drawn, not an empty square: its centre is opaque.
    QVERIFY(qAlpha(pixmap.toImage().pixel(pixmap.width() / 2, pixmap.height() / 2)) > 0);
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
