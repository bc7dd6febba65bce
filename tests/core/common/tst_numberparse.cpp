#include <QtTest>

#include <QRegularExpression>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <cstring>
#include <limits>

#include "core/common/numberparse.h"

using geardim::parseDouble;
using geardim::parseSingle;

class TestNumberParse : public QObject {
    Q_OBJECT
private slots:
    void acceptsTheGrammar_data();
    void acceptsTheGrammar();
    void rejectsEverythingElse_data();
    void rejectsEverythingElse();
    void roundsOnceToTheTarget();
    void underflowIsZeroOverflowIsNoNumber();
    void ignoresTheLocale();
    void tellsTheUsualSlips_data();
    void tellsTheUsualSlips();
    void randomTextsFollowTheGrammar();
};

void TestNumberParse::acceptsTheGrammar_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("whole") << "2" << 2.0;
    QTest::newRow("trailing_point") << "2." << 2.0;
    QTest::newRow("leading_point") << ".5" << 0.5;
    QTest::newRow("decimal") << "2.5" << 2.5;
    QTest::newRow("negative") << "-1.1" << -1.1;
    QTest::newRow("plus") << "+3" << 3.0;
    QTest::newRow("exponent") << "1.5e3" << 1500.0;
    QTest::newRow("exponent_upper_signed") << "25E-1" << 2.5;
    QTest::newRow("exponent_plus") << "2e+2" << 200.0;
    QTest::newRow("blanks_around") << "  \t50 \t" << 50.0;
    QTest::newRow("negative_zero") << "-0" << -0.0;
    QTest::newRow("fullwidth_digits") << QString::fromUtf8("１２．５") << 12.5;
    QTest::newRow("fullwidth_minus") << QString::fromUtf8("－３") << -3.0;
    QTest::newRow("fullwidth_plus_exp") << QString::fromUtf8("＋１ｅ２") << 100.0;
    QTest::newRow("fullwidth_E") << QString::fromUtf8("2Ｅ1") << 20.0;
    QTest::newRow("ideographic_space") << QString::fromUtf8("\u3000 20\u3000") << 20.0;
    QTest::newRow("long_mantissa") << QString(300, '0') + "1.25" << 1.25;
    // A value too small for any double is a number that underflows to zero.
    QTest::newRow("exponent_underflows_int64") << "1e-9999999999999999999" << 0.0;
}

void TestNumberParse::acceptsTheGrammar()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    const auto d = parseDouble(text.toStdString());
    QVERIFY(d.has_value());
    QCOMPARE(*d, value);
    QCOMPARE(std::signbit(*d), std::signbit(value));
    const auto f = parseSingle(text.toStdString());
    QVERIFY(f.has_value());
    QCOMPARE(*f, static_cast<float>(value));
}

void TestNumberParse::rejectsEverythingElse_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("blanks_only") << "   ";
    QTest::newRow("letters") << "abc";
    QTest::newRow("comma_decimal") << "1,5";
    QTest::newRow("nan") << "nan";
    QTest::newRow("inf") << "inf";
    QTest::newRow("minus_inf") << "-inf";
    QTest::newRow("infinity") << "Infinity";
    QTest::newRow("hex") << "0x10";
    QTest::newRow("exponent_without_digits") << "1e";
    QTest::newRow("exponent_sign_only") << "1e+";
    QTest::newRow("double_sign") << "--1";
    QTest::newRow("plus_minus") << "+-1";
    QTest::newRow("two_numbers") << "2 3";
    QTest::newRow("lone_sign") << "-";
    QTest::newRow("lone_point") << ".";
    QTest::newRow("sign_point") << "-.";
    QTest::newRow("two_points") << "1.2.3";
    QTest::newRow("superscript") << QString::fromUtf8("2²");
    QTest::newRow("unit_suffix") << "20deg";
    QTest::newRow("fullwidth_comma") << QString::fromUtf8("１，５");
    QTest::newRow("embedded_nul") << QString::fromUtf8("1\0" "2", 3);
    QTest::newRow("newline_inside") << "1\n2";
    QTest::newRow("arabic_indic_digit") << QString::fromUtf8("\u0663");
    QTest::newRow("overflows_double") << "1e309";
    QTest::newRow("huge_digit_string") << QString(400, '9');
    QTest::newRow("huge_exponent") << "1e99999999999999999999999";
    QTest::newRow("trailing_newline") << "2\n";
    QTest::newRow("leading_newline") << "\n2";
    QTest::newRow("trailing_carriage_return") << "2\r";
    QTest::newRow("exponent_overflows_int64") << "1e9999999999999999999";
    QTest::newRow("negative_exponent_overflows_int64") << "-1e9999999999999999999";
}

void TestNumberParse::rejectsEverythingElse()
{
    QFETCH(QString, text);
    const std::string utf8 = text.toStdString();
    QVERIFY(!parseDouble(utf8).has_value());
    QVERIFY(!parseSingle(utf8).has_value());
}

void TestNumberParse::roundsOnceToTheTarget()
{
    // 3.36 and -1.1 as singles are the nearest floats to the decimals, not doubles narrowed.
    QCOMPARE(*parseSingle("3.36"), 3.36f);
    QCOMPARE(*parseSingle("-1.1"), -1.1f);
    QCOMPARE(*parseDouble("30"), 30.0);
    // Fits a double but not a single.
    QVERIFY(!parseSingle("1e39").has_value());
    QCOMPARE(*parseDouble("1e39"), 1e39);
    QCOMPARE(*parseSingle("3.4028234e38"), std::numeric_limits<float>::max());
    QVERIFY(!parseSingle("3.5e38").has_value());
}

