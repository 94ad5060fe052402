// The section property window driven as the engineer drives it: opened from
// the main window, switched, computed, left by "确认" or the close box.

#include "guitest.h"

#include "impact/velmaric.h"
#include "info/form3.h"
#include "info/form4.h"
#include "section/form2.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>

using guitest::click;
using guitest::find;
using guitest::type;

namespace {

const QString hint = QStringLiteral("         如对系数意义不清楚，请在计算前先查看帮助！");
const QString done = QStringLiteral("计算完成，相应参数值已输入文本框，请按确认键返回冲击系数计算界面！");
const QString zeroArea = QStringLiteral("截面面积为零，请输入截面尺寸！");
const QString voidCount = QStringLiteral("空洞个数超出范围，请重新输入！");
const QString outOfRange = QStringLiteral("数值超出范围，请检查输入！");

QString element(const char *array, int index) { return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index); }

Velmaric &mainWindow() { return windows::ref<Velmaric>(); }

QLineEdit *box(const QWidget *window, const char *array, int index)
{
    return find<QLineEdit>(window, element(array, index));
}

// Every box of both windows with its text and enabled state, and Form2's
// Message line.
QStringList snapshot(const Form2 *form)
{
    QStringList state;
    for (const QWidget *window : {static_cast<const QWidget *>(&mainWindow()), static_cast<const QWidget *>(form)})
        for (const QLineEdit *b : window->findChildren<QLineEdit *>())
            state << QStringLiteral("%1/%2 %3 [%4]")
                         .arg(window->objectName(), b->objectName(), b->isEnabled() ? "on" : "off", b->text());
    return state;
}

// Types the girder texts into Text1, or switches to the hollow slab and
// types the slab texts into Text2.
void enter(Form2 *form, const QStringList &girder, const QStringList &slab)
{
    if (!slab.isEmpty())
        click(find<QRadioButton>(form, "Option1(1)"));
    for (int i = 0; i < girder.size(); ++i)
        type(box(form, "Text1", i), girder[i]);
    for (int i = 0; i < slab.size(); ++i)
        type(box(form, "Text2", i), slab[i]);
}

} // namespace

class TestForm2 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensFromMainWindowInStartState();
    void captions_data();
    void captions();
    void captionsShowWhole();
    void tabOrder();
    void switchKeepsTexts();
    void switchLeavesResults();
    void computes_data();
    void computes();
    void handsBackIntoLockedBoxes();
    void leaving_data();
    void leaving();
    void failures_data();
    void failures();
    void helpMenu();

private:
    // Presses the main window's "截面特性计算".
    Form2 *open();
};

void TestForm2::initTestCase() { guitest::setUpApplication(); }

void TestForm2::init()
{
    windows::show<Velmaric>();
    QVERIFY(QTest::qWaitForWindowExposed(&mainWindow()));
}

void TestForm2::cleanup()
{
    guitest::verifyNoModalWindow();
    windows::unload<Form2>();
    windows::unload<Form3>();
    windows::unload<Form4>();
    windows::unload<Velmaric>();
    guitest::flushDeletes();
    guitest::programEnded() = false;
}

Form2 *TestForm2::open()
{
    click(find<QPushButton>(&mainWindow(), "Command4"));
    return windows::loaded<Form2>();
}

