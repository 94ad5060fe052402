// Area and second moment of area of girder sections and hollow slabs, from
// the texts of the section window's boxes to the texts it shows and hands
// back.

#include "common/numeric.h"
#include "section/properties.h"

#include <QTest>

#include <cmath>

using namespace section;

Q_DECLARE_METATYPE(section::Failure)
Q_DECLARE_METATYPE(section::Inputs)

namespace {

QString text(double value) { return QString::fromStdString(numeric::numericOutput(value)); }

// |actual - expected| within half a unit of the tenth significant digit of
// expected.
bool nearTenDigits(double actual, double expected)
{
    if (expected == 0)
        return actual == 0;
    const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(expected))) - 9);
    return std::fabs(actual - expected) <= unit / 2;
}

// The window's boxes: the seven girder texts BS, HS, BX, HX, B1, B2, HF and
// the six slab texts B, H, D, H1, BF, N; missing ones are empty.
Inputs inputs(SectionType type, const QStringList &girder, const QStringList &slab)
{
    Inputs in;
    in.type = type;
    for (int i = 0; i < girder.size(); ++i)
        in.girder[std::size_t(i)] = girder[i].toStdString();
    for (int i = 0; i < slab.size(); ++i)
        in.slab[std::size_t(i)] = slab[i].toStdString();
    return in;
}

Inputs girder(const QStringList &texts) { return inputs(SectionType::Girder, texts, {}); }
Inputs slab(const QStringList &texts) { return inputs(SectionType::HollowSlab, {}, texts); }

} // namespace

class TestSectionProperties : public QObject
{
    Q_OBJECT

private slots:
    void girderSections_data();
    void girderSections();
    void hollowSlabs_data();
    void hollowSlabs();
    void voidCountLimits_data();
    void voidCountLimits();
    void shownTexts_data();
    void shownTexts();
    void failures_data();
    void failures();
};

void TestSectionProperties::girderSections_data()
{
    QTest::addColumn<QList<double>>("dimensions"); // BS, HS, BX, HX, B1, B2, HF
    QTest::addColumn<double>("area");
    QTest::addColumn<double>("secondMoment");

    QTest::newRow("rectangle as a rib") << QList<double>{0, 0, 0, 0, 0.5, 0, 1} << 0.5 << 0.04166666667;
    QTest::newRow("rectangle as a top flange") << QList<double>{1.5, 0.3, 0, 0, 0, 0, 0} << 0.45 << 0.003375;
    QTest::newRow("T-section") << QList<double>{2, 0.2, 0, 0, 0.4, 0, 1} << 0.8 << 0.1066666667;
    QTest::newRow("I-section") << QList<double>{2, 0.2, 0.8, 0.2, 0.4, 0, 1} << 0.96 << 0.2152;
    QTest::newRow("two-cell box") << QList<double>{1.2, 0.25, 1.0, 0.2, 0.36, 0.18, 0.9} << 0.986 << 0.1907599527;
    QTest::newRow("two-cell box, webs in B1") << QList<double>{1.2, 0.25, 1.0, 0.2, 0.54, 0, 0.9} << 0.986
                                              << 0.1907599527;
}

void TestSectionProperties::girderSections()
{
    QFETCH(QList<double>, dimensions);
    QFETCH(double, area);
    QFETCH(double, secondMoment);
    const auto &d = dimensions;
    const auto result = GirderSectionProperties(d[0], d[1], d[2], d[3], d[4], d[5], d[6]);
    QVERIFY(std::holds_alternative<SectionProperties>(result));
    const SectionProperties p = std::get<SectionProperties>(result);
    QVERIFY2(nearTenDigits(p.area, area), qPrintable(text(p.area)));
    QVERIFY2(nearTenDigits(p.secondMoment, secondMoment), qPrintable(text(p.secondMoment)));
}

