// Reading numbers from boxes, rounding, truncation and writing numbers back.

#include "common/numeric.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace numeric;

class TestNumeric : public QObject
{
    Q_OBJECT

private slots:
    void readsLeadingNumber_data();
    void readsLeadingNumber();
    void rejectsNumbersBeyondDouble_data();
    void rejectsNumbersBeyondDouble();
    void roundsHalvesToEven_data();
    void roundsHalvesToEven();
    void wholeNumberKeepsSixteenBits_data();
    void wholeNumberKeepsSixteenBits();
    void truncatesToFourDecimals_data();
    void truncatesToFourDecimals();
    void writesNumbers_data();
    void writesNumbers();
    void writtenNumbersReadBackExactly();
};

void TestNumeric::readsLeadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("one blank") << " " << 0.0;
    QTest::newRow("whole") << "30" << 30.0;
    QTest::newRow("unit after the number") << "30MPa" << 30.0;
    QTest::newRow("letter before the number") << "C30" << 0.0;
    QTest::newRow("exponent") << "1e11" << 1e11;
    QTest::newRow("signed exponent") << "1E+11" << 1e11;
    QTest::newRow("negative exponent") << "2.5e-3" << 0.0025;
    QTest::newRow("D exponent") << "1.5D2" << 150.0;
    QTest::newRow("d exponent") << "1.5d-2" << 0.015;
    QTest::newRow("exponent without digits") << "7e" << 7.0;
    QTest::newRow("exponent sign without digits") << "7e+x" << 7.0;
    QTest::newRow("blanks inside") << "1 000" << 1000.0;
    QTest::newRow("tab and line break") << "\t-1\n2.5\r" << -12.5;
    QTest::newRow("blank between sign and digits") << "- 5" << -5.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("second point ends the number") << "1.2.3" << 1.2;
    QTest::newRow("plus sign") << "+4" << 4.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("two signs") << "--5" << 0.0;
    QTest::newRow("comma ends the number") << "2,5" << 2.0;
    QTest::newRow("leading zeros") << "000.000125" << 0.000125;
    QTest::newRow("nearest double") << "0.1" << 0.1;
    QTest::newRow("many digits") << "3.14159265358979323846264338327950288" << 3.141592653589793;
    QTest::newRow("largest double") << "1.7976931348623157e308" << std::numeric_limits<double>::max();
    QTest::newRow("too small reads as 0") << "1e-400" << 0.0;
    QTest::newRow("huge negative exponent") << "5e-99999999999999999999" << 0.0;
    QTest::newRow("zeros then exponent") << "0.000e999" << 0.0;
    QTest::newRow("small digits, large exponent") << "0.0001e310" << 1e306;
}

void TestNumeric::readsLeadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    const auto read = numericInput(text.toStdString());
    QVERIFY(read.has_value());
    QCOMPARE(*read, value);
}

void TestNumeric::rejectsNumbersBeyondDouble_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("1e309") << "1e309";
    QTest::newRow("negative") << "-2e308";
    QTest::newRow("long digit run") << QString(400, QLatin1Char('9'));
    QTest::newRow("huge exponent") << "1e99999999999999999999";
}

void TestNumeric::rejectsNumbersBeyondDouble()
{
    QFETCH(QString, text);
    QVERIFY(!numericInput(text.toStdString()).has_value());
    QVERIFY(!wholeNumberInput(text.toStdString()).has_value());
}

void TestNumeric::roundsHalvesToEven_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("whole");

    QTest::newRow("14.5") << "14.5" << 14;
    QTest::newRow("15.5") << "15.5" << 16;
    QTest::newRow("24.5") << "24.5" << 24;
    QTest::newRow("25.5") << "25.5" << 26;
    QTest::newRow("30.5") << "30.5" << 30;
    QTest::newRow("79.5") << "79.5" << 80;
    QTest::newRow("80.5") << "80.5" << 80;
    QTest::newRow("14.6") << "14.6" << 15;
    QTest::newRow("30.4") << "30.4" << 30;
    QTest::newRow("-2.5") << "-2.5" << -2;
    QTest::newRow("-0.5") << "-0.5" << 0;
    QTest::newRow("just above a half") << "2.5000000001" << 3;
    QTest::newRow("empty") << "" << 0;
}