void TestForm2::opensFromMainWindowInStartState()
{
    // Main window shown; "截面特性计算": Form2 shown, the main window hidden.
    Form2 *form = open();
    QVERIFY(form);
    QVERIFY(form->isVisible());
    QVERIFY(!mainWindow().isVisible());
    QCOMPARE(form->windowTitle(), QStringLiteral("截面特性计算"));
    QCOMPARE(form->centralWidget()->size(), QSize(603, 441));

    QVERIFY(find<QRadioButton>(form, "Option1(0)")->isChecked());
    QVERIFY(!find<QRadioButton>(form, "Option1(1)")->isChecked());
    for (int i = 0; i < 7; ++i) {
        QVERIFY(box(form, "Text1", i)->isEnabled());
        QCOMPARE(box(form, "Text1", i)->text(), QString());
    }
    for (int i = 0; i < 6; ++i) {
        QVERIFY(!box(form, "Text2", i)->isEnabled());
        QCOMPARE(box(form, "Text2", i)->text(), QString());
    }
    for (int i = 0; i < 2; ++i) {
        QVERIFY(box(form, "Text3", i)->isEnabled());
        QCOMPARE(box(form, "Text3", i)->text(), QString());
    }
    auto *label1 = find<QLabel>(form, "Label1");
    QCOMPARE(label1->text(), hint);
    QVERIFY(label1->font().bold());
    QCOMPARE(label1->palette().color(QPalette::Active, QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(form->focusWidget(), find<QWidget>(form, "Command1"));
}

void TestForm2::captions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");

    QTest::newRow("Frame1") << "Frame1" << "截面形式选择";
    QTest::newRow("Option1(0)") << "Option1(0)" << "矩形、T形、工字形截面";
    QTest::newRow("Option1(1)") << "Option1(1)" << "空心板";
    QTest::newRow("Frame2") << "Frame2" << "矩形、T形、工字形截面";
    QTest::newRow("Frame3") << "Frame3" << "空心板";
    QTest::newRow("Label2(0)") << "Label2(0)" << "上翼缘或顶板宽度     BS＝";
    QTest::newRow("Label2(1)") << "Label2(1)" << "上翼缘或顶板平均厚度 HS＝";
    QTest::newRow("Label2(2)") << "Label2(2)" << "下翼缘或底板宽度     BX=";
    QTest::newRow("Label2(3)") << "Label2(3)" << "下翼缘或底板厚度     HX＝";
    QTest::newRow("Label2(4)") << "Label2(4)" << "肋宽或箱形截面两个最     外侧腹板宽度之和     B1＝";
    QTest::newRow("Label2(5)") << "Label2(5)" << "多室箱形室与室之间的     腹板宽度之和         B2＝";
    QTest::newRow("Label2(6)") << "Label2(6)" << "肋或腹板高度         HF＝";
    QTest::newRow("Label3(0)") << "Label3(0)" << "空心板的宽度       B=";
    QTest::newRow("Label3(1)") << "Label3(1)" << "空心板的厚度       H=";
    QTest::newRow("Label3(2)") << "Label3(2)" << "挖空部分圆直径     D=";
    QTest::newRow("Label3(3)") << "Label3(3)" << "空洞中间直线高度  H1=";
    QTest::newRow("Label3(4)") << "Label3(4)" << "空洞间间隔厚度之和BF=";
    QTest::newRow("Label3(5)") << "Label3(5)" << "空洞个数           N=";
    QTest::newRow("Label4(0)") << "Label4(0)" << "截面面积(m2)";
    QTest::newRow("Label4(1)") << "Label4(1)" << "截面惯矩(m4)";
    QTest::newRow("Command1") << "Command1" << "计算";
    QTest::newRow("Command2") << "Command2" << "确认";
}

void TestForm2::captions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    const QWidget *control = find<QWidget>(open(), name);
    QString shown;
    if (auto *label = qobject_cast<const QLabel *>(control))
        shown = label->text();
    else if (auto *button = qobject_cast<const QAbstractButton *>(control))
        shown = button->text();
    else if (auto *frame = qobject_cast<const QGroupBox *>(control))
        shown = frame->title();
    QCOMPARE(shown, caption);
}

void TestForm2::captionsShowWhole()
{
    // Every caption label, wrapped at its width, stays inside its height.
    Form2 *form = open();
    for (const QLabel *label : form->findChildren<QLabel *>()) {
        if (label->objectName() == "Label1")
            continue;
        const QRect room = label->contentsRect();
        const QRect needed = label->fontMetrics().boundingRect(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                                                               label->text());
        QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height(),
                 qPrintable(label->objectName()));
    }
    // The Message line in each of its texts, at the font it is drawn in.
    auto *label1 = find<controls::MessageLine>(form, "Label1");
    for (const QString &message : {hint, done, zeroArea, voidCount, outOfRange}) {
        label1->setText(message);
        QVERIFY2(QFontMetrics(label1->fittedFont()).horizontalAdvance(message) <= label1->contentsRect().width(),
                 qPrintable(message));
    }
}

void TestForm2::tabOrder()
{
    // Start: Command1 has the focus; Tab walks the enabled controls.
    Form2 *form = open();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form));
    QStringList visited;
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(form->focusWidget(), Qt::Key_Tab);
        visited << form->focusWidget()->objectName();
    }
    const QStringList expected = {"Command2", "Option1(0)", "Text1(0)", "Text1(1)", "Text1(2)", "Text1(3)",
                                  "Text1(4)", "Text1(5)", "Text1(6)", "Text3(0)", "Text3(1)", "Command1"};
    QCOMPARE(visited, expected);
}

