// Frequencies and impact coefficients of the five bridge types, from the
// texts of the main window's boxes to the texts it shows.

#include "common/numeric.h"
#include "impact/formulas.h"

#include <QTest>

#include <cmath>

using namespace impact;

Q_DECLARE_METATYPE(impact::BridgeType)
Q_DECLARE_METATYPE(impact::ArchSection)
Q_DECLARE_METATYPE(impact::Failure)

namespace {

QString text(double value) { return QString::fromStdString(numeric::numericOutput(value)); }

// What the main window hands over for a bridge type: the cable-stayed and
// suspension bridges lock the grade, Ic and weight boxes.
Inputs inputsFor(BridgeType type, const QString &grade, const QString &Ic, const QString &L, const QString &w)
{
    Inputs inputs;
    inputs.type = type;
    const bool locked = type == BridgeType::CableStayed || type == BridgeType::Suspension;
    if (!locked) {
        inputs.grade = grade.toStdString();
        inputs.secondMoment = Ic.toStdString();
        inputs.weight = w.toStdString();
    }
    inputs.span = L.toStdString();
    inputs.riseRatio = " ";
    inputs.suspension = {" ", " ", " ", " "};
    return inputs;
}

Inputs arch(ArchSection section, const QString &r, const QString &n)
{
    Inputs inputs = inputsFor(BridgeType::Arch, "40", "2.5", "50", "150");
    inputs.section = section;
    inputs.riseRatio = r.toStdString();
    inputs.thickness = n.toStdString();
    return inputs;
}

Inputs suspension(const QString &L, const QStringList &values)
{
    Inputs inputs = inputsFor(BridgeType::Suspension, "", "", L, "");
    for (int i = 0; i < 4; ++i)
        inputs.suspension[i] = values[i].toStdString();
    return inputs;
}

Results resultsOf(const Inputs &inputs)
{
    const Result<Results> outcome = compute(inputs);
    if (const Failure *failure = std::get_if<Failure>(&outcome))
        qFatal("no result: failure %d", int(*failure));
    return std::get<Results>(outcome);
}

// |actual - expected| within half a unit of the last of `digits`
// significant digits of expected.
bool near(double actual, double expected, int digits)
{
    if (expected == 0)
        return actual == 0;
    const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(expected))) - digits + 1);
    return std::fabs(actual - expected) <= unit / 2;
}

} // namespace

class TestImpactFormulas : public QObject
{
    Q_OBJECT

private slots:
    void impactCoefficientRule_data();
    void impactCoefficientRule();
    void modulusTable_data();
    void modulusTable();
    void massPerMetreDividesFirst();
    void shownTexts_data();
    void shownTexts();
    void approximateResults_data();
    void approximateResults();
    void continuousBeamBeforeTheCut();
    void continuousBeamCoefficientsUseUntruncatedFrequencies();
    void archVariableSectionAtOneEqualsConstant();
    void archCoefficients_data();
    void archCoefficients();
    void archIgnoresThicknessForConstantSection();
    void evenInRiseRatioAndSpan_data();
    void evenInRiseRatioAndSpan();
    void failures_data();
    void failures();
    void lockedGradeIsNotChecked_data();
    void lockedGradeIsNotChecked();
};

void TestImpactFormulas::impactCoefficientRule_data()
{
    QTest::addColumn<double>("f");
    QTest::addColumn<double>("mu");
    QTest::addColumn<int>("digits"); // 0: exact

    QTest::newRow("zero") << 0.0 << 0.05 << 0;
    QTest::newRow("negative") << -3.0 << 0.05 << 0;
    QTest::newRow("just below 1.5") << std::nextafter(1.5, 0.0) << 0.05 << 0;
    QTest::newRow("1.5 takes the logarithm") << 1.5 << 0.0559457 << 6;
    QTest::newRow("14 takes the logarithm") << 14.0 << 0.450621 << 6;
    QTest::newRow("just above 14") << std::nextafter(14.0, 20.0) << 0.45 << 0;
    QTest::newRow("far above") << 1e6 << 0.45 << 0;
}

