// The main window driven as a user drives it: by its controls' names,
// mouse clicks and typed text.

#include "guitest.h"
#include "impact/velmaric.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

using guitest::click;
using guitest::find;
using guitest::shown;
using guitest::type;

namespace {

const QColor lockedGrey(192, 192, 192);

// Box names in the order a user fills them, with their quantities.
const char *const grade = "Text1(0)";
const char *const secondMoment = "Text1(1)";
const char *const span = "Text1(2)";
const char *const weight = "Text1(3)";

} // namespace

class TestVelmaric : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { guitest::setUpApplication(); }
    void init();
    void cleanup();

    void startState();
    void tabOrderAtStart();
    void computesSimpleBeam();
    void secondPressWritesSameTexts();
    void gradeErrorLeavesResults();
    void gradeMessageShowsWhole();
    void messageLineIsRed();
    void undefinedStepsShowMessage_data();
    void undefinedStepsShowMessage();
    void enterAndEscapePressNoButton();
    void clearEmptiesEveryBox();
    void clearKeepsSwitchState();
    void exitEndsProgram();
    void closeBoxEndsProgram();
    void resizeKeepsControls();

    void switchFollowsSelection_data();
    void switchFollowsSelection();
    void arrowKeysSwitchTypes();
    void rowCaptionsFollowTwoRowTypes();
    void hiddenRowKeepsItsTexts();
    void archInputsComeBackWithTheirTexts();
    void overlapStripSelectsVariableSection();
    void lockedBoxesAreNotRead();
    void computesEveryType_data();
    void computesEveryType();

private:
    QWidget *control(const char *name) { return find<QWidget>(window, QLatin1String(name)); }
    QLineEdit *box(const char *name) { return find<QLineEdit>(window, QLatin1String(name)); }
    QLabel *label(const char *name) { return find<QLabel>(window, QLatin1String(name)); }
    QAbstractButton *button(const char *name) { return find<QAbstractButton>(window, QLatin1String(name)); }
    void fill(const QStringList &gradeIcSpanWeight);
    void compute() { click(button("Command1(0)")); }
    QStringList results();
    void verifyState(int bridgeType, bool variableSection);

    Velmaric *window = nullptr;
};

void TestVelmaric::init()
{
    guitest::programEnded() = false;
    window = &windows::ref<Velmaric>();
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

void TestVelmaric::cleanup()
{
    guitest::verifyNoModalWindow();
    windows::unload<Velmaric>();
    guitest::flushDeletes();
    window = nullptr;
}

void TestVelmaric::fill(const QStringList &gradeIcSpanWeight)
{
    const char *const boxes[] = {grade, secondMoment, span, weight};
    for (int i = 0; i < 4; ++i)
        type(box(boxes[i]), gradeIcSpanWeight[i]);
}

QStringList TestVelmaric::results()
{
    QStringList texts;
    for (const char *name : {"Text3(0)", "Text3(2)", "Text3(1)", "Text3(3)"})
        texts << box(name)->text();
    return texts;
}

void TestVelmaric::verifyState(int bridgeType, bool variableSection)
{
    const bool twoRows = bridgeType == 1 || bridgeType == 3;
    const bool arch = bridgeType == 2;
    const bool locked = bridgeType == 3 || bridgeType == 4;
    const bool suspension = bridgeType == 4;

    for (int i = 0; i < 5; ++i)
        QCOMPARE(qobject_cast<QRadioButton *>(button(qPrintable(QStringLiteral("Option1(%1)").arg(i))))->isChecked(),
                 i == bridgeType);
    for (const char *name : {"Label5(0)", "Label5(1)", "Label4(1)", "Label4(3)", "Text3(1)", "Text3(3)"})
        QVERIFY2(shown(control(name)) == twoRows, name);
    QCOMPARE(box("Text3(1)")->isEnabled(), twoRows);
    QCOMPARE(box("Text3(3)")->isEnabled(), twoRows);
    for (const char *name : {"Label4(0)", "Text3(0)", "Label4(2)", "Text3(2)"})
        QVERIFY2(shown(control(name)) && control(name)->isEnabled(), name);
    if (bridgeType == 1) {
        QCOMPARE(label("Label5(0)")->text(), QStringLiteral("正弯矩效应"));
        QCOMPARE(label("Label5(1)")->text(), QStringLiteral("负弯矩效应"));
    } else if (bridgeType == 3) {
        QCOMPARE(label("Label5(0)")->text(), QStringLiteral("有辅助墩"));
        QCOMPARE(label("Label5(1)")->text(), QStringLiteral("无辅助墩"));
    }

    QCOMPARE(button("Option2(0)")->isEnabled(), arch);
    QCOMPARE(button("Option2(1)")->isEnabled(), arch);
    QCOMPARE(qobject_cast<QRadioButton *>(button("Option2(1)"))->isChecked(), variableSection);
    QCOMPARE(shown(label("Label7")), arch);
    QCOMPARE(shown(box("Text5")), arch);
    QCOMPARE(box("Text5")->isEnabled(), arch);
    QCOMPARE(shown(label("Label6")), arch && variableSection);
    QCOMPARE(shown(box("Text4")), arch && variableSection);
    QCOMPARE(box("Text4")->isEnabled(), arch && variableSection);

    for (const char *name : {grade, secondMoment, weight}) {
        QVERIFY2(box(name)->isEnabled() == !locked, name);
        QVERIFY2((box(name)->palette().color(QPalette::Base) == lockedGrey) == locked, name);
        QVERIFY(shown(box(name)));
    }
    QVERIFY(box(span)->isEnabled() && shown(box(span)));
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(shown(label(qPrintable(QStringLiteral("Label3(%1)").arg(i)))), suspension);
        QLineEdit *input = box(qPrintable(QStringLiteral("Text2(%1)").arg(i)));
        QCOMPARE(shown(input), suspension);
        if (bridgeType != 0) // Text2(0) and Text2(3) start enabled, hidden
            QCOMPARE(input->isEnabled(), suspension);
    }
}