void TestForm2::switchKeepsTexts()
{
    // Girder texts typed; "空心板": girder boxes disabled with their texts,
    // slab boxes enabled; back again: the reverse, every text kept.
    Form2 *form = open();
    type(box(form, "Text1", 0), "1.2");
    type(box(form, "Text1", 6), "0.9");
    click(find<QRadioButton>(form, "Option1(1)"));
    for (int i = 0; i < 7; ++i)
        QVERIFY(!box(form, "Text1", i)->isEnabled());
    for (int i = 0; i < 6; ++i)
        QVERIFY(box(form, "Text2", i)->isEnabled());
    QCOMPARE(box(form, "Text1", 0)->text(), QStringLiteral("1.2"));
    type(box(form, "Text2", 5), "2");

    const QStringList slabState = snapshot(form);
    click(find<QRadioButton>(form, "Option1(1)")); // already selected
    QCOMPARE(snapshot(form), slabState);

    click(find<QRadioButton>(form, "Option1(0)"));
    QVERIFY(!find<QRadioButton>(form, "Option1(1)")->isChecked());
    for (int i = 0; i < 7; ++i)
        QVERIFY(box(form, "Text1", i)->isEnabled());
    for (int i = 0; i < 6; ++i)
        QVERIFY(!box(form, "Text2", i)->isEnabled());
    QCOMPARE(box(form, "Text1", 0)->text(), QStringLiteral("1.2"));
    QCOMPARE(box(form, "Text1", 6)->text(), QStringLiteral("0.9"));
    QCOMPARE(box(form, "Text2", 5)->text(), QStringLiteral("2"));
}

void TestForm2::switchLeavesResults()
{
    // After a computation, switching keeps the results and the message.
    Form2 *form = open();
    enter(form, {"2", "0.2", "", "", "0.4", "", "1"}, {});
    click(find<QPushButton>(form, "Command1"));
    click(find<QRadioButton>(form, "Option1(1)"));
    QCOMPARE(box(form, "Text3", 0)->text(), QStringLiteral("0.8"));
    QCOMPARE(box(form, "Text3", 1)->text(), QStringLiteral("0.1066"));
    QCOMPARE(find<QLabel>(form, "Label1")->text(), done);
}

void TestForm2::computes_data()
{
    QTest::addColumn<QStringList>("girder"); // typed into Text1(0..)
    QTest::addColumn<QStringList>("slab");   // if any: "空心板", typed into Text2(0..)
    QTest::addColumn<QStringList>("shown");  // Text3(0), Text3(1), main Text1(1), main Text1(3)

    QTest::newRow("I-section") << QStringList{"2", "0.2", "0.8", "0.2", "0.4", "", "1"} << QStringList{}
                               << QStringList{"0.96", "0.2152", "0.2152", "24.96"};
    QTest::newRow("two-cell box") << QStringList{"1.2", "0.25", "1.0", "0.2", "0.36", "0.18", "0.9"} << QStringList{}
                                  << QStringList{"0.986", "0.1907", "0.1907", "25.636"};
    QTest::newRow("area 0.57") << QStringList{"", "", "", "", "0.57", "", "1"} << QStringList{}
                               << QStringList{"0.5699", "0.0474", "0.0474", "14.8174"};
    QTest::newRow("two voids, girder boxes filled")
        << QStringList{"9", "9", "9", "9", "9", "9", "9"} << QStringList{"1.24", "0.6", "0.38", "0.08", "0.5", "2"}
        << QStringList{"0.4563", "0.0184", "0.0184", "11.8638"};
    QTest::newRow("2.6 voids are 3") << QStringList{} << QStringList{"1.24", "0.6", "0.38", "0.08", "", "2.6"}
                                     << QStringList{"0.3125", "0.0164", "0.0164", "8.125"};
    QTest::newRow("empty slab") << QStringList{} << QStringList{"", "", "", "", "", ""}
                                << QStringList{"0", "0", "0", "0"};
}

void TestForm2::computes()
{
    // Main window: grade 30, span 20, old Ic and w. "计算" in Form2: the
    // results in both windows, nothing else of the main window changed.
    QFETCH(QStringList, girder);
    QFETCH(QStringList, slab);
    QFETCH(QStringList, shown);
    type(box(&mainWindow(), "Text1", 0), "30");
    type(box(&mainWindow(), "Text1", 1), "0.5");
    type(box(&mainWindow(), "Text1", 2), "20");
    type(box(&mainWindow(), "Text1", 3), "100");
    Form2 *form = open();
    enter(form, girder, slab);
    click(find<QPushButton>(form, "Command1"));

    const QStringList texts = {box(form, "Text3", 0)->text(), box(form, "Text3", 1)->text(),
                               box(&mainWindow(), "Text1", 1)->text(), box(&mainWindow(), "Text1", 3)->text()};
    QCOMPARE(texts, shown);
    // Every written box shows its number from the first digit.
    for (QLineEdit *written : {box(form, "Text3", 0), box(form, "Text3", 1), box(&mainWindow(), "Text1", 1),
                               box(&mainWindow(), "Text1", 3)})
        QCOMPARE(written->cursorPosition(), 0);
    QCOMPARE(find<QLabel>(form, "Label1")->text(), done);
    QCOMPARE(box(&mainWindow(), "Text1", 0)->text(), QStringLiteral("30"));
    QCOMPARE(box(&mainWindow(), "Text1", 2)->text(), QStringLiteral("20"));
    QVERIFY(!mainWindow().isVisible());

    // The same press again writes the same texts.
    const QStringList state = snapshot(form);
    click(find<QPushButton>(form, "Command1"));
    QCOMPARE(snapshot(form), state);
    QCOMPARE(find<QLabel>(form, "Label1")->text(), done);
}