void TestImpactFormulas::impactCoefficientRule()
{
    QFETCH(double, f);
    QFETCH(double, mu);
    QFETCH(int, digits);
    const double coefficient = ImpactCoefficientRule(f);
    if (digits == 0)
        QCOMPARE(coefficient, mu);
    else
        QVERIFY2(near(coefficient, mu, digits), qPrintable(text(coefficient)));
}

void TestImpactFormulas::modulusTable_data()
{
    QTest::addColumn<QString>("grade");
    QTest::addColumn<double>("modulus"); // 0: a grade error

    const double moduli[] = {2.20e10, 2.55e10, 2.80e10, 3.00e10, 3.15e10, 3.25e10, 3.35e10,
                             3.45e10, 3.55e10, 3.60e10, 3.65e10, 3.70e10, 3.75e10, 3.80e10};
    for (int i = 0; i < 14; ++i) {
        const QString grade = QString::number(15 + 5 * i);
        QTest::newRow(qPrintable("C" + grade)) << grade << moduli[i];
    }
    QTest::newRow("30MPa") << "30MPa" << 3.00e10;
    QTest::newRow("14.6 rounds to 15") << "14.6" << 2.20e10;
    QTest::newRow("30.5 rounds to 30") << "30.5" << 3.00e10;
    QTest::newRow("19.5 rounds to 20") << "19.5" << 2.55e10;
    QTest::newRow("20.5 rounds to 20") << "20.5" << 2.55e10;
    QTest::newRow("79.5 rounds to 80") << "79.5" << 3.80e10;
    QTest::newRow("80.5 rounds to 80") << "80.5" << 3.80e10;
    QTest::newRow("14.5 rounds to 14") << "14.5" << 0.0;
    QTest::newRow("15.5 rounds to 16") << "15.5" << 0.0;
    QTest::newRow("24.5 rounds to 24") << "24.5" << 0.0;
    QTest::newRow("25.5 rounds to 26") << "25.5" << 0.0;
    QTest::newRow("with its letter") << "C30" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("between grades") << "17" << 0.0;
    QTest::newRow("32") << "32" << 0.0;
    QTest::newRow("above the table") << "85" << 0.0;
    QTest::newRow("below the table") << "10" << 0.0;
    QTest::newRow("negative") << "-15" << 0.0;
    QTest::newRow("beyond 16 bits") << "40000" << 0.0;
    QTest::newRow("beyond a double") << "1e400" << 0.0;
}

void TestImpactFormulas::modulusTable()
{
    // The modulus shows through a simply supported beam: f1 grows with the
    // square root of E.
    QFETCH(QString, grade);
    QFETCH(double, modulus);
    const Result<Results> outcome = compute(inputsFor(BridgeType::SimpleBeam, grade, "1", "1", "9.8"));
    if (modulus == 0) {
        QCOMPARE(std::get<Failure>(outcome), Failure::Grade);
        return;
    }
    const auto expected = SimpleBeamFrequency(modulus, 1, 1, 1000);
    QCOMPARE(std::get<Results>(outcome).f1, std::get<double>(expected));
}

void TestImpactFormulas::massPerMetreDividesFirst()
{
    QCOMPARE(massPerMetre(9.8), 1000.0);
    QCOMPARE(massPerMetre(10), 1020.4081632653061);
    QVERIFY(massPerMetre(10) != 10 * 1000 / 9.8);
}

