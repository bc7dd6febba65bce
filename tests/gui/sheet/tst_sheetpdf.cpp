#include <QtTest>

#include <QProcess>
#include <QTemporaryDir>

#include "core/sheet/sheetreport.h"
#include "gui/painting/page.h"
#include "gui/sheet/sheetpdf.h"

using namespace geardim;

// The sheet's PDF page: the table as text a PDF reader can copy, its fonts embedded.
class TestSheetPdf : public QObject {
    Q_OBJECT

private slots:
    void pdfHasTheSheetAsTextAndItsFontsEmbedded();
    void verdictIsJoinedWhole_data();
    void verdictIsJoinedWhole();

private:
    QTemporaryDir dir;
};

void TestSheetPdf::pdfHasTheSheetAsTextAndItsFontsEmbedded()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty() || QStandardPaths::findExecutable("pdffonts").isEmpty())
        QSKIP("poppler-utils (pdftotext, pdffonts) are not installed; scripts/install-deps installs them");
    const SheetInput in{.module = 1, .teeth = 30, .allowanceUpper = -0.03, .allowanceLower = -0.06,
                        .gaugeDiameter = 1.7};
    const QString path = dir.filePath("sheet.pdf");
    QVERIFY(writeReportPdf(path, computeSheet(in).value(), QDate(2026, 12, 7)).ok());
    QProcess text;
    text.start("pdftotext", {"-layout", path, "-"});
    QVERIFY(text.waitForFinished());
    const QString page = QString::fromUtf8(text.readAllStandardOutput());
    for (const char *expected : {"测量尺寸表", "齿轮：法向模数 mn = 1 mm", "齿数 z = 30", "上偏差 Esns = -0.0300 mm",
                                 "量球", "跨球距 M", "32.3108", "32.2380", "32.1641", "公法线长度 W", "10.7526",
                                 "跨测齿数 k", "2026-12-07"})
        QVERIFY2(page.contains(QString::fromUtf8(expected)), expected);
    QProcess fonts;
    fonts.start("pdffonts", {path});
    QVERIFY(fonts.waitForFinished());
    const QStringList lines = QString::fromUtf8(fonts.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QVERIFY(lines.size() > 2);
    for (const QString &line : lines.mid(2)) // every font embedded, with a map back to Unicode
        QVERIFY2(line.contains(QRegularExpression(R"(\syes\s+(yes|no)\s+yes\s)")), qPrintable(line));
    // Every word stands inside the page's 5 mm margins (A4: 595 points wide, 5 mm = 14.2 pt).
    QProcess boxes;
    boxes.start("pdftotext", {"-bbox", path, "-"});
    QVERIFY(boxes.waitForFinished());
    const QString html = QString::fromUtf8(boxes.readAllStandardOutput());
    static const QRegularExpression word(R"re(<word xMin="([0-9.]+)" yMin="[0-9.]+" xMax="([0-9.]+)")re");
    int words = 0;
    for (auto it = word.globalMatch(html); it.hasNext(); ++words) {
        const auto m = it.next();
        QVERIFY2(m.captured(1).toDouble() >= 14.0 && m.captured(2).toDouble() <= 595.3 - 14.0, qPrintable(m.captured(0)));
    }
    QVERIFY(words > 50);
}

// A measured line's verdict (after its last comma) is joined by word joiners between its
// characters, nothing else changed: no joiner at a space, none after the last character.
void TestSheetPdf::verdictIsJoinedWhole_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("joined");
    const QString j(QChar(0x2060));
    QTest::newRow("chinese") << "实测 M = 32.2000，合格" << "实测 M = 32.2000，合" + j + "格";
    QTest::newRow("english") << "M = 32.2000, too thick" << "M = 32.2000, t" + j + "o" + j + "o t" + j + "h" + j + "i" + j + "c" + j + "k";
    QTest::newRow("no comma") << "合格" << "合格";
}

void TestSheetPdf::verdictIsJoinedWhole()
{
    QFETCH(QString, line);
    QFETCH(QString, joined);
    QCOMPARE(verdictKeptWhole(line), joined);
}

QTEST_MAIN(TestSheetPdf)
#include "tst_sheetpdf.moc"
