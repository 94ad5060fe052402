// Option groups as the user meets them: the bridge types and the arch
// sections of the main window, the section types of the section window.
// Each group keeps exactly one element selected whatever is clicked, typed
// or pressed, and never changes another group.

#include "guitest.h"

#include "common/options.h"
#include "impact/velmaric.h"
#include "section/form2.h"

#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

using guitest::click;
using guitest::find;
using guitest::shown;
using guitest::type;

namespace {

// The names of a window's selected option buttons.
QStringList selection(const QWidget *window)
{
    QStringList names;
    for (const QRadioButton *button : window->findChildren<QRadioButton *>())
        if (button->isChecked())
            names << button->objectName();
    names.sort();
    return names;
}

} // namespace

class TestOptionGroups : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { guitest::setUpApplication(); }
    void init();
    void cleanup();

    void selectedElementStaysSelected_data();
    void selectedElementStaysSelected();
    void archSectionClickedAgainComputesIt();
    void arrowKeysStayInTheirGroup_data();
    void arrowKeysStayInTheirGroup();
    void arrowKeysPassOverUnavailableElements();
    void groupsOnOneParentAreIndependent();
    void tabStopsOncePerGroup_data();
    void tabStopsOncePerGroup();
    void wholeRectangleIsClickTarget_data();
    void wholeRectangleIsClickTarget();

private:
    // Makes `window` the window named, the section window being opened by
    // the main window's "截面特性计算", and clicks the named option buttons.
    void prepare(const QString &windowName, const QStringList &clicks);
    QRadioButton *option(const QString &name) { return find<QRadioButton>(window, name); }

    QWidget *window = nullptr;
};

void TestOptionGroups::init()
{
    windows::show<Velmaric>();
    QVERIFY(QTest::qWaitForWindowActive(&windows::ref<Velmaric>()));
}

void TestOptionGroups::cleanup()
{
    guitest::verifyNoModalWindow();
    windows::unload<Form2>();
    windows::unload<Velmaric>();
    guitest::flushDeletes();
    window = nullptr;
}

void TestOptionGroups::prepare(const QString &windowName, const QStringList &clicks)
{
    window = &windows::ref<Velmaric>();
    if (windowName == QLatin1String("Form2")) {
        click(find<QPushButton>(window, "Command4"));
        window = windows::loaded<Form2>();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window))
            QTest::qFail("the section window did not become active", __FILE__, __LINE__);
    }
    for (const QString &name : clicks)
        click(option(name));
}

void TestOptionGroups::selectedElementStaysSelected_data()
{
    QTest::addColumn<QString>("windowName");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("space"); // Space on the focused element, else a click
    QTest::addColumn<QStringList>("selected");

    const QStringList arch = {"Option1(2)"};
    const QStringList variable = {"Option1(2)", "Option2(1)"};
    QTest::newRow("simply supported, click") << "Velmaric" << QStringList{} << "Option1(0)" << false
                                             << QStringList{"Option1(0)", "Option2(0)"};
    QTest::newRow("arch, Space") << "Velmaric" << arch << "Option1(2)" << true
                                 << QStringList{"Option1(2)", "Option2(0)"};
    QTest::newRow("constant section, click") << "Velmaric" << arch << "Option2(0)" << false
                                             << QStringList{"Option1(2)", "Option2(0)"};
    QTest::newRow("constant section, Space") << "Velmaric" << arch << "Option2(0)" << true
                                             << QStringList{"Option1(2)", "Option2(0)"};
    QTest::newRow("variable section, click") << "Velmaric" << variable << "Option2(1)" << false
                                             << QStringList{"Option1(2)", "Option2(1)"};
    QTest::newRow("variable section, Space") << "Velmaric" << variable << "Option2(1)" << true
                                             << QStringList{"Option1(2)", "Option2(1)"};
    QTest::newRow("girder, click") << "Form2" << QStringList{} << "Option1(0)" << false
                                   << QStringList{"Option1(0)"};
    QTest::newRow("hollow slab, Space") << "Form2" << QStringList{"Option1(1)"} << "Option1(1)" << true
                                        << QStringList{"Option1(1)"};
}