void TestImpactFormulas::shownTexts_data()
{
    QTest::addColumn<Inputs>("inputs");
    QTest::addColumn<QStringList>("shown"); // f1, μ1[, f2, μ2]

    const auto simple = BridgeType::SimpleBeam;
    QTest::newRow("simple, middle range") << inputsFor(simple, "30", "0.5", "20", "100")
                                          << QStringList{"4.76122324989711", "0.260041166442486"};
    QTest::newRow("simple, above 14") << inputsFor(simple, "30", "0.1", "5", "20")
                                      << QStringList{"76.1795719983537", "0.45"};
    QTest::newRow("simple, below 1.5") << inputsFor(simple, "40", "2.5", "60", "300")
                                       << QStringList{"0.710855722923373", "0.05"};
    QTest::newRow("simple, negative span") << inputsFor(simple, "30", "0.5", "-20", "100")
                                           << QStringList{"4.76122324989711", "0.260041166442486"};
    QTest::newRow("simple, Ic 0") << inputsFor(simple, "30", "0", "20", "100") << QStringList{"0", "0.05"};
    // E·(Ic/m) in place of (E·Ic)/m ends in ...199.
    QTest::newRow("simple, E times Ic first") << inputsFor(simple, "15", "1", "25", "250")
                                              << QStringList{"2.33396439323198", "0.13406531473379"};
    // L² lies almost halfway between two doubles: the C library's pow can
    // round it the other way, which ends f1 in ...759.
    QTest::newRow("simple, square near a tie") << inputsFor(simple, "45", "6.2067", "166.1765", "917.5")
                                               << QStringList{"0.0847702446212758", "0.05"};

    const auto continuous = BridgeType::ContinuousBeam;
    QTest::newRow("continuous, cut not carried") << inputsFor(continuous, "50", "0.3", "30", "150")
                                                 << QStringList{"1.9799", "0.105", "3.4392", "0.2025"};
    QTest::newRow("continuous, grade 30") << inputsFor(continuous, "30", "0.5", "20", "100")
                                          << QStringList{"6.5685", "0.3169", "11.4095", "0.4144"};
    QTest::newRow("continuous, both ranges") << inputsFor(continuous, "40", "2.5", "60", "300")
                                             << QStringList{"0.9806", "0.05", "1.7034", "0.0784"};
    QTest::newRow("continuous, above 14") << inputsFor(continuous, "30", "0.1", "5", "20")
                                          << QStringList{"105.0965", "0.45", "182.5527", "0.45"};
    QTest::newRow("continuous, Ic 0") << inputsFor(continuous, "30", "0", "20", "100")
                                      << QStringList{"0", "0.05", "0", "0.05"};

    const auto cable = BridgeType::CableStayed;
    QTest::newRow("cable-stayed, 1.5 exactly") << inputsFor(cable, "", "", "100", "")
                                               << QStringList{"1.1", "0.05", "1.5", text(0.1767 * std::log(1.5) - 0.0157)};
    QTest::newRow("cable-stayed, above 14") << inputsFor(cable, "", "", "10", "")
                                            << QStringList{"11", text(0.1767 * std::log(11.0) - 0.0157), "15", "0.45"};
    QTest::newRow("cable-stayed, negative span") << inputsFor(cable, "", "", "-50", "")
                                                 << QStringList{"-2.2", "0.05", "-3", "0.05"};

    // √k / L in place of (1/L)·√k gives 0.670674126651.
    QTest::newRow("suspension, 1/L times the root") << suspension("100", {"1e10", "5e6", "1e4", "500"})
                                                    << QStringList{"0.670674126651001", "0.05"};
    // (2π/L)² lies almost halfway between two doubles: the C library's pow
    // can round it the other way, which ends μ1 in ...453.
    QTest::newRow("suspension, square near a tie")
        << suspension("171.2", {"4.43969e12", "4.23654e8", "14494.9643", "2438.93826"})
        << QStringList{"3.46757558978858", "0.204018617326454"};
}

void TestImpactFormulas::shownTexts()
{
    QFETCH(Inputs, inputs);
    QFETCH(QStringList, shown);

    const Results results = resultsOf(inputs);
    QStringList texts{text(results.f1), text(results.mu1)};
    if (results.f2)
        texts << text(*results.f2) << text(*results.mu2);
    QCOMPARE(texts, shown);
}