void TestForm2::handsBackIntoLockedBoxes()
{
    // Main window on the cable-stayed type, Ic and w locked; "计算" and
    // "确认": the locked boxes hold the new texts and stay locked.
    click(find<QRadioButton>(&mainWindow(), "Option1(3)"));
    QVERIFY(!box(&mainWindow(), "Text1", 1)->isEnabled());
    Form2 *form = open();
    enter(form, {"2", "0.2", "", "", "0.4", "", "1"}, {});
    click(find<QPushButton>(form, "Command1"));
    QCOMPARE(box(&mainWindow(), "Text1", 1)->text(), QStringLiteral("0.1066"));
    QCOMPARE(box(&mainWindow(), "Text1", 3)->text(), QStringLiteral("20.8"));

    click(find<QPushButton>(form, "Command2"));
    QVERIFY(mainWindow().isVisible());
    QVERIFY(find<QRadioButton>(&mainWindow(), "Option1(3)")->isChecked());
    QVERIFY(!box(&mainWindow(), "Text1", 1)->isEnabled());
    QVERIFY(!box(&mainWindow(), "Text1", 3)->isEnabled());
    QCOMPARE(box(&mainWindow(), "Text1", 1)->text(), QStringLiteral("0.1066"));
    QCOMPARE(box(&mainWindow(), "Text1", 3)->text(), QStringLiteral("20.8"));
}

void TestForm2::leaving_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::addColumn<bool>("computed");

    QTest::newRow("确认 after 计算") << false << true;
    QTest::newRow("确认 without 计算") << false << false;
    QTest::newRow("close box after 计算") << true << true;
    QTest::newRow("close box without 计算") << true << false;
}

void TestForm2::leaving()
{
    // Main window with its texts; Form2 left by "确认" or the close box: the
    // main window back with what it held, Form2 unloaded; reopened, Form2
    // is in its start state.
    QFETCH(bool, closeBox);
    QFETCH(bool, computed);
    type(box(&mainWindow(), "Text1", 0), "40");
    type(box(&mainWindow(), "Text1", 1), "2.5");
    type(box(&mainWindow(), "Text1", 2), "50");
    type(box(&mainWindow(), "Text1", 3), "150");
    QPointer<Form2> form = open();
    enter(form, {}, {"1", "0.6", "0.4", "0.1", "", "1"});
    if (computed)
        click(find<QPushButton>(form, "Command1"));

    if (closeBox)
        form->close();
    else
        click(find<QPushButton>(form, "Command2"));
    QVERIFY(mainWindow().isVisible());
    QVERIFY(!windows::loaded<Form2>());
    guitest::flushDeletes();
    QVERIFY(!form);
    const QStringList held = {box(&mainWindow(), "Text1", 0)->text(), box(&mainWindow(), "Text1", 1)->text(),
                              box(&mainWindow(), "Text1", 2)->text(), box(&mainWindow(), "Text1", 3)->text()};
    const QStringList expected = computed ? QStringList{"40", "0.0153", "50", "11.2918"}
                                          : QStringList{"40", "2.5", "50", "150"};
    QCOMPARE(held, expected);
    QVERIFY(!guitest::programEnded());

    Form2 *again = open();
    QVERIFY(again->isVisible());
    QVERIFY(find<QRadioButton>(again, "Option1(0)")->isChecked());
    for (const QLineEdit *b : again->findChildren<QLineEdit *>())
        QCOMPARE(b->text(), QString());
    QVERIFY(!box(again, "Text2", 0)->isEnabled());
    QCOMPARE(find<QLabel>(again, "Label1")->text(), hint);
}

