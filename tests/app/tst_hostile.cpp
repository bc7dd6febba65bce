#include <QtTest>

#include <cmath>
#include <memory>

#include "tests/support/guitest.h"
#include "core/common/numberparse.h"

using geardim::WindowId;

namespace {

enum class Kind { Empty, NotANumber, TooLargeForSingle, Number };

struct Hostile {
    QString text;
    Kind kind;
};

// Texts no calculation can take, and numbers at or past the edges of every formula.
QList<Hostile> hostileTexts()
{
    QList<Hostile> list = {
        {"", Kind::Empty},
        {" ", Kind::NotANumber},
        {"\t  ", Kind::NotANumber},
        {"abc", Kind::NotANumber},
        {"1,5", Kind::NotANumber},
        {"nan", Kind::NotANumber},
        {"NaN", Kind::NotANumber},
        {"inf", Kind::NotANumber},
        {"-inf", Kind::NotANumber},
        {"Infinity", Kind::NotANumber},
        {"0x10", Kind::NotANumber},
        {"+", Kind::NotANumber},
        {"-", Kind::NotANumber},
        {".", Kind::NotANumber},
        {"1e", Kind::NotANumber},
        {"--1", Kind::NotANumber},
        {"2 3", Kind::NotANumber},
        {QString::fromUtf8("²"), Kind::NotANumber},
        {QString::fromUtf8("2³"), Kind::NotANumber},
        {QString::fromUtf8("二十"), Kind::NotANumber},
        {QString(400, '7'), Kind::NotANumber},
        {"1e309", Kind::NotANumber},
        {"-1e400", Kind::NotANumber},
        {"1e39", Kind::TooLargeForSingle},
        {"-1e39", Kind::TooLargeForSingle},
        {"1e-50", Kind::Number},
        {"-1e-50", Kind::Number},
        {"1e-400", Kind::Number},
        {"1e-45", Kind::Number},
        {"0", Kind::Number},
        {"-0", Kind::Number},
        {"-1", Kind::Number},
        {"-20", Kind::Number},
        {"90", Kind::Number},
        {"-90", Kind::Number},
        {"89.99999", Kind::Number},
        {"-89.99999", Kind::Number},
        {"180", Kind::Number},
        {"0.0001", Kind::Number},
        {"1e-30", Kind::Number},
        {"1e30", Kind::Number},
        {"3.4e38", Kind::Number},
        {"-3.4e38", Kind::Number},
        {"1e6", Kind::Number},
        {"0.5", Kind::Number},
        {QString::fromUtf8("１２．５"), Kind::Number},
        {QString::fromUtf8("－３"), Kind::Number},
    };
    return list;
}

// One compute button of one window: what it reads, and the label its result goes to.
struct Click {
    WindowId id;
    const char *button;
    const char *result;
    QStringList fields;          // fields whose text the click parses
    QStringList doubleFields;    // of those, the ones parsed to double precision
    QStringList otherFields;     // fields it must find filled but does not parse
    bool hasGearKind;
    bool needsComputedM;         // the pin check works on the M value shown; its result is a verdict
};

const QStringList kSix{"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"};
const QStringList kFive{"Text1", "Text2", "Text3", "Text4", "Text5"};

} // namespace

Q_DECLARE_METATYPE(Click)

class TestHostile : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void everyFieldTakesEveryText_data();
    void everyFieldTakesEveryText();
    void rootDiameterPromptTakesEveryText();

private:
    std::unique_ptr<GuiFixture> gui;
    QHash<QString, QString> defaults(WindowId id);
    void checkNoNonsenseShown(WindowId id, const QString &context);
};

void TestHostile::init()
{
    gui = std::make_unique<GuiFixture>();
    gui->start();
}

void TestHostile::cleanup()
{
    QCOMPARE(gui->unexpectedDialogs, QStringList());
    gui.reset();
}

QHash<QString, QString> TestHostile::defaults(WindowId id)
{
    QHash<QString, QString> texts;
    for (QLineEdit *field : gui->window(id)->findChildren<QLineEdit *>())
        texts[field->objectName()] = field->text();
    return texts;
}

void TestHostile::checkNoNonsenseShown(WindowId id, const QString &context)
{
    for (QLabel *label : gui->window(id)->findChildren<QLabel *>()) {
        const QString text = label->text().toLower();
        QVERIFY2(!text.contains("nan") && !text.contains("inf"),
                 qPrintable(context + ": " + label->objectName() + " shows " + label->text()));
    }
}

void TestHostile::everyFieldTakesEveryText_data()
{
    QTest::addColumn<Click>("click");
    QTest::newRow("formz_compute")
        << Click{WindowId::MValue, "Command1", "Label11", kSix, {"Text5"}, {}, true, false};
    QTest::newRow("formz_estimate")
        << Click{WindowId::MValue, "Command3", "Label7", kFive, {}, {"Text6"}, true, false};
    QTest::newRow("formz_check")
        << Click{WindowId::MValue, "Command5", "Label7", {"Text2", "Text6"}, {}, {}, true, true};
    QTest::newRow("formzqx_compute")
        << Click{WindowId::XFromMValue, "Command1", "Label9", kSix, {}, {}, true, false};
    QTest::newRow("forgfxqx_span_estimate")
        << Click{WindowId::XFromSpan, "Command1", "Label8", kSix, {}, {}, false, false};
    QTest::newRow("forgfxqx_shift")
        << Click{WindowId::XFromSpan, "Command2", "Label10", kSix, {"Text6"}, {}, false, false};
    QTest::newRow("forhch_compute")
        << Click{WindowId::XFromThickness, "Command1", "Label9", kFive, {}, {}, true, false};
}