void TestVelmaric::startState()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("冲击系数计算"));
    QCOMPARE(window->centralWidget()->size(), QSize(626, 469));
    QCOMPARE(window->palette().color(QPalette::Window), lockedGrey);
    QCOMPARE(find<QLabel>(window, "Image1")->pixmap().size(), QSize(119, 81));
    QCOMPARE(control("Text1(0)")->geometry(), QRect(320, 80, 73, 21));
    QCOMPARE(control("Text3(0)")->geometry(), QRect(48, 56, 105, 25)); // inside Frame2
    QCOMPARE(control("Option1(0)")->parentWidget()->objectName(), QStringLiteral("Frame1"));

    verifyState(0, false);
    QVERIFY(qobject_cast<QRadioButton *>(button("Option2(0)"))->isChecked());
    QCOMPARE(QApplication::focusWidget(), control("Option1(0)"));
    QVERIFY(!shown(label("Label2")));
    QCOMPARE(label("Label2")->text(), QStringLiteral("您计算的是简支梁桥冲击系数！"));
    for (const char *name : {"Text5", "Text2(0)", "Text2(1)", "Text2(2)", "Text2(3)"})
        QCOMPARE(box(name)->text(), QStringLiteral(" "));
    for (const char *name : {grade, secondMoment, span, weight, "Text4", "Text3(0)", "Text3(1)", "Text3(2)", "Text3(3)"})
        QVERIFY(box(name)->text().isEmpty());
    QCOMPARE(box("Text2(0)")->palette().color(QPalette::Base), QColor(255, 255, 255));

    const QStringList captions = {"砼标号 C", "计算跨径L(m)", "截面惯矩Ic(m4)", "延米重量(kN/m)"};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(label(qPrintable(QStringLiteral("label1(%1)").arg(i)))->text(), captions[i]);
    QCOMPARE(find<QGroupBox>(window, "Frame1")->title(), QStringLiteral("桥型选择"));
    const QStringList types = {"简 支 梁 桥", "连 续 梁 桥", "拱 桥", "双 塔 斜 拉 桥", "单跨简支悬索桥"};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(button(qPrintable(QStringLiteral("Option1(%1)").arg(i)))->text(), types[i]);

    auto *help = find<QMenu>(window, "mnuHELP");
    QCOMPARE(help->title(), QStringLiteral("帮助(&H)"));
    QCOMPARE(window->findChild<QAction *>("mnushuoming")->text(), QStringLiteral("说明…"));
    QCOMPARE(window->findChild<QAction *>("mnuabout")->text(), QStringLiteral("关于…"));
}