void TestNumberParse::underflowIsZeroOverflowIsNoNumber()
{
    const auto tiny = parseSingle("1e-50");
    QVERIFY(tiny.has_value());
    QCOMPARE(*tiny, 0.0f);
    const auto negativeTiny = parseDouble("-1e-400");
    QVERIFY(negativeTiny.has_value());
    QCOMPARE(*negativeTiny, 0.0);
    QVERIFY(std::signbit(*negativeTiny));
    const auto written = parseDouble("0." + std::string(400, '0') + "1");
    QVERIFY(written.has_value());
    QCOMPARE(*written, 0.0);
    QVERIFY(!parseDouble("1e400").has_value());
    QVERIFY(!parseSingle("-1e40").has_value());
}

void TestNumberParse::ignoresTheLocale()
{
    // A locale whose decimal separator is a comma must not change anything.
    const char *german = std::setlocale(LC_ALL, "de_DE.UTF-8");
    if (!german)
        QSKIP("no de_DE.UTF-8 locale on this machine (scripts/install-deps generates it)");
    QCOMPARE(QString::fromLatin1(std::localeconv()->decimal_point), QStringLiteral(","));
    QCOMPARE(*parseSingle("2.5"), 2.5f);
    QVERIFY(!parseSingle("2,5").has_value());
    std::setlocale(LC_ALL, "C");
}

// Random texts over the characters that matter, checked against an independent
// statement of the grammar (a regular expression after folding the full-width
// forms) and against the C library's conversion in the "C" locale.
void TestNumberParse::randomTextsFollowTheGrammar()
{
    const QStringList alphabet = {"0", "1", "5", "9", ".", "e", "E", "+", "-", " ", "\t", "x", ",",
                                  "n", "a", "i", QString::fromUtf8("５"), QString::fromUtf8("．"),
                                  QString::fromUtf8("－"), QString::fromUtf8("ｅ"), QString::fromUtf8("\u3000"),
                                  QString::fromUtf8("²"), "00", "12", "3e4", "\n", "\r"};
    const QRegularExpression grammar(
        R"(^[ \t]*[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?[ \t]*\z)");
    std::setlocale(LC_ALL, "C");
    quint32 seed = 20261207;
    const auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 8); };
    int accepted = 0;
    for (int i = 0; i < 200000; ++i) {
        QString text;
        const int length = 1 + int(next() % 9);
        for (int j = 0; j < length; ++j)
            text += alphabet[int(next() % alphabet.size())];
        QString folded = text;
        folded.replace(QString::fromUtf8("５"), "5").replace(QString::fromUtf8("．"), ".");
        folded.replace(QString::fromUtf8("－"), "-").replace(QString::fromUtf8("ｅ"), "e");
        folded.replace(QString::fromUtf8("\u3000"), " ");
        const bool valid = grammar.match(folded).hasMatch();

        // The parser sees exactly the bytes of the text, in a buffer of its own size.
        const std::string utf8 = text.toStdString();
        const std::unique_ptr<char[]> exact(new char[utf8.size()]);
        std::memcpy(exact.get(), utf8.data(), utf8.size());
        const std::string_view view(exact.get(), utf8.size());
        const auto asDouble = parseDouble(view);
        const auto asSingle = parseSingle(view);
        const std::string ascii = folded.trimmed().toStdString();
        const double reference = valid ? std::strtod(ascii.c_str(), nullptr) : 0;
        // A text of the grammar is a number unless it is too large for a double.
        QVERIFY2(asDouble.has_value() == (valid && std::isfinite(reference)), qPrintable(text));
        if (!asDouble)
            continue;
        ++accepted;
        QCOMPARE(*asDouble, reference);
        const float single = std::strtof(ascii.c_str(), nullptr);
        QVERIFY2(asSingle.has_value() == std::isfinite(single), qPrintable(text));
        if (asSingle)
            QCOMPARE(*asSingle, single);
    }
    QVERIFY(accepted > 1000);
}

Q_DECLARE_METATYPE(geardim::NotANumber)

void TestNumberParse::tellsTheUsualSlips_data()
{
    using geardim::NotANumber;
    QTest::addColumn<QString>("text");
    QTest::addColumn<NotANumber>("why");
    QTest::newRow("comma") << "2,5" << NotANumber::Comma;
    QTest::newRow("fullwidth_comma") << QString::fromUtf8("１，５") << NotANumber::Comma;
    QTest::newRow("two_commas") << "1,2,3" << NotANumber::General;
    QTest::newRow("unit_mm") << "3.36mm" << NotANumber::Unit;
    QTest::newRow("unit_spaced") << "3.36 mm" << NotANumber::Unit;
    QTest::newRow("degree_sign") << QString::fromUtf8("20°") << NotANumber::Unit;
    QTest::newRow("two_numbers") << "5 0" << NotANumber::TwoNumbers;
    QTest::newRow("ideographic_space_between") << QString::fromUtf8("5\u30000") << NotANumber::TwoNumbers;
    QTest::newRow("exponent_cut_short") << "1e" << NotANumber::General;
    QTest::newRow("letters") << "abc" << NotANumber::General;
    QTest::newRow("hex") << "0x10" << NotANumber::General;
    QTest::newRow("blanks") << "   " << NotANumber::General;
}

void TestNumberParse::tellsTheUsualSlips()
{
    QFETCH(QString, text);
    QFETCH(geardim::NotANumber, why);
    const std::string utf8 = text.toStdString();
    QVERIFY(!geardim::parseDouble(utf8));
    QCOMPARE(geardim::whyNotANumber(utf8), why);
}

QTEST_APPLESS_MAIN(TestNumberParse)
#include "tst_numberparse.moc"