void TestSectionProperties::hollowSlabs_data()
{
    QTest::addColumn<QList<double>>("dimensions"); // B, H, D, H1
    QTest::addColumn<int>("voids");
    QTest::addColumn<double>("area");
    QTest::addColumn<double>("secondMoment");

    QTest::newRow("nothing") << QList<double>{0, 0, 0, 0} << 0 << 0.0 << 0.0;
    QTest::newRow("no voids") << QList<double>{1, 0.6, 0, 0} << 0 << 0.6 << 0.018;
    QTest::newRow("no voids, whatever D and H1") << QList<double>{1, 0.6, 0.4, 0.1} << 0 << 0.6 << 0.018;
    QTest::newRow("one circular void") << QList<double>{1, 0.6, 0.4, 0} << 1 << 0.474336296 << 0.01674340947;
    QTest::newRow("one round-ended void") << QList<double>{1, 0.6, 0.4, 0.1} << 1 << 0.434336296 << 0.01532928336;
    QTest::newRow("two round-ended voids") << QList<double>{1.24, 0.6, 0.38, 0.08} << 2 << 0.4563770143
                                           << 0.01841444701;
    QTest::newRow("a negative void adds") << QList<double>{1, 0.6, 0.4, 0.1} << -1 << 0.765663704 << 0.02067071664;
}

void TestSectionProperties::hollowSlabs()
{
    QFETCH(QList<double>, dimensions);
    QFETCH(int, voids);
    QFETCH(double, area);
    QFETCH(double, secondMoment);
    const auto &d = dimensions;
    const auto result = HollowSlabSectionProperties(d[0], d[1], d[2], d[3], std::int16_t(voids));
    QVERIFY(std::holds_alternative<SectionProperties>(result));
    const SectionProperties p = std::get<SectionProperties>(result);
    QVERIFY2(nearTenDigits(p.area, area), qPrintable(text(p.area)));
    QVERIFY2(nearTenDigits(p.secondMoment, secondMoment), qPrintable(text(p.secondMoment)));
}

void TestSectionProperties::voidCountLimits_data()
{
    QTest::addColumn<int>("voids");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("16383") << 16383 << true;
    QTest::newRow("-16384") << -16384 << true;
    QTest::newRow("16384") << 16384 << false;
    QTest::newRow("-16385") << -16385 << false;
    QTest::newRow("32767") << 32767 << false;
    QTest::newRow("-32768") << -32768 << false;
}

void TestSectionProperties::voidCountLimits()
{
    // 2N half-discs must stay within 16 bits.
    QFETCH(int, voids);
    QFETCH(bool, accepted);
    const auto result = HollowSlabSectionProperties(1.24, 0.6, 0.38, 0.08, std::int16_t(voids));
    if (accepted)
        QVERIFY(std::holds_alternative<SectionProperties>(result));
    else
        QCOMPARE(std::get<Failure>(result), Failure::VoidCount);
}