void TestImpactFormulas::approximateResults_data()
{
    QTest::addColumn<Inputs>("inputs");
    QTest::addColumn<double>("f1");
    QTest::addColumn<double>("mu1");
    QTest::addColumn<double>("f2"); // NaN: one row only
    QTest::addColumn<double>("mu2");
    QTest::addColumn<int>("digits");

    const double none = std::nan("");
    QTest::newRow("cable-stayed, L 50") << inputsFor(BridgeType::CableStayed, "", "", "50", "") << 2.2 << 0.123620 << 3.0
                                        << 0.178425 << 6;
    QTest::newRow("cable-stayed, L 20") << inputsFor(BridgeType::CableStayed, "", "", "20", "") << 5.5 << 0.285529 << 7.5
                                        << 0.340333 << 6;
    QTest::newRow("cable-stayed, L 10") << inputsFor(BridgeType::CableStayed, "", "", "10", "") << 11.0 << 0.408008 << 15.0
                                        << 0.45 << 6;
    QTest::newRow("suspension") << suspension("100", {"1.0E11", "1.0E7", "1.0E4", "1.0E3"}) << 1.85918 << 0.0938775
                                << none << none << 6;
    QTest::newRow("suspension, below 1.5") << suspension("1.0E3", {"1.0E12", "2.0E8", "2.0E4", "5.0E3"}) << 0.121034
                                           << 0.05 << none << none << 6;
    QTest::newRow("suspension, zero numerator") << suspension("50", {"0", "0", "1.0E3", "0"}) << 0.0 << 0.05 << none
                                                << none << 6;
}

void TestImpactFormulas::approximateResults()
{
    QFETCH(Inputs, inputs);
    QFETCH(double, f1);
    QFETCH(double, mu1);
    QFETCH(double, f2);
    QFETCH(double, mu2);
    QFETCH(int, digits);

    const Results results = resultsOf(inputs);
    QVERIFY2(near(results.f1, f1, digits), qPrintable(text(results.f1)));
    QVERIFY2(near(results.mu1, mu1, digits), qPrintable(text(results.mu1)));
    QCOMPARE(results.f2.has_value(), !std::isnan(f2));
    if (results.f2) {
        QVERIFY2(near(*results.f2, f2, digits), qPrintable(text(*results.f2)));
        QVERIFY2(near(*results.mu2, mu2, digits), qPrintable(text(*results.mu2)));
    }
}

void TestImpactFormulas::continuousBeamBeforeTheCut()
{
    // Grade 50, Ic 0.3, span 30, weight per metre 150, before the
    // four-decimal cut.
    const auto f = std::get<TwoFrequencies>(ContinuousBeamFrequencies(3.45e10, 0.3, 30, massPerMetre(150)));
    QCOMPARE(text(f.f1), QStringLiteral("1.97999801817353"));
    QCOMPARE(text(f.f2), QStringLiteral("3.43925772090351"));
    QCOMPARE(text(ImpactCoefficientRule(f.f1)), QStringLiteral("0.105003035596542"));
    QCOMPARE(text(ImpactCoefficientRule(f.f2)), QStringLiteral("0.202569676764354"));
}

void TestImpactFormulas::continuousBeamCoefficientsUseUntruncatedFrequencies()
{
    // A frequency just above 14 shows as 14 beside 0.45; exactly 14 shows 14
    // beside 0.4506. Span chosen so that f1 lands in (14, 14.0001).
    const double E = 3.0e10, Ic = 1, m = 1000;
    const double root = std::pow(E * Ic / m, 0.5);
    const double L = std::sqrt(13.616 * root / (2 * numeric::Pi * 14.00005));
    const auto f = std::get<TwoFrequencies>(ContinuousBeamFrequencies(E, Ic, L, m));
    QVERIFY(f.f1 > 14 && f.f1 < 14.0001);
    const Results results = resultsOf(inputsFor(BridgeType::ContinuousBeam, "30", "1", text(L), "9.8"));
    QCOMPARE(text(results.f1), QStringLiteral("14"));
    QCOMPARE(text(results.mu1), QStringLiteral("0.45"));
    QCOMPARE(text(numeric::truncateFourDecimals(ImpactCoefficientRule(14))), QStringLiteral("0.4506"));
}

