#include <QtTest>

#include <sstream>

#include "core/common/csvrecords.h"
#include "core/sheet/batch.h"
#include "core/sheet/sheetinputs.h"
#include "core/sheet/sheetreport.h"

using namespace geardim;

// The gear batch: a CSV of gears in, a CSV of sheets out, line by line in order, every bad
// line said why; and the sheet's table for a spreadsheet.
class TestBatch : public QObject {
    Q_OBJECT

private slots:
    void batchComputesGoodLinesAndExplainsBadOnes();
    void batchKeepsTheOrderOfManyLines();
    void batchRefusesAnUnknownColumn();
    void batchRecords_data();
    void batchRecords();
    void batchRefusesHeaders_data();
    void batchRefusesHeaders();
    void batchStopsWhenItsOutputFails();
    void tableForSpreadsheets();
    void cellsSayYesOrNoAsASpreadsheetMay_data();
    void cellsSayYesOrNoAsASpreadsheetMay();
    void wordsWithCommasAndQuotesStayInTheirCells();
};

void TestBatch::batchComputesGoodLinesAndExplainsBadOnes()
{
    std::istringstream in("module,teeth,gauge-diameter,internal,gauge\n"
                          "1,30,1.7,,\n"
                          "2,abc,3.5,no,ball\n"
                          "\"1.5\",21,2.75,false,pin\n"
                          "1,30,40,yes,ball\n"
                          "1,30\n"
                          "\n");
    std::ostringstream out;
    const BatchSummary summary = runBatch(in, out, SheetInput{});
    QCOMPARE(summary.problem, std::string());
    QCOMPARE(summary.gears, 5L);
    QCOMPARE(summary.withoutResult, 3L);
    const QStringList lines = QString::fromStdString(out.str()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 6);
    const QStringList header = lines[0].split(',');
    QCOMPARE(header.mid(0, 5), QStringList({"module", "teeth", "gauge-diameter", "internal", "gauge"}));
    QCOMPARE(header.last(), QString("error"));
    const int m = header.indexOf("overGauges.nominal");
    const auto field = [&](int line, int column) { return lines[line].split(',')[column]; };
    QCOMPARE(QString::fromStdString(sheetNumber(field(1, m).toDouble(), 4)), QString("32.3108"));
    QCOMPARE(field(1, header.size() - 1), QString());
    QVERIFY(field(2, header.size() - 1).contains("teeth"));
    QCOMPARE(field(2, m), QString());
    QCOMPARE(field(3, header.indexOf("gauge.kind")), QString("pin"));
    QVERIFY(lines[4].contains(QString::fromUtf8(failureText(Failure::PinCentreOffInvolute))));
    QVERIFY(lines[5].contains("表头有 5 列"));
    // Values of the command line stand for the columns a file lacks.
    std::istringstream teethOnly("teeth\n30\n");
    std::ostringstream withModule;
    QCOMPARE(runBatch(teethOnly, withModule, SheetInput{.module = 2}).withoutResult, 0L);
    QVERIFY(QString::fromStdString(withModule.str()).split('\n')[1].startsWith("30,mm,2,"));
    for (const QString &line : lines)
        QCOMPARE(line.split(',').size(), header.size());
}

// A yes-or-no column (internal) takes the words and digits a spreadsheet writes.
void TestBatch::cellsSayYesOrNoAsASpreadsheetMay_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<int>("internal"); // 1 internal, 0 external, -1 refused
    for (const char *yes : {"true", "yes", "1", "TRUE", " Yes "})
        QTest::newRow(yes) << yes << 1;
    for (const char *no : {"false", "no", "0", "False"})
        QTest::newRow(no) << no << 0;
    for (const char *neither : {"2", "y", "internal"})
        QTest::newRow(neither) << neither << -1;
}

void TestBatch::cellsSayYesOrNoAsASpreadsheetMay()
{
    QFETCH(QString, cell);
    QFETCH(int, internal);
    const SheetOption *option = findSheetOption("internal");
    QVERIFY(option);
    for (const bool before : {false, true}) {
        SheetInput in;
        in.internal = before;
        const bool read = applySheetOption(*option, cell.toStdString(), in);
        QCOMPARE(read, internal >= 0);
        QCOMPARE(in.internal, internal >= 0 ? internal == 1 : before);
    }
}