void TestSectionProperties::shownTexts_data()
{
    QTest::addColumn<Inputs>("in");
    QTest::addColumn<QStringList>("shown"); // A, I, w as written into the boxes

    QTest::newRow("rectangle") << girder({"", "", "", "", "0.5", "", "1"}) << QStringList{"0.5", "0.0416", "13"};
    QTest::newRow("top flange") << girder({"1.5", "0.3"}) << QStringList{"0.45", "0.0033", "11.7"};
    QTest::newRow("T-section") << girder({"2", "0.2", "", "", "0.4", "", "1"}) << QStringList{"0.8", "0.1066", "20.8"};
    QTest::newRow("I-section") << girder({"2", "0.2", "0.8", "0.2", "0.4", "", "1"})
                               << QStringList{"0.96", "0.2152", "24.96"};
    QTest::newRow("two-cell box") << girder({"1.2", "0.25", "1.0", "0.2", "0.36", "0.18", "0.9"})
                                  << QStringList{"0.986", "0.1907", "25.636"};
    // The top flange's centre height is (HX + HF) + HS/2, not its arm in the
    // first moment: grouped as there, I is 0.1152.
    QTest::newRow("top flange's centre height") << girder({"0.8", "0.09", "0.8", "0.25", "0.8", "", "0.86"})
                                                << QStringList{"0.96", "0.1151", "24.96"};
    // 0.57 · 10000 is 5699.999999999999, and w follows the cut area.
    QTest::newRow("area 0.57 loses a unit") << girder({"", "", "", "", "0.57", "", "1"})
                                            << QStringList{"0.5699", "0.0474", "14.8174"};
    QTest::newRow("negative cut away from zero") << girder({"", "", "", "", "-0.00005", "", "1"})
                                                 << QStringList{"-0.0001", "-0.0001", "-0.0026"};
    QTest::newRow("units after the numbers") << girder({"2m", "0.2 m", "", "", " 0.4", "", "1米"})
                                             << QStringList{"0.8", "0.1066", "20.8"};
    QTest::newRow("girder ignores the slab boxes")
        << inputs(SectionType::Girder, {"2", "0.2", "", "", "0.4", "", "1"}, {"1e400", "x", "1e400", "", "", "40000"})
        << QStringList{"0.8", "0.1066", "20.8"};

    QTest::newRow("empty slab") << slab({}) << QStringList{"0", "0", "0"};
    QTest::newRow("slab without voids") << slab({"1", "0.6", "0.4", "0.1", "", ""}) << QStringList{"0.6", "0.018", "15.6"};
    QTest::newRow("circular void") << slab({"1", "0.6", "0.4", "0", "", "1"}) << QStringList{"0.4743", "0.0167", "12.3318"};
    QTest::newRow("round-ended void") << slab({"1", "0.6", "0.4", "0.1", "", "1"})
                                      << QStringList{"0.4343", "0.0153", "11.2918"};
    QTest::newRow("two voids") << slab({"1.24", "0.6", "0.38", "0.08", "", "2"})
                               << QStringList{"0.4563", "0.0184", "11.8638"};
    QTest::newRow("negative void") << slab({"1", "0.6", "0.4", "0.1", "", "-1"})
                                   << QStringList{"0.7656", "0.0206", "19.9056"};
    QTest::newRow("2.5 voids are 2") << slab({"1.24", "0.6", "0.38", "0.08", "", "2.5"})
                                     << QStringList{"0.4563", "0.0184", "11.8638"};
    QTest::newRow("2.6 voids are 3") << slab({"1.24", "0.6", "0.38", "0.08", "", "2.6"})
                                     << QStringList{"0.3125", "0.0164", "8.125"};
    QTest::newRow("BF takes no part") << slab({"1.24", "0.6", "0.38", "0.08", "1e400", "2"})
                                      << QStringList{"0.4563", "0.0184", "11.8638"};
    QTest::newRow("slab ignores the girder boxes")
        << inputs(SectionType::HollowSlab, {"1e400", "", "", "", "", "", ""}, {"1.24", "0.6", "0.38", "0.08", "", "2"})
        << QStringList{"0.4563", "0.0184", "11.8638"};
    QTest::newRow("16383 voids") << slab({"1.24", "0.6", "0.38", "0.08", "", "16383"})
                                 << QStringList{"-2355.3197", "-31.9701", "-61238.3122"};
    QTest::newRow("-16384 voids") << slab({"1.24", "0.6", "0.38", "0.08", "", "-16384"})
                                  << QStringList{"2356.9514", "32.0166", "61280.7364"};
    QTest::newRow("-16384.5 rounds to -16384") << slab({"1.24", "0.6", "0.38", "0.08", "", "-16384.5"})
                                               << QStringList{"2356.9514", "32.0166", "61280.7364"};
}