void TestImpactFormulas::archVariableSectionAtOneEqualsConstant()
{
    for (const char *r : {"0", "0.2", "0.125", "0.5", "3"}) {
        const Results constant = resultsOf(arch(ArchSection::Constant, r, ""));
        const Results variable = resultsOf(arch(ArchSection::Variable, r, "1"));
        QCOMPARE(text(variable.f1), text(constant.f1));
        QCOMPARE(text(variable.mu1), text(constant.mu1));
    }
}

void TestImpactFormulas::archCoefficients_data()
{
    // Grade 40, Ic 2.5, span 50, weight per metre 150; values to three
    // decimals, NaN where none is given.
    QTest::addColumn<ArchSection>("section");
    QTest::addColumn<QString>("r");
    QTest::addColumn<QString>("n");
    QTest::addColumn<double>("k");
    QTest::addColumn<double>("f1");
    QTest::addColumn<double>("mu1");

    const double none = std::nan("");
    QTest::newRow("constant, r 0.2") << ArchSection::Constant << "0.2" << "" << 23.691 << 3.475 << 0.204;
    QTest::newRow("constant, r blank") << ArchSection::Constant << " " << "" << 34.468 << 5.056 << 0.271;
    QTest::newRow("variable, n 0.5, r 0.2") << ArchSection::Variable << "0.2" << "0.5" << 32.318 << 4.740 << 0.259;
    QTest::newRow("variable, n 0.5, r 0") << ArchSection::Variable << "0" << "0.5" << 44.910 << none << none;
    QTest::newRow("variable, n empty, r 0.2") << ArchSection::Variable << "0.2" << "" << -205.274 << -30.109 << 0.05;
}

void TestImpactFormulas::archCoefficients()
{
    QFETCH(ArchSection, section);
    QFETCH(QString, r);
    QFETCH(QString, n);
    QFETCH(double, k);
    QFETCH(double, f1);
    QFETCH(double, mu1);
    auto threeDecimals = [](double x) { return QString::number(x, 'f', 3); };

    const double ratio = *numeric::numericInput(r.toStdString());
    const double thickness = *numeric::numericInput(n.toStdString());
    const double coefficient = std::get<double>(ArchFrequencyCoefficient(ratio, section, thickness));
    QCOMPARE(threeDecimals(coefficient), threeDecimals(k));
    if (std::isnan(f1))
        return;
    const Results results = resultsOf(arch(section, r, n));
    QCOMPARE(threeDecimals(results.f1), threeDecimals(f1));
    QCOMPARE(threeDecimals(results.mu1), threeDecimals(mu1));
}

void TestImpactFormulas::archIgnoresThicknessForConstantSection()
{
    const Results plain = resultsOf(arch(ArchSection::Constant, "0.2", ""));
    for (const char *n : {"0", "-7", "1e400", "abc"}) {
        const Results other = resultsOf(arch(ArchSection::Constant, "0.2", n));
        QCOMPARE(other.f1, plain.f1);
    }
}

void TestImpactFormulas::evenInRiseRatioAndSpan_data()
{
    QTest::addColumn<Inputs>("positive");
    QTest::addColumn<Inputs>("negative");

    QTest::newRow("rise ratio, constant") << arch(ArchSection::Constant, "0.2", "") << arch(ArchSection::Constant, "-0.2", "");
    QTest::newRow("rise ratio, variable") << arch(ArchSection::Variable, "0.2", "0.5") << arch(ArchSection::Variable, "-0.2", "0.5");
    Inputs negativeSpan = arch(ArchSection::Constant, "0.2", "");
    negativeSpan.span = "-50";
    QTest::newRow("arch span") << arch(ArchSection::Constant, "0.2", "") << negativeSpan;
    QTest::newRow("continuous span") << inputsFor(BridgeType::ContinuousBeam, "30", "0.5", "20", "100")
                                     << inputsFor(BridgeType::ContinuousBeam, "30", "0.5", "-20", "100");
}