void TestVelmaric::tabOrderAtStart()
{
    const QStringList expected = {"Text1(0)", "Text1(1)", "Text1(2)", "Text1(3)", "Command1(0)", "Text3(0)",
                                  "Command2", "Command3", "Text3(2)", "Command4", "Option1(0)"};
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

void TestVelmaric::computesSimpleBeam()
{
    fill({"30", "0.5", "20", "100"});
    compute();
    QCOMPARE(box("Text3(0)")->text(), QStringLiteral("4.76122324989711"));
    QCOMPARE(box("Text3(2)")->text(), QStringLiteral("0.260041166442486"));
    // Fifteen digits do not fit the box: it shows the leading ones.
    QCOMPARE(box("Text3(0)")->cursorPosition(), 0);
    QCOMPARE(box("Text3(2)")->cursorPosition(), 0);
    QVERIFY(shown(label("Label2")));
    QCOMPARE(label("Label2")->text(), QStringLiteral("您计算的是简支梁桥冲击系数！"));
    QVERIFY(box("Text3(1)")->text().isEmpty());
}

void TestVelmaric::secondPressWritesSameTexts()
{
    fill({"40", "2.5", "60", "300"});
    compute();
    const QStringList first = results();
    compute();
    QCOMPARE(results(), first);
    QCOMPARE(first.mid(0, 2), (QStringList{"0.710855722923373", "0.05"}));
}

void TestVelmaric::gradeErrorLeavesResults()
{
    // Right after start every box is empty: the grade counts as 0.
    compute();
    QCOMPARE(label("Label2")->text(), QStringLiteral("您输入的混凝土标号有误！请重新输入。"));
    QVERIFY(shown(label("Label2")));
    QCOMPARE(results(), (QStringList{"", "", "", ""}));

    fill({"30", "0.1", "5", "20"});
    compute();
    QCOMPARE(box("Text3(0)")->text(), QStringLiteral("76.1795719983537"));
    for (const char *wrong : {"C30", "25.5", "17", "40000", "1e400"}) {
        type(box(grade), QLatin1String(wrong));
        compute();
        QCOMPARE(label("Label2")->text(), QStringLiteral("您输入的混凝土标号有误！请重新输入。"));
        QCOMPARE(results(), (QStringList{"76.1795719983537", "0.45", "", ""}));
        QCOMPARE(box(grade)->text(), QLatin1String(wrong));
    }
    type(box(grade), "30MPa");
    compute();
    QCOMPARE(label("Label2")->text(), QStringLiteral("您计算的是简支梁桥冲击系数！"));
}

void TestVelmaric::gradeMessageShowsWhole()
{
    compute();
    auto *line = find<controls::MessageLine>(window, "Label2");
    QVERIFY(QFontMetrics(line->fittedFont()).horizontalAdvance(line->text()) <= line->contentsRect().width());
    QVERIFY(line->fittedFont().pixelSize() >= 16); // still readable
    // A result message keeps the full 14.25 pt size.
    fill({"30", "0.5", "20", "100"});
    compute();
    QCOMPARE(line->fittedFont().pixelSize(), 19);
}

void TestVelmaric::messageLineIsRed()
{
    // A result message and the grade message, as drawn: solid strokes are
    // pure red, their edges red blended into the grey background.
    for (const char *gradeText : {"30", "17"}) {
        fill({gradeText, "0.5", "20", "100"});
        compute();
        const QImage drawn = label("Label2")->grab().toImage();
        bool solidRed = false;
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                const QColor pixel = drawn.pixelColor(x, y);
                solidRed |= pixel == QColor(255, 0, 0);
                QVERIFY2(pixel.green() == pixel.blue() && pixel.red() >= pixel.green(),
                         qPrintable(QStringLiteral("%1 at (%2, %3)").arg(pixel.name()).arg(x).arg(y)));
            }
        }
        QVERIFY2(solidRed, gradeText);
    }
}