void TestOptionGroups::selectedElementStaysSelected()
{
    // State: the target is selected. Action: click it, or Space on it.
    // Expected: it stays selected and no other selection changes.
    QFETCH(QString, windowName);
    QFETCH(QStringList, clicks);
    QFETCH(QString, target);
    QFETCH(bool, space);
    QFETCH(QStringList, selected);
    prepare(windowName, clicks);
    QCOMPARE(selection(window), selected);

    QRadioButton *button = option(target);
    if (space) {
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Space);
    } else {
        click(button);
    }
    QCOMPARE(selection(window), selected);
    QVERIFY(button->isChecked());
}

void TestOptionGroups::archSectionClickedAgainComputesIt()
{
    // A variable-section coefficient typed, then the constant section chosen
    // and clicked again, then Space on it: "计算" computes the constant
    // section, and the coefficient box stays hidden.
    prepare("Velmaric", {"Option1(2)", "Option2(1)"});
    type(find<QLineEdit>(window, "Text4"), "0.5");
    click(option("Option2(0)"));
    click(option("Option2(0)"));
    QVERIFY(option("Option2(0)")->isChecked());
    QTest::keyClick(option("Option2(0)"), Qt::Key_Space);
    QVERIFY(option("Option2(0)")->isChecked());
    QVERIFY(!shown(find<QLineEdit>(window, "Text4")));

    const QStringList inputs = {"Text1(0)", "40", "Text1(1)", "2.5", "Text1(2)", "50", "Text1(3)", "150", "Text5", "0.2"};
    for (int i = 0; i < inputs.size(); i += 2)
        type(find<QLineEdit>(window, inputs[i]), inputs[i + 1]);
    click(find<QPushButton>(window, "Command1(0)"));
    QCOMPARE(find<QLineEdit>(window, "Text3(0)")->text(), QStringLiteral("3.47490930586599"));
    QCOMPARE(find<QLineEdit>(window, "Text3(2)")->text(), QStringLiteral("0.204391932683236"));
}