void TestBatch::batchKeepsTheOrderOfManyLines()
{
    // More lines than the two stages have room for at once, each gear its own tooth count.
    std::string csv = "teeth,module\n";
    for (int z = 10; z < 1010; ++z)
        csv += std::to_string(z) + (z % 97 == 0 ? ",x\n" : ",1\n");
    std::istringstream in(csv);
    std::ostringstream out;
    const BatchSummary summary = runBatch(in, out, SheetInput{});
    QCOMPARE(summary.gears, 1000L);
    QCOMPARE(summary.withoutResult, 10L);
    const QStringList lines = QString::fromStdString(out.str()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1001);
    const int teeth = lines[0].split(',').indexOf("gear.teeth");
    for (int z = 10; z < 1010; ++z) {
        const QStringList fields = lines[z - 9].split(',');
        QCOMPARE(fields[0], QString::number(z));
        QCOMPARE(fields[teeth], z % 97 == 0 ? QString() : QString::number(z));
    }
}

// Each input's records: the teeth of each result line (0 for a line without a
// result) and the error text the lines without one carry.
void TestBatch::batchRecords_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QList<int>>("teeth");
    QTest::addColumn<QString>("error");
    QTest::newRow("doubled_quote_is_a_quote") << QByteArray("module,teeth\n1,\"3\"\"0\"\n1,40\n") << QList<int>{0, 40}
                                              << "“3\"\"0”"; // the value 3"0, its quote doubled in the output
    QTest::newRow("quoted_line_break") << QByteArray("module,teeth\n\"1\n\",30\n1,40\n") << QList<int>{0, 40} << "module";
    QTest::newRow("one_field_too_many") << QByteArray("module,teeth\n1,30,7\n1,40\n") << QList<int>{0, 40} << "3";
    QTest::newRow("one_field_too_few") << QByteArray("module,teeth\n1,30\n1\n1,40\n") << QList<int>{30, 0, 40} << "这一行有 1 列，表头有 2 列";
    QTest::newRow("blank_lines_before_header") << QByteArray("\n \n\nmodule,teeth\n1,30\n") << QList<int>{30} << "";
    QTest::newRow("unclosed_quote_then_goes_on") << QByteArray("module,teeth\n1,\"30\n1,40\n2,50\n") << QList<int>{0, 40, 50}
                                                 << "2";
    // A quote left open over more than 64 KiB: the error on its first line, the rest read on.
    QTest::newRow("unclosed_quote_past_64KiB")
        << QByteArray("module,teeth\n1,\"30\n" + QByteArray(70000, 'x') + "\n1,40\n") << QList<int>{0, 0, 40} << "2";
    // A quoted record of exactly 64 KiB (its line break counted) is one record; a byte more is too long.
    QTest::newRow("quoted_record_of_64KiB") << QByteArray("module,teeth\n\"1\n" + QByteArray(65529, 'x') + "\",30\n1,40\n")
                                            << QList<int>{0, 40} << "module";
    QTest::newRow("quoted_record_past_64KiB") << QByteArray("module,teeth\n\"1\n" + QByteArray(65530, 'x') + "\",30\n1,40\n")
                                              << QList<int>{0, 0, 40} << "第 2 行";
    QTest::newRow("line_longer_than_64KiB") << QByteArray("module,teeth\n1," + QByteArray(70000, '3') + "\n1,40\n")
                                            << QList<int>{0, 40} << "64 KiB";
}

void TestBatch::batchRecords()
{
    QFETCH(QByteArray, csv);
    QFETCH(QList<int>, teeth);
    QFETCH(QString, error);
    std::istringstream in(csv.toStdString());
    std::ostringstream out;
    const BatchSummary summary = runBatch(in, out, SheetInput{});
    QCOMPARE(summary.problem, std::string());
    QCOMPARE(summary.gears, long(teeth.size()));
    const QStringList lines = QString::fromStdString(out.str()).split('\n', Qt::SkipEmptyParts);
    const QStringList header = lines[0].split(',');
    const int z = header.indexOf("gear.teeth"), e = header.indexOf("error");
    QList<int> got;
    QString errors;
    for (const QString &line : lines.mid(1)) {
        if (line.split(',').size() < header.size())
            continue; // the rest of a record with a quoted line break
        const QStringList f = line.split(',');
        got << f[z].toInt();
        errors += f.mid(e).join(',');
    }
    QCOMPARE(got, teeth);
    QVERIFY2(errors.contains(error), qPrintable(errors));
    // A short line echoes only the cells it has, the others empty.
    if (QByteArray(QTest::currentDataTag()) == "one_field_too_few")
        QVERIFY2(lines[2].startsWith("1,,"), qPrintable(lines[2]));
}