void TestVelmaric::undefinedStepsShowMessage_data()
{
    QTest::addColumn<int>("bridgeType");
    QTest::addColumn<QStringList>("inputs"); // grade, Ic, span, weight
    QTest::addColumn<QString>("message");

    QTest::newRow("zero span") << 0 << QStringList{"30", "0.5", "0", "100"} << "计算跨径不能为零！";
    QTest::newRow("empty span") << 1 << QStringList{"30", "0.5", "", "100"} << "计算跨径不能为零！";
    QTest::newRow("zero mass") << 0 << QStringList{"30", "0.5", "20", "abc"} << "延米重量不能为零！";
    QTest::newRow("arch, zero mass") << 2 << QStringList{"30", "0.5", "20", ""} << "延米重量不能为零！";
    QTest::newRow("negative radicand") << 1 << QStringList{"30", "-0.5", "20", "100"} << "根号下为负值，请检查输入！";
    QTest::newRow("input beyond a double") << 0 << QStringList{"30", "1e999", "20", "100"} << "数值超出范围，请检查输入！";
    QTest::newRow("overflow") << 0 << QStringList{"30", "0.5", "1e200", "100"} << "数值超出范围，请检查输入！";
    QTest::newRow("cable-stayed, zero span") << 3 << QStringList{"", "", "0", ""} << "计算跨径不能为零！";
    QTest::newRow("suspension as it starts") << 4 << QStringList{"", "", "100", ""} << "桥面系与主缆延米质量之和为零！";
}

void TestVelmaric::undefinedStepsShowMessage()
{
    QFETCH(int, bridgeType);
    QFETCH(QStringList, inputs);
    QFETCH(QString, message);

    // Earlier results of a continuous beam stand in all four boxes.
    click(button("Option1(1)"));
    fill({"30", "0.5", "20", "100"});
    compute();
    const QStringList before = results();
    QCOMPARE(before, (QStringList{"6.5685", "0.3169", "11.4095", "0.4144"}));

    click(button(qPrintable(QStringLiteral("Option1(%1)").arg(bridgeType))));
    const char *const boxes[] = {grade, secondMoment, span, weight};
    for (int i = 0; i < 4; ++i)
        box(boxes[i])->setText(inputs[i]); // locked boxes too
    compute();
    QCOMPARE(label("Label2")->text(), message);
    QVERIFY(shown(label("Label2")));
    QCOMPARE(results(), before);
}

void TestVelmaric::enterAndEscapePressNoButton()
{
    fill({"30", "0.5", "20", "100"});
    for (auto key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
        QTest::keyClick(box(span), key);
    QVERIFY(!shown(label("Label2")));
    QVERIFY(box("Text3(0)")->text().isEmpty());
    QVERIFY(!guitest::programEnded());
}

void TestVelmaric::clearEmptiesEveryBox()
{
    click(button("Option1(1)"));
    fill({"30", "0.5", "20", "100"});
    compute();
    type(box("Text4"), "0.5"); // disabled: typing does nothing
    box("Text4")->setText("0.5");
    click(button("Command2"));

    for (QLineEdit *each : window->findChildren<QLineEdit *>())
        QVERIFY2(each->text().isEmpty(), qPrintable(each->objectName()));
    QCOMPARE(window->findChildren<QLineEdit *>().size(), 14);
    QVERIFY(!shown(label("Label2")));
    QCOMPARE(label("Label2")->text(), QStringLiteral("您计算的是连续梁桥冲击系数！"));

    // With the boxes empty, the grade is 0 again.
    compute();
    QCOMPARE(label("Label2")->text(), QStringLiteral("您输入的混凝土标号有误！请重新输入。"));
}

void TestVelmaric::clearKeepsSwitchState()
{
    click(button("Option1(3)"));
    fill({"30", "0.5", "20", "100"}); // typing reaches only the span
    box(grade)->setText("C30");
    click(button("Command2"));
    verifyState(3, false);
    QVERIFY(box(grade)->text().isEmpty());
    click(button("Option1(2)"));
    click(button("Option2(1)"));
    click(button("Command2"));
    verifyState(2, true);
}

void TestVelmaric::exitEndsProgram()
{
    click(button("Command3"));
    QVERIFY(guitest::programEnded());
}

void TestVelmaric::closeBoxEndsProgram()
{
    window->close();
    QVERIFY(guitest::programEnded());
    QVERIFY(!windows::loaded<Velmaric>());
}

void TestVelmaric::resizeKeepsControls()
{
    const QRect before = control("Command1(0)")->geometry();
    window->resize(1000, 800);
    QTRY_COMPARE(window->centralWidget()->width(), 1000);
    QCOMPARE(control("Command1(0)")->geometry(), before);
}

void TestVelmaric::switchFollowsSelection_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<int>("bridgeType");
    QTest::addColumn<bool>("variableSection");

    QTest::newRow("continuous") << QStringList{"Option1(1)"} << 1 << false;
    QTest::newRow("arch") << QStringList{"Option1(2)"} << 2 << false;
    QTest::newRow("variable arch") << QStringList{"Option1(2)", "Option2(1)"} << 2 << true;
    QTest::newRow("variable arch, back to constant") << QStringList{"Option1(2)", "Option2(1)", "Option2(0)"} << 2 << false;
    QTest::newRow("cable-stayed") << QStringList{"Option1(3)"} << 3 << false;
    QTest::newRow("suspension") << QStringList{"Option1(4)"} << 4 << false;
    QTest::newRow("suspension to cable-stayed") << QStringList{"Option1(4)", "Option1(3)"} << 3 << false;
    QTest::newRow("cable-stayed to simple") << QStringList{"Option1(3)", "Option1(0)"} << 0 << false;
    QTest::newRow("suspension to arch") << QStringList{"Option1(4)", "Option1(2)"} << 2 << false;
    QTest::newRow("variable arch to continuous")
        << QStringList{"Option1(2)", "Option2(1)", "Option1(1)"} << 1 << true;
    QTest::newRow("variable arch kept while away")
        << QStringList{"Option1(2)", "Option2(1)", "Option1(4)", "Option1(2)"} << 2 << true;
    QTest::newRow("same element twice") << QStringList{"Option1(4)", "Option1(4)"} << 4 << false;
    QTest::newRow("long way round") << QStringList{"Option1(1)", "Option1(3)", "Option1(2)", "Option2(1)",
                                                   "Option1(4)", "Option1(0)", "Option1(1)"}
                                    << 1 << true;
}