void TestOptionGroups::arrowKeysStayInTheirGroup_data()
{
    QTest::addColumn<QString>("windowName");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QStringList>("selected");
    // A box the group's click handler enables, and one it disables.
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<QString>("disabled");

    const QStringList arch = {"Option1(2)"};
    const QStringList variable = {"Option1(2)", "Option2(1)"};
    struct Row {
        const char *name;
        const char *window;
        QStringList clicks;
        const char *from;
        Qt::Key key;
        const char *to;
        QStringList selected;
        const char *enabled;
        const char *disabled;
    };
    const Row rows[] = {
        {"bridge types, Down", "Velmaric", {}, "Option1(0)", Qt::Key_Down, "Option1(1)",
         {"Option1(1)", "Option2(0)"}, "Text3(1)", "Text5"},
        {"bridge types, Up wraps", "Velmaric", {}, "Option1(0)", Qt::Key_Up, "Option1(4)",
         {"Option1(4)", "Option2(0)"}, "Text2(1)", "Text1(0)"},
        {"bridge types, Down wraps", "Velmaric", {"Option1(4)"}, "Option1(4)", Qt::Key_Down, "Option1(0)",
         {"Option1(0)", "Option2(0)"}, "Text1(0)", "Text2(1)"},
        {"bridge types, Left from arch", "Velmaric", arch, "Option1(2)", Qt::Key_Left, "Option1(1)",
         {"Option1(1)", "Option2(0)"}, "Text3(1)", "Text5"},
        {"bridge types, Right from arch", "Velmaric", variable, "Option1(2)", Qt::Key_Right, "Option1(3)",
         {"Option1(3)", "Option2(1)"}, "Text3(3)", "Text4"},
        {"arch sections, Down", "Velmaric", arch, "Option2(0)", Qt::Key_Down, "Option2(1)",
         {"Option1(2)", "Option2(1)"}, "Text4", "Text3(1)"},
        {"arch sections, Left wraps", "Velmaric", arch, "Option2(0)", Qt::Key_Left, "Option2(1)",
         {"Option1(2)", "Option2(1)"}, "Text4", "Text3(1)"},
        {"arch sections, Up", "Velmaric", variable, "Option2(1)", Qt::Key_Up, "Option2(0)",
         {"Option1(2)", "Option2(0)"}, "Text5", "Text4"},
        {"arch sections, Right wraps", "Velmaric", variable, "Option2(1)", Qt::Key_Right, "Option2(0)",
         {"Option1(2)", "Option2(0)"}, "Text5", "Text4"},
        {"section types, Up", "Form2", {}, "Option1(0)", Qt::Key_Up, "Option1(1)", {"Option1(1)"}, "Text2(0)", "Text1(0)"},
        {"section types, Down", "Form2", {}, "Option1(0)", Qt::Key_Down, "Option1(1)", {"Option1(1)"}, "Text2(5)", "Text1(6)"},
        {"section types, Left", "Form2", {}, "Option1(0)", Qt::Key_Left, "Option1(1)", {"Option1(1)"}, "Text2(0)", "Text1(0)"},
        {"section types, Right back", "Form2", {"Option1(1)"}, "Option1(1)", Qt::Key_Right, "Option1(0)",
         {"Option1(0)"}, "Text1(0)", "Text2(0)"},
    };
    for (const Row &row : rows)
        QTest::newRow(row.name) << row.window << row.clicks << row.from << int(row.key) << row.to << row.selected
                                << row.enabled << row.disabled;
}

void TestOptionGroups::arrowKeysStayInTheirGroup()
{
    // State: focus on `from`. Action: one arrow key. Expected: `to` is
    // selected and has the focus, the other group is unchanged, and the
    // group's click handler has switched the inputs.
    QFETCH(QString, windowName);
    QFETCH(QStringList, clicks);
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(QString, to);
    QFETCH(QStringList, selected);
    QFETCH(QString, enabled);
    QFETCH(QString, disabled);
    prepare(windowName, clicks);

    option(from)->setFocus();
    QTest::keyClick(option(from), Qt::Key(key));
    QCOMPARE(QApplication::focusWidget(), option(to));
    QCOMPARE(selection(window), selected);
    QVERIFY2(find<QLineEdit>(window, enabled)->isEnabled(), qPrintable(enabled));
    QVERIFY2(!find<QLineEdit>(window, disabled)->isEnabled(), qPrintable(disabled));
}

void TestOptionGroups::arrowKeysPassOverUnavailableElements()
{
    // Four elements; the second is disabled and the fourth hidden.
    QWidget parent;
    std::array<controls::OptionButton *, 4> elements{};
    for (int i = 0; i < 4; ++i) {
        elements[i] = new controls::OptionButton(&parent);
        elements[i]->setGeometry(0, 20 * i, 100, 20);
    }
    elements[0]->setChecked(true);
    controls::group(&parent, elements);
    elements[1]->setEnabled(false);
    elements[3]->hide();
    int clicks = 0;
    for (auto *element : elements)
        connect(element, &QAbstractButton::clicked, &parent, [&clicks] { ++clicks; });
    parent.show();
    parent.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&parent));

    elements[0]->setFocus();
    QTest::keyClick(elements[0], Qt::Key_Down);
    QVERIFY(elements[2]->isChecked() && elements[2]->hasFocus());
    QTest::keyClick(elements[2], Qt::Key_Down); // past the hidden one, wrapping
    QVERIFY(elements[0]->isChecked() && elements[0]->hasFocus());
    QTest::keyClick(elements[0], Qt::Key_Up);
    QVERIFY(elements[2]->isChecked() && elements[2]->hasFocus());
    QCOMPARE(clicks, 3);

    // The only element left available keeps the selection and the focus.
    elements[0]->setEnabled(false);
    QTest::keyClick(elements[2], Qt::Key_Down);
    QVERIFY(elements[2]->isChecked() && elements[2]->hasFocus());
    QVERIFY(!elements[0]->isChecked() && !elements[1]->isChecked() && !elements[3]->isChecked());
}

