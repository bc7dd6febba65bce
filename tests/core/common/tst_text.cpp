#include <QtTest>

#include "core/common/json.h"
#include "core/common/text.h"

using namespace geardim;

// The text tools every report shares: a terminal's columns, the escapes of JSON, CSV and
// markup, and numbers as the program writes them.
class TestText : public QObject {
    Q_OBJECT
private slots:
    void displayWidthCountsWideCharactersTwice_data();
    void displayWidthCountsWideCharactersTwice();
    void escapes_data();
    void escapes();
    void numbers_data();
    void numbers();
    void writers();
};

void TestText::displayWidthCountsWideCharactersTwice_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("columns");
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("latin") << "mm" << 2;
    QTest::newRow("greek and degree") << "αn (°)" << 6;
    QTest::newRow("chinese") << "齿轮" << 4;
    QTest::newRow("full-width parentheses") << "（k）" << 5;
    QTest::newRow("double prime is narrow") << "a″" << 2;
    QTest::newRow("ellipsis and minus are narrow") << "…−" << 2;
    QTest::newRow("mixed") << "双啮中心距 a″" << 13;
}

void TestText::displayWidthCountsWideCharactersTwice()
{
    QFETCH(QString, text);
    QFETCH(int, columns);
    QCOMPARE(int(displayWidth(text.toStdString())), columns);
}

void TestText::escapes_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("written");
    QTest::newRow("json plain") << "json" << "M" << "\"M\"";
    QTest::newRow("json quote and backslash") << "json" << "a\"b\\c" << "\"a\\\"b\\\\c\"";
    QTest::newRow("json line break and tab") << "json" << "a\nb\tc" << "\"a\\nb\\tc\"";
    QTest::newRow("json control") << "json" << QString(QChar(0x1f)) << "\"\\u001f\"";
    QTest::newRow("json space is no control") << "json" << " " << "\" \"";
    QTest::newRow("csv plain") << "csv" << "65.15" << "65.15";
    QTest::newRow("csv comma") << "csv" << "a,b" << "\"a,b\"";
    QTest::newRow("csv quote") << "csv" << "a\"b" << "\"a\"\"b\"";
    QTest::newRow("csv line break") << "csv" << "a\nb" << "\"a\nb\"";
    QTest::newRow("csv return") << "csv" << "a\rb" << "\"a\rb\"";
    QTest::newRow("markup") << "markup" << "a<b>&c" << "a&lt;b&gt;&amp;c";
    QTest::newRow("filled") << "filled" << "k = %1, %1" << "k = 4, %1";
}

void TestText::escapes()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(QString, written);
    const std::string t = text.toStdString();
    const std::string out = kind == "json" ? jsonString(t) : kind == "csv" ? csvField(t) : kind == "markup" ? markupEscaped(t) : filled(t, "4");
    QCOMPARE(QString::fromStdString(out), written);
}

void TestText::numbers_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals"); // -1: the shortest text
    QTest::addColumn<QString>("written");
    QTest::newRow("shortest whole") << 100000.0 << -1 << "100000";
    QTest::newRow("shortest zero") << -0.0 << -1 << "0";
    QTest::newRow("shortest fraction") << 0.1 << -1 << "0.1";
    QTest::newRow("shortest negative") << -2.5 << -1 << "-2.5";
    QTest::newRow("fixed rounds") << 32.31076 << 4 << "32.3108";
    QTest::newRow("fixed negative zero") << -0.00004 << 4 << "0.0000";
    QTest::newRow("fixed negative") << -0.07284 << 4 << "-0.0728";
    QTest::newRow("signed positive") << 0.0123 << -2 << "+0.0123";
    QTest::newRow("signed zero") << -0.00001 << -2 << "0.0000";
    QTest::newRow("signed negative") << -0.0728 << -2 << "-0.0728";
}

void TestText::numbers()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, written);
    const std::string out = decimals == -1 ? shortestNumber(value) : decimals == -2 ? sheetSignedNumber(value, 4) : sheetNumber(value, decimals);
    QCOMPARE(QString::fromStdString(out), written);
}

// The shared writers of every report: the aligned table (names and units left, numbers right,
// wide characters counted twice), the CSV record, the JSON object, the blanks trimmed.
void TestText::writers()
{
    QCOMPARE(alignedText({{"项目", "单位", "公称"}, {"M", "mm", "1.5"}, {"k", "", "12.25"}}),
             std::string("项目  单位   公称\nM     mm      1.5\nk           12.25\n"));
    QCOMPARE(csvRecord({{"a", "1"}, {"b", "x,y"}}), std::string("a,b\n1,\"x,y\"\n"));
    JsonObject inner;
    inner.number("max", 1.5).number("min", std::optional<double>());
    JsonObject outer;
    outer.text("unit", "mm").boolean("internal", false).object("size", inner).texts("warnings", {"a\"b"});
    QCOMPARE(outer.document(), std::string("{\"unit\": \"mm\",\n \"internal\": false,\n \"size\": {\"max\": 1.5, \"min\": null},\n "
                                           "\"warnings\": [\"a\\\"b\"]}\n"));
    QCOMPARE(std::string(trimmed(" \t x y \r")), std::string("x y"));
    QCOMPARE(secondFilled(filled("%1 和 %2", "a"), "b"), std::string("a 和 b"));
}

QTEST_GUILESS_MAIN(TestText)
#include "tst_text.moc"