void TestVelmaric::switchFollowsSelection()
{
    QFETCH(QStringList, clicks);
    QFETCH(int, bridgeType);
    QFETCH(bool, variableSection);
    for (const QString &name : clicks)
        click(button(qPrintable(name)));
    verifyState(bridgeType, variableSection);
}

void TestVelmaric::arrowKeysSwitchTypes()
{
    // A selection made with the keyboard inside the group switches too.
    QCOMPARE(QApplication::focusWidget(), control("Option1(0)"));
    QTest::keyClick(control("Option1(0)"), Qt::Key_Down);
    verifyState(1, false);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    verifyState(2, false);
}

void TestVelmaric::rowCaptionsFollowTwoRowTypes()
{
    click(button("Option1(1)"));
    click(button("Option1(3)"));
    QCOMPARE(label("Label5(0)")->text(), QStringLiteral("有辅助墩"));
    click(button("Option1(0)"));
    // Hidden row captions keep the last two-row type's.
    QCOMPARE(label("Label5(1)")->text(), QStringLiteral("无辅助墩"));
    click(button("Option1(1)"));
    QCOMPARE(label("Label5(0)")->text(), QStringLiteral("正弯矩效应"));
    QCOMPARE(label("Label5(1)")->text(), QStringLiteral("负弯矩效应"));
}

void TestVelmaric::hiddenRowKeepsItsTexts()
{
    click(button("Option1(1)"));
    fill({"50", "0.3", "30", "150"});
    compute();
    QCOMPARE(results(), (QStringList{"1.9799", "0.105", "3.4392", "0.2025"}));

    // Switching changes neither the results nor the message.
    click(button("Option1(0)"));
    QCOMPARE(results(), (QStringList{"1.9799", "0.105", "3.4392", "0.2025"}));
    QCOMPARE(label("Label2")->text(), QStringLiteral("您计算的是连续梁桥冲击系数！"));

    // A one-row type writes row 1 only.
    compute();
    QCOMPARE(results().mid(2), (QStringList{"3.4392", "0.2025"}));
    click(button("Option1(1)"));
    QVERIFY(shown(box("Text3(1)")));
    QCOMPARE(box("Text3(1)")->text(), QStringLiteral("3.4392"));
}