void TestOptionGroups::groupsOnOneParentAreIndependent()
{
    // Two groups with the same parent, one of them inside a frame as well:
    // selecting in either never clears the other.
    QWidget parent;
    QWidget frame(&parent);
    std::array<controls::OptionButton *, 2> outer{new controls::OptionButton(&parent),
                                                  new controls::OptionButton(&parent)};
    std::array<controls::OptionButton *, 2> inner{new controls::OptionButton(&frame),
                                                  new controls::OptionButton(&frame)};
    outer[0]->setChecked(true);
    inner[0]->setChecked(true);
    controls::group(&parent, outer);
    controls::group(&parent, inner);

    inner[1]->setChecked(true);
    QVERIFY(outer[0]->isChecked() && !inner[0]->isChecked());
    outer[1]->setChecked(true);
    QVERIFY(inner[1]->isChecked() && !outer[0]->isChecked());
    // Only the selected element of each group is a Tab stop.
    QCOMPARE(outer[1]->focusPolicy(), Qt::StrongFocus);
    QCOMPARE(outer[0]->focusPolicy(), Qt::ClickFocus);
}

void TestOptionGroups::tabStopsOncePerGroup_data()
{
    QTest::addColumn<QString>("windowName");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QStringList>("cycle"); // Tab from start, back to start

    const QStringList inputs = {"Text1(0)", "Text1(1)", "Text1(2)", "Text1(3)", "Command1(0)"};
    QTest::newRow("simply supported") << "Velmaric" << QStringList{} << "Option1(0)"
                                      << inputs + QStringList{"Text3(0)", "Command2", "Command3", "Text3(2)",
                                                              "Command4", "Option1(0)"};
    QTest::newRow("continuous") << "Velmaric" << QStringList{"Option1(1)"} << "Option1(1)"
                                << inputs + QStringList{"Text3(0)", "Text3(1)", "Command2", "Command3", "Text3(2)",
                                                        "Text3(3)", "Command4", "Option1(1)"};
    QTest::newRow("arch, constant section")
        << "Velmaric" << QStringList{"Option1(2)"} << "Option1(2)"
        << inputs + QStringList{"Option2(0)", "Text3(0)", "Command2", "Command3", "Text3(2)", "Text5", "Command4",
                                "Option1(2)"};
    QTest::newRow("arch, variable section")
        << "Velmaric" << QStringList{"Option1(2)", "Option2(1)"} << "Option1(2)"
        << inputs + QStringList{"Option2(1)", "Text3(0)", "Text4", "Command2", "Command3", "Text3(2)", "Text5",
                                "Command4", "Option1(2)"};
    QTest::newRow("cable-stayed") << "Velmaric" << QStringList{"Option1(3)"} << "Option1(3)"
                                  << QStringList{"Text1(2)", "Command1(0)", "Text3(0)", "Text3(1)", "Command2",
                                                 "Command3", "Text3(2)", "Text3(3)", "Command4", "Option1(3)"};
    QTest::newRow("suspension") << "Velmaric" << QStringList{"Option1(4)"} << "Option1(4)"
                                << QStringList{"Text1(2)", "Command1(0)", "Text2(0)", "Text2(1)", "Text2(2)",
                                               "Text2(3)", "Text3(0)", "Command2", "Command3", "Text3(2)",
                                               "Command4", "Option1(4)"};
    QTest::newRow("girder") << "Form2" << QStringList{} << "Command1"
                            << QStringList{"Command2", "Option1(0)", "Text1(0)", "Text1(1)", "Text1(2)", "Text1(3)",
                                           "Text1(4)", "Text1(5)", "Text1(6)", "Text3(0)", "Text3(1)", "Command1"};
    QTest::newRow("hollow slab") << "Form2" << QStringList{"Option1(1)"} << "Command1"
                                 << QStringList{"Command2", "Option1(1)", "Text2(0)", "Text2(1)", "Text2(2)",
                                                "Text2(3)", "Text2(4)", "Text2(5)", "Text3(0)", "Text3(1)",
                                                "Command1"};
}