void TestBatch::batchRefusesHeaders_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("problem");
    QTest::newRow("unknown") << QByteArray("module,teeth,colour\n1,30,red\n") << "colour";
    QTest::newRow("twice") << QByteArray("module,teeth,module\n1,30,2\n") << "两列“module”";
    QTest::newRow("long_unknown_is_cut") << QByteArray("module," + QByteArray(300, 'q') + "\n1,2\n")
                                         << QString(40, 'q') + "…”";
    QTest::newRow("unknown_of_40_is_whole") << QByteArray("module," + QByteArray(40, 'q') + "\n1,2\n") << "“" + QString(40, 'q') + "”";
    QTest::newRow("empty") << QByteArray("") << "表头";
    QTest::newRow("blank_only") << QByteArray("\n\n  \n") << "表头";
}

void TestBatch::batchRefusesHeaders()
{
    QFETCH(QByteArray, csv);
    QFETCH(QString, problem);
    std::istringstream in(csv.toStdString());
    std::ostringstream out;
    const BatchSummary summary = runBatch(in, out, SheetInput{});
    QVERIFY2(QString::fromStdString(summary.problem).contains(problem), summary.problem.c_str());
    QVERIFY(summary.problem.size() < 200);
    QCOMPARE(summary.gears, 0L);
    QCOMPARE(out.str(), std::string());
}

// A stream that takes the header and a few lines, then fails, as a full disk would.
class FailingBuffer : public std::streambuf {
public:
    std::size_t taken = 0;

protected:
    int_type overflow(int_type c) override { return ++taken > 20000 ? traits_type::eof() : c; }
};

void TestBatch::batchStopsWhenItsOutputFails()
{
    std::string csv = "teeth,module\n";
    for (int z = 10; z < 20010; ++z)
        csv += std::to_string(z % 200 + 10) + ",1\n";
    std::istringstream in(csv);
    FailingBuffer failing;
    std::ostream out(&failing);
    const BatchSummary summary = runBatch(in, out, SheetInput{.module = 2});
    QVERIFY(!out);
    // It stopped computing within a ring of the failure instead of going through every line.
    QVERIFY2(summary.gears < 1000, qPrintable(QString::number(summary.gears)));
}

void TestBatch::batchRefusesAnUnknownColumn()
{
    std::istringstream in("module,teeth,colour\n1,30,red\n");
    std::ostringstream out;
    const BatchSummary summary = runBatch(in, out, SheetInput{});
    QVERIFY(QString::fromStdString(summary.problem).contains("colour"));
    QCOMPARE(summary.gears, 0L);
    std::istringstream empty("");
    QVERIFY(!runBatch(empty, out, SheetInput{}).problem.empty());
}

void TestBatch::tableForSpreadsheets()
{
    const SheetResult r = computeSheet({.module = 1, .teeth = 30, .allowanceUpper = -0.03, .allowanceLower = -0.06,
                                        .gaugeDiameter = 1.7})
                              .value();
    const QStringList lines = QString::fromStdString(sheetTsv(r)).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines[0], QString("项目\t单位\t公称\t上限\t下限\t偏差"));
    QVERIFY(lines.contains("跨球距 M\tmm\t32.3108\t32.2380\t32.1641\t-0.0728/-0.1467"));
    QVERIFY(lines.contains("跨测齿数 k\t\t4\t\t\t"));
    const QString html = QString::fromStdString(sheetHtml(r));
    QVERIFY(html.startsWith("<table>") && html.contains("<td>32.3108</td>"));
}

// Whatever the language's words hold (a comma, a quote), every result line reads back as one
// record of the header's columns, its warning and error texts whole.
void TestBatch::wordsWithCommasAndQuotesStayInTheirCells()
{
    const TextTranslator quoting = [](const char *, const char *text) { return std::string("a, \"b\" ") + text; };
    std::istringstream in("module,teeth\n2,30\n2,x\n");
    std::ostringstream out;
    QCOMPARE(runBatch(in, out, SheetInput{}, quoting).withoutResult, 1L);
    std::istringstream written(out.str());
    LineSource source(written);
    std::vector<std::vector<std::string>> records;
    std::vector<std::string> fields;
    RecordProblem problem;
    while (readRecord(source, fields, problem)) {
        QCOMPARE(int(problem.kind), int(RecordProblem::None));
        records.push_back(fields);
    }
    QCOMPARE(records.size(), std::size_t(3));
    for (const auto &record : records)
        QCOMPARE(record.size(), records[0].size());
    const auto column = [&](const char *name) {
        return std::size_t(std::find(records[0].begin(), records[0].end(), name) - records[0].begin());
    };
    QVERIFY(records[1][column("warnings")].rfind("a, \"b\" ", 0) == 0); // the equal allowances' warning
    QVERIFY(records[2][column("error")].rfind("a, \"b\" ", 0) == 0);
}

QTEST_MAIN(TestBatch)
#include "tst_batch.moc"