void TestNumeric::roundsHalvesToEven()
{
    QFETCH(QString, text);
    QFETCH(int, whole);
    const auto read = wholeNumberInput(text.toStdString());
    QVERIFY(read.has_value());
    QCOMPARE(int(*read), whole);
}

void TestNumeric::wholeNumberKeepsSixteenBits_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<int>("whole");

    QTest::newRow("largest") << 32767.0 << true << 32767;
    QTest::newRow("largest, rounded down") << 32767.4 << true << 32767;
    QTest::newRow("half above largest rounds out") << 32767.5 << false << 0;
    QTest::newRow("one above") << 32768.0 << false << 0;
    QTest::newRow("smallest") << -32768.0 << true << -32768;
    QTest::newRow("half below smallest rounds to it") << -32768.5 << true << -32768;
    QTest::newRow("below smallest") << -32768.6 << false << 0;
    QTest::newRow("40000") << 40000.0 << false << 0;
    QTest::newRow("NaN") << std::nan("") << false << 0;
}

void TestNumeric::wholeNumberKeepsSixteenBits()
{
    QFETCH(double, value);
    QFETCH(bool, fits);
    QFETCH(int, whole);
    const auto rounded = wholeNumber(value);
    QCOMPARE(rounded.has_value(), fits);
    if (fits)
        QCOMPARE(int(*rounded), whole);
}

void TestNumeric::truncatesToFourDecimals_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("truncated");

    QTest::newRow("digits are cut, not carried") << 1.97999801817353 << 1.9799;
    QTest::newRow("0.57 has no exact double") << 0.57 << 0.5699;
    QTest::newRow("negative goes down") << -0.00005 << -0.0001;
    QTest::newRow("0.05 unchanged") << 0.05 << 0.05;
    QTest::newRow("0.45 unchanged") << 0.45 << 0.45;
    QTest::newRow("whole number") << 14.0 << 14.0;
    QTest::newRow("zero") << 0.0 << 0.0;
}

void TestNumeric::truncatesToFourDecimals()
{
    QFETCH(double, value);
    QFETCH(double, truncated);
    QCOMPARE(truncateFourDecimals(value), truncated);
}

void TestNumeric::writesNumbers_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("whole") << 14.0 << "14";
    QTest::newRow("decimal") << 0.05 << "0.05";
    QTest::newRow("fifteen digits") << 4.7612232498971103 << "4.76122324989711";
    QTest::newRow("rounded to fifteen digits") << 0.26004116644248623 << "0.260041166442486";
    QTest::newRow("negative") << -30.109 << "-30.109";
    QTest::newRow("smallest plain") << 0.0001 << "0.0001";
    QTest::newRow("below plain") << 0.00001 << "1E-05";
    QTest::newRow("small mantissa") << 1.5e-7 << "1.5E-07";
    QTest::newRow("largest plain") << 123456789012345.0 << "123456789012345";
    QTest::newRow("plain with trailing zeros") << 1e14 << "100000000000000";
    QTest::newRow("above plain") << 1e15 << "1E+15";
    QTest::newRow("long mantissa") << 1234567890123456.0 << "1.23456789012346E+15";
    QTest::newRow("rounding carries into the exponent") << 999999999999999.9 << "1E+15";
    QTest::newRow("three-digit exponent") << 1e100 << "1E+100";
    QTest::newRow("negative exponent form") << -2.5e-20 << "-2.5E-20";
    QTest::newRow("largest double") << std::numeric_limits<double>::max() << "1.79769313486232E+308";
}

void TestNumeric::writesNumbers()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(numericOutput(value)), text);
}

void TestNumeric::writtenNumbersReadBackExactly()
{
    // What one window writes, the other reads: every value of up to 15
    // significant digits survives the round trip.
    for (double value : {0.5699, 14.8174, 0.1907, 1e-5, 1.23456789012346e15, -0.0001}) {
        const auto read = numericInput(numericOutput(value));
        QVERIFY(read.has_value());
        QCOMPARE(*read, value);
    }
}

QTEST_APPLESS_MAIN(TestNumeric)
#include "test_numeric.moc"