void TestOptionGroups::tabStopsOncePerGroup()
{
    // One whole cycle of Tab, then one of Shift+Tab, from `start`: each
    // group is one stop, at its selected element.
    QFETCH(QString, windowName);
    QFETCH(QStringList, clicks);
    QFETCH(QString, start);
    QFETCH(QStringList, cycle);
    prepare(windowName, clicks);
    find<QWidget>(window, start)->setFocus();

    QStringList forward;
    for (qsizetype i = 0; i < cycle.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        forward << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(forward, cycle);

    QStringList backward;
    for (qsizetype i = 0; i < cycle.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        backward.prepend(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(backward, QStringList{start} + cycle.mid(0, cycle.size() - 1));
}

void TestOptionGroups::wholeRectangleIsClickTarget_data()
{
    QTest::addColumn<QString>("windowName");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QStringList>("selected");

    QTest::newRow("Option1(0)") << "Velmaric" << QStringList{"Option1(1)"} << "Option1(0)"
                                << QStringList{"Option1(0)", "Option2(0)"};
    for (int i = 1; i < 5; ++i) {
        const QString name = QStringLiteral("Option1(%1)").arg(i);
        QTest::newRow(qPrintable(name)) << "Velmaric" << QStringList{} << name << QStringList{name, "Option2(0)"};
    }
    QTest::newRow("Option2(0)") << "Velmaric" << QStringList{"Option1(2)", "Option2(1)"} << "Option2(0)"
                                << QStringList{"Option1(2)", "Option2(0)"};
    QTest::newRow("Option2(1)") << "Velmaric" << QStringList{"Option1(2)"} << "Option2(1)"
                                << QStringList{"Option1(2)", "Option2(1)"};
    QTest::newRow("Form2 Option1(0)") << "Form2" << QStringList{"Option1(1)"} << "Option1(0)"
                                      << QStringList{"Option1(0)"};
    QTest::newRow("Form2 Option1(1)") << "Form2" << QStringList{} << "Option1(1)" << QStringList{"Option1(1)"};
}

void TestOptionGroups::wholeRectangleIsClickTarget()
{
    // A click at the right end of the option button's visible rectangle,
    // well past its caption, selects it.
    QFETCH(QString, windowName);
    QFETCH(QStringList, clicks);
    QFETCH(QString, target);
    QFETCH(QStringList, selected);
    prepare(windowName, clicks);
    QRadioButton *button = option(target);

    // The rightmost point at mid-height that the user sees of the button
    // (Option2(0)'s right end lies under Option2(1)).
    QWidget *client = window->findChild<QWidget *>("client");
    QPoint point(button->width() - 2, button->height() / 2);
    while (point.x() > 0 && client->childAt(button->mapTo(client, point)) != button)
        point.rx() -= 1;
    QVERIFY(point.x() > 0);

    QStyleOptionButton style;
    style.initFrom(button);
    style.text = button->text();
    const QRect caption = button->style()->subElementRect(QStyle::SE_RadioButtonClickRect, &style, button);
    QVERIFY2(point.x() > caption.right(), "the point lies past the caption");

    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, point);
    QCOMPARE(selection(window), selected);
}

QTEST_MAIN(TestOptionGroups)
#include "test_option_groups.moc"