void TestImpactFormulas::evenInRiseRatioAndSpan()
{
    QFETCH(Inputs, positive);
    QFETCH(Inputs, negative);
    const Results a = resultsOf(positive);
    const Results b = resultsOf(negative);
    QCOMPARE(b.f1, a.f1);
    QCOMPARE(b.mu1, a.mu1);
    QCOMPARE(b.f2, a.f2);
}

void TestImpactFormulas::failures_data()
{
    QTest::addColumn<Inputs>("inputs");
    QTest::addColumn<Failure>("failure");

    const auto simple = BridgeType::SimpleBeam;
    const auto continuous = BridgeType::ContinuousBeam;
    QTest::newRow("start state: empty grade") << inputsFor(simple, "", "", "", "") << Failure::Grade;
    QTest::newRow("grade comes first") << inputsFor(simple, "17", "1e999", "0", "0") << Failure::Grade;
    QTest::newRow("simple, zero span") << inputsFor(simple, "30", "0.5", "", "100") << Failure::ZeroSpan;
    QTest::newRow("simple, zero mass") << inputsFor(simple, "30", "0.5", "20", "") << Failure::ZeroMass;
    QTest::newRow("span checked before mass") << inputsFor(simple, "30", "0.5", "0", "0") << Failure::ZeroSpan;
    QTest::newRow("simple, negative radicand") << inputsFor(simple, "30", "-0.5", "20", "100") << Failure::NegativeRadicand;
    QTest::newRow("simple, span too small") << inputsFor(simple, "30", "0.5", "1e-200", "100") << Failure::OutOfRange;
    QTest::newRow("simple, span square overflows") << inputsFor(simple, "30", "0.5", "1e200", "100") << Failure::OutOfRange;
    QTest::newRow("Ic beyond a double") << inputsFor(simple, "30", "1e309", "20", "100") << Failure::OutOfRange;
    QTest::newRow("weight beyond a double") << inputsFor(simple, "30", "0.5", "20", "-1e400") << Failure::OutOfRange;
    QTest::newRow("mass overflows") << inputsFor(simple, "30", "0.5", "20", "1.7e308") << Failure::OutOfRange;
    QTest::newRow("frequency overflows") << inputsFor(simple, "30", "1e300", "1e-10", "1e-300") << Failure::OutOfRange;
    QTest::newRow("continuous, zero span") << inputsFor(continuous, "30", "0.5", "0", "100") << Failure::ZeroSpan;
    QTest::newRow("continuous, zero mass") << inputsFor(continuous, "30", "0.5", "20", "0") << Failure::ZeroMass;
    QTest::newRow("continuous, negative radicand") << inputsFor(continuous, "30", "0.5", "20", "-100") << Failure::NegativeRadicand;
    QTest::newRow("continuous, truncation overflows") << inputsFor(continuous, "30", "1e290", "1e-5", "1e-10") << Failure::OutOfRange;

    QTest::newRow("arch, zero span") << [] { Inputs i = arch(ArchSection::Constant, "0.2", ""); i.span = ""; return i; }()
                                     << Failure::ZeroSpan;
    QTest::newRow("arch, zero mass") << [] { Inputs i = arch(ArchSection::Constant, "0.2", ""); i.weight = "0"; return i; }()
                                     << Failure::ZeroMass;
    QTest::newRow("arch, negative radicand") << [] { Inputs i = arch(ArchSection::Constant, "0.2", ""); i.secondMoment = "-1"; return i; }()
                                             << Failure::NegativeRadicand;
    // The one thickness whose c3 = 16.3·n + 0.15 is exactly 0, at r = 0.
    const QString zeroC3 = QStringLiteral("-0.0092024539877300603");
    QTest::newRow("arch, zero denominator") << arch(ArchSection::Variable, "0", zeroC3) << Failure::ArchDenominatorZero;
    QTest::newRow("arch, rise ratio beyond a double") << arch(ArchSection::Constant, "1e400", "") << Failure::OutOfRange;
    QTest::newRow("arch, rise ratio overflows") << arch(ArchSection::Constant, "1e80", "") << Failure::OutOfRange;
    QTest::newRow("arch, thickness beyond a double") << arch(ArchSection::Variable, "0.2", "1e400") << Failure::OutOfRange;
    QTest::newRow("arch, thickness overflows") << arch(ArchSection::Variable, "0.2", "1e306") << Failure::OutOfRange;
    Inputs denominatorFirst = arch(ArchSection::Variable, "0", zeroC3);
    denominatorFirst.span = "0";
    QTest::newRow("arch, zero denominator before zero span") << denominatorFirst << Failure::ArchDenominatorZero;

    const auto cable = BridgeType::CableStayed;
    QTest::newRow("cable-stayed, zero span") << inputsFor(cable, "", "", "", "") << Failure::ZeroSpan;
    QTest::newRow("cable-stayed, span too small") << inputsFor(cable, "", "", "1e-320", "") << Failure::OutOfRange;

    QTest::newRow("suspension, start state") << suspension("100", {" ", " ", " ", " "}) << Failure::SuspensionMassZero;
    QTest::newRow("suspension, after clearing") << suspension("100", {"", "", "", ""}) << Failure::SuspensionMassZero;
    QTest::newRow("suspension, masses cancel") << suspension("100", {"1e11", "1e7", "-2000", "1000"}) << Failure::SuspensionMassZero;
    QTest::newRow("suspension, zero span") << suspension("0", {"1e11", "1e7", "1e4", "1e3"}) << Failure::ZeroSpan;
    QTest::newRow("suspension, span before masses") << suspension("", {" ", " ", " ", " "}) << Failure::ZeroSpan;
    QTest::newRow("suspension, negative radicand") << suspension("100", {"1e11", "1e7", "-1e5", "1e3"}) << Failure::NegativeRadicand;
    QTest::newRow("suspension, EI beyond a double") << suspension("100", {"1e999", "1e7", "1e4", "1e3"}) << Failure::OutOfRange;
    QTest::newRow("suspension, overflow") << suspension("1e-150", {"1e300", "1e7", "1e4", "1e3"}) << Failure::OutOfRange;
}

void TestImpactFormulas::failures()
{
    QFETCH(Inputs, inputs);
    QFETCH(Failure, failure);
    const Result<Results> outcome = compute(inputs);
    QVERIFY(std::holds_alternative<Failure>(outcome));
    QCOMPARE(std::get<Failure>(outcome), failure);
}

void TestImpactFormulas::lockedGradeIsNotChecked_data()
{
    QTest::addColumn<BridgeType>("type");
    QTest::newRow("cable-stayed") << BridgeType::CableStayed;
    QTest::newRow("suspension") << BridgeType::Suspension;
}

void TestImpactFormulas::lockedGradeIsNotChecked()
{
    // Locked boxes hold texts that would fail if they were read.
    QFETCH(BridgeType, type);
    Inputs inputs = type == BridgeType::Suspension ? suspension("100", {"1e11", "1e7", "1e4", "1e3"})
                                                   : inputsFor(type, "", "", "50", "");
    inputs.grade.reset();
    inputs.secondMoment.reset();
    inputs.weight.reset();
    QVERIFY(std::holds_alternative<Results>(compute(inputs)));
}

QTEST_APPLESS_MAIN(TestImpactFormulas)
#include "test_impact_formulas.moc"