void TestForm2::failures_data()
{
    QTest::addColumn<QStringList>("girder");
    QTest::addColumn<QStringList>("slab");
    QTest::addColumn<QString>("message");

    QTest::newRow("start state: no area") << QStringList{} << QStringList{} << zeroArea;
    QTest::newRow("areas cancel") << QStringList{"1", "1", "", "", "-1", "", "1"} << QStringList{} << zeroArea;
    QTest::newRow("girder text beyond a double") << QStringList{"1e400", "1"} << QStringList{} << outOfRange;
    QTest::newRow("girder cube overflows") << QStringList{"1e100", "1e100"} << QStringList{} << outOfRange;
    QTest::newRow("area beyond the cut") << QStringList{"1e305", "1"} << QStringList{} << outOfRange;
    QTest::newRow("16384 voids") << QStringList{} << QStringList{"1", "0.6", "0.4", "0.1", "", "16384"} << voidCount;
    QTest::newRow("-16385 voids") << QStringList{} << QStringList{"1", "0.6", "0.4", "0.1", "", "-16385"} << voidCount;
    QTest::newRow("40000 voids") << QStringList{} << QStringList{"1", "0.6", "0.4", "0.1", "", "40000"} << voidCount;
    QTest::newRow("void text beyond a double") << QStringList{} << QStringList{"1", "0.6", "0.4", "0.1", "", "1e400"}
                                               << outOfRange;
    QTest::newRow("slab cube overflows") << QStringList{} << QStringList{"1", "1e103"} << outOfRange;
}

void TestForm2::failures()
{
    // Both windows hold results of an earlier "计算"; a failing "计算"
    // changes no box of either window and names the fault in Label1; the
    // next good "计算" brings the completion message back.
    QFETCH(QStringList, girder);
    QFETCH(QStringList, slab);
    QFETCH(QString, message);
    type(box(&mainWindow(), "Text1", 0), "30");
    type(box(&mainWindow(), "Text1", 2), "20");
    Form2 *form = open();
    enter(form, {"2", "0.2", "", "", "0.4", "", "1"}, {});
    click(find<QPushButton>(form, "Command1"));
    QCOMPARE(box(form, "Text3", 0)->text(), QStringLiteral("0.8"));
    for (int i = 0; i < 7; ++i)
        type(box(form, "Text1", i), "");

    enter(form, girder, slab);
    const QStringList before = snapshot(form);
    click(find<QPushButton>(form, "Command1"));
    QCOMPARE(snapshot(form), before);
    QCOMPARE(find<QLabel>(form, "Label1")->text(), message);

    click(find<QRadioButton>(form, "Option1(1)"));
    enter(form, {}, {"1", "0.6", "0.4", "0.1", "", "1"});
    click(find<QPushButton>(form, "Command1"));
    QCOMPARE(box(form, "Text3", 0)->text(), QStringLiteral("0.4343"));
    QCOMPARE(box(&mainWindow(), "Text1", 1)->text(), QStringLiteral("0.0153"));
    QCOMPARE(find<QLabel>(form, "Label1")->text(), done);
}

void TestForm2::helpMenu()
{
    // "截面类型…" twice: one Form3; "相关说明…": Form4; leaving Form2 keeps
    // both open.
    Form2 *form = open();
    auto *menu = form->findChild<QMenu *>("mnuHELP1");
    QVERIFY(menu);
    QCOMPARE(menu->title(), QStringLiteral("帮助（&B）"));
    QVERIFY(form->menuBar()->actions().contains(menu->menuAction()));
    auto *types = form->findChild<QAction *>("mnuHELP2");
    auto *notes = form->findChild<QAction *>("mnushuo");
    QVERIFY(types && notes);
    QCOMPARE(menu->actions(), (QList<QAction *>{types, notes}));
    QCOMPARE(types->text(), QStringLiteral("截面类型…"));
    QCOMPARE(notes->text(), QStringLiteral("相关说明…"));

    types->trigger();
    Form3 *figure = windows::loaded<Form3>();
    QVERIFY(figure && figure->isVisible());
    types->trigger();
    QCOMPARE(windows::loaded<Form3>(), figure);
    notes->trigger();
    Form4 *remarks = windows::loaded<Form4>();
    QVERIFY(remarks && remarks->isVisible());
    QVERIFY(form->isVisible());

    click(find<QPushButton>(form, "Command2"));
    guitest::flushDeletes();
    QCOMPARE(windows::loaded<Form3>(), figure);
    QCOMPARE(windows::loaded<Form4>(), remarks);
    QVERIFY(figure->isVisible() && remarks->isVisible());
    QVERIFY(mainWindow().isVisible());
}

QTEST_MAIN(TestForm2)
#include "test_form2.moc"