// After every click: the click returned, the typed texts are as typed, no label
// shows nan or inf, and either a new result stands in the result label or exactly
// one warning was shown and the result label is untouched, never both, never
// neither; an empty field gives neither.
void TestHostile::everyFieldTakesEveryText()
{
    QFETCH(Click, click);
    const QHash<QString, QString> initial = defaults(click.id);
    gui->window(click.id)->show();
    const QList<bool> kinds = click.hasGearKind ? QList<bool>{true, false} : QList<bool>{true};
    const QStringList swept = click.fields + click.otherFields;
    int clicks = 0;
    for (const bool external : kinds) {
        for (const QString &field : swept) {
            for (const Hostile &hostile : hostileTexts()) {
                const QString context = QString("%1 %2 %3=\"%4\"")
                                            .arg(external ? "external" : "internal", click.button, field,
                                                 hostile.text.left(20));
                for (auto it = initial.begin(); it != initial.end(); ++it)
                    gui->field(click.id, qPrintable(it.key()))->setText(it.value());
                if (QRadioButton *kind = gui->option(click.id, external ? "Opwc" : "Opnc"))
                    kind->setChecked(true);
                if (click.needsComputedM) {
                    gui->button(click.id, "Command1")->click();
                    gui->answers = {QString("100")};
                }
                gui->field(click.id, qPrintable(field))->setText(hostile.text);
                QLabel *result = gui->label(click.id, click.result);
                const QString sentinel = QStringLiteral("§");
                result->setText(sentinel);
                gui->warnings.clear();

                gui->button(click.id, click.button)->click();
                ++clicks;

                QHash<QString, QString> expectedTexts = initial;
                expectedTexts[field] = hostile.text;
                for (auto it = expectedTexts.begin(); it != expectedTexts.end(); ++it)
                    QVERIFY2(gui->text(click.id, qPrintable(it.key())) == it.value(), qPrintable(context));
                checkNoNonsenseShown(click.id, context);

                const bool parsed = click.fields.contains(field);
                const bool inDouble = click.doubleFields.contains(field);
                const bool empty = hostile.kind == Kind::Empty && !click.needsComputedM;
                const bool notANumber = parsed
                    && (hostile.kind == Kind::NotANumber || (hostile.kind == Kind::Empty && click.needsComputedM)
                        || (hostile.kind == Kind::TooLargeForSingle && !inDouble));
                const bool warned = !gui->warnings.isEmpty();
                const bool written = result->text() != sentinel;
                QVERIFY2(gui->warnings.size() <= 1, qPrintable(context + ": " + gui->warnings.join(" | ")));
                if (empty) {
                    QVERIFY2(!warned && !written, qPrintable(context));
                } else if (notANumber) {
                    QVERIFY2(warned && !written, qPrintable(context));
                    QVERIFY2(gui->warnings[0].contains("不是有效的数字"), qPrintable(context));
                } else {
                    QVERIFY2(warned != written, qPrintable(context + ": warned " + QString::number(warned)
                                                           + " shows " + result->text()));
                }
                if (written && !click.needsComputedM) {
                    const auto value = geardim::parseDouble(result->text().toStdString());
                    QVERIFY2(value && std::isfinite(*value), qPrintable(context + ": shows " + result->text()));
                }
            }
        }
    }
    QCOMPARE(clicks, int(kinds.size() * swept.size() * hostileTexts().size()));
}

void TestHostile::rootDiameterPromptTakesEveryText()
{
    const WindowId W = WindowId::MValue;
    gui->window(W)->show();
    gui->button(W, "Command1")->click();
    for (const bool external : {true, false}) {
        gui->option(W, external ? "Opwc" : "Opnc")->setChecked(true);
        for (const Hostile &hostile : hostileTexts()) {
            const QString context = QString("root diameter \"%1\"").arg(hostile.text.left(20));
            gui->label(W, "Label7")->setText("§");
            gui->warnings.clear();
            // A text that is not a number opens the prompt again; the second time is cancelled.
            gui->answers = {hostile.text, std::nullopt};
            gui->prompts.clear();
            gui->button(W, "Command5")->click();
            const bool reopened = gui->answers.empty();
            if (!reopened)
                gui->answers.clear();
            QCOMPARE(gui->prompts.size(), reopened ? 2 : 1);
            const bool warned = !gui->warnings.isEmpty();
            const QString verdict = gui->text(W, "Label7");
            const bool written = verdict != "§";
            QVERIFY2(warned != written, qPrintable(context));
            if (hostile.kind != Kind::Number)
                QVERIFY2(warned && reopened, qPrintable(context));
            if (written)
                QVERIFY2(verdict == "量棒(球)可用" || verdict == "量棒(球)不可用", qPrintable(context));
        }
    }
}

QTEST_MAIN(TestHostile)
#include "tst_hostile.moc"