void TestSectionProperties::shownTexts()
{
    QFETCH(Inputs, in);
    QFETCH(QStringList, shown);
    const Result<Results> outcome = compute(in);
    if (const Failure *failure = std::get_if<Failure>(&outcome))
        QFAIL(qPrintable(QStringLiteral("no result: failure %1").arg(int(*failure))));
    const Results r = std::get<Results>(outcome);
    QCOMPARE((QStringList{text(r.area), text(r.secondMoment), text(r.weight)}), shown);
}

void TestSectionProperties::failures_data()
{
    QTest::addColumn<Inputs>("in");
    QTest::addColumn<Failure>("failure");

    const QString big = QStringLiteral("1e200");
    QTest::newRow("start state: empty girder") << girder({}) << Failure::ZeroArea;
    QTest::newRow("all girder boxes zero") << girder({"0", "0", "0", "0", "0", "0", "0"}) << Failure::ZeroArea;
    QTest::newRow("areas cancel") << girder({"1", "1", "", "", "-1", "", "1"}) << Failure::ZeroArea;
    QTest::newRow("area too small for a double") << girder({"1e-200", "1e-200"}) << Failure::ZeroArea;
    QTest::newRow("girder text beyond a double") << girder({"", "", "", "", "0.5", "", "1e400"}) << Failure::OutOfRange;
    QTest::newRow("reading comes before the area") << girder({"1e400"}) << Failure::OutOfRange;
    QTest::newRow("girder area overflows") << girder({big, big, "", "", "1", "", "1"}) << Failure::OutOfRange;
    QTest::newRow("girder cube overflows") << girder({"1e100", "1e100"}) << Failure::OutOfRange;
    QTest::newRow("area beyond a four-decimal cut") << girder({"1e305", "1"}) << Failure::OutOfRange;

    QTest::newRow("16384 voids") << slab({"1.24", "0.6", "0.38", "0.08", "", "16384"}) << Failure::VoidCount;
    QTest::newRow("-16385 voids") << slab({"1.24", "0.6", "0.38", "0.08", "", "-16385"}) << Failure::VoidCount;
    QTest::newRow("16383.5 rounds to 16384") << slab({"1.24", "0.6", "0.38", "0.08", "", "16383.5"})
                                             << Failure::VoidCount;
    QTest::newRow("void text beyond 16 bits") << slab({"1.24", "0.6", "0.38", "0.08", "", "40000"})
                                              << Failure::VoidCount;
    QTest::newRow("void text beyond a double") << slab({"1.24", "0.6", "0.38", "0.08", "", "1e400"})
                                               << Failure::OutOfRange;
    QTest::newRow("slab text beyond a double") << slab({"1", "-1e400"}) << Failure::OutOfRange;
    QTest::newRow("boxes read in order") << slab({"1e400", "", "", "", "", "40000"}) << Failure::OutOfRange;
    QTest::newRow("void count read before the formulas") << slab({big, big, "", "", "", "40000"})
                                                         << Failure::VoidCount;
    QTest::newRow("slab area overflows before 2N") << slab({big, big, "", "", "", "16384"}) << Failure::OutOfRange;
    QTest::newRow("2N checked before the half-discs") << slab({"1", "1", "1e100", "", "", "16384"})
                                                      << Failure::VoidCount;
    QTest::newRow("half-disc overflows") << slab({"1", "1", "1e100", "", "", "16383"}) << Failure::OutOfRange;
    QTest::newRow("slab cube overflows") << slab({"1", "1e103", "", "", "", ""}) << Failure::OutOfRange;
}

void TestSectionProperties::failures()
{
    QFETCH(Inputs, in);
    QFETCH(Failure, failure);
    const Result<Results> outcome = compute(in);
    QVERIFY2(std::holds_alternative<Failure>(outcome), "a result was produced");
    QCOMPARE(std::get<Failure>(outcome), failure);
}

QTEST_APPLESS_MAIN(TestSectionProperties)
#include "test_section_properties.moc"