void TestVelmaric::archInputsComeBackWithTheirTexts()
{
    click(button("Option1(2)"));
    click(button("Option2(1)"));
    type(box("Text5"), "0.2");
    type(box("Text4"), "0.5");
    click(button("Option1(1)"));
    click(button("Option1(2)"));
    QCOMPARE(box("Text5")->text(), QStringLiteral("0.2"));
    QCOMPARE(box("Text4")->text(), QStringLiteral("0.5"));
    verifyState(2, true);
}

void TestVelmaric::overlapStripSelectsVariableSection()
{
    click(button("Option1(2)"));
    // 4800 to 5535 twips from the window's left edge: the strip where the
    // two arch-section buttons overlap.
    QWidget *client = window->centralWidget();
    const QPoint strip(5000 / 15, 700 / 15);
    QWidget *target = client->childAt(strip);
    QCOMPARE(target, control("Option2(1)"));
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(client, strip));
    QVERIFY(qobject_cast<QRadioButton *>(button("Option2(1)"))->isChecked());
    QVERIFY(shown(box("Text4")));
}

void TestVelmaric::lockedBoxesAreNotRead()
{
    // A cable-stayed bridge reads the span alone: letters in the grade box
    // give no grade message.
    click(button("Option1(3)"));
    for (const char *name : {grade, secondMoment, weight})
        box(name)->setText("C30");
    type(box(span), "50");
    compute();
    QCOMPARE(label("Label2")->text(), QStringLiteral("您计算的是双塔斜拉桥冲击系数！"));
    QCOMPARE(results().at(0), QStringLiteral("2.2"));
    QCOMPARE(results().at(2), QStringLiteral("3"));

    // Unlocked again, the same texts are read and checked.
    click(button("Option1(0)"));
    compute();
    QCOMPARE(label("Label2")->text(), QStringLiteral("您输入的混凝土标号有误！请重新输入。"));
}

void TestVelmaric::computesEveryType_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("inputs"); // name, text, name, text, ...
    QTest::addColumn<QStringList>("shown");  // Text3(0), (2), (1), (3)
    QTest::addColumn<QString>("message");

    const QStringList archBase = {grade, "40", secondMoment, "2.5", span, "50", weight, "150"};
    QTest::newRow("continuous") << QStringList{"Option1(1)"}
                                << QStringList{grade, "40", secondMoment, "2.5", span, "60", weight, "300"}
                                << QStringList{"0.9806", "0.05", "1.7034", "0.0784"} << "您计算的是连续梁桥冲击系数！";
    QTest::newRow("arch, variable, n 0") << QStringList{"Option1(2)", "Option2(1)"}
                                         << archBase + QStringList{"Text5", "0.2"}
                                         << QStringList{"-30.1087463222791", "0.05", "", ""} << "您计算的是拱桥冲击系数！";
    // The one thickness whose c3 = 16.3·n + 0.15 is exactly 0, at r = 0:
    // no result, and the arch's own message.
    QTest::newRow("arch, zero denominator") << QStringList{"Option1(2)", "Option2(1)"}
                                            << archBase + QStringList{"Text5", "0", "Text4", "-0.0092024539877300603"}
                                            << QStringList{"", "", "", ""} << "拱的频率系数分母为零，请检查输入！";
    QTest::newRow("cable-stayed") << QStringList{"Option1(3)"} << QStringList{span, "100"}
                                  << QStringList{"1.1", "0.05", "1.5", "0.0559456846027126"}
                                  << "您计算的是双塔斜拉桥冲击系数！";
    QTest::newRow("suspension") << QStringList{"Option1(4)"}
                                << QStringList{span, "50", "Text2(0)", "0", "Text2(1)", "0", "Text2(2)", "1000",
                                               "Text2(3)", "0"}
                                << QStringList{"0", "0.05", "", ""} << "您计算的是悬索桥冲击系数！";
}

void TestVelmaric::computesEveryType()
{
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, shown);
    QFETCH(QString, message);
    for (const QString &name : clicks)
        click(button(qPrintable(name)));
    for (int i = 0; i < inputs.size(); i += 2)
        type(box(qPrintable(inputs[i])), inputs[i + 1]);
    compute();
    QCOMPARE(results(), shown);
    QCOMPARE(label("Label2")->text(), message);
}

QTEST_MAIN(TestVelmaric)
#include "test_velmaric.moc"
