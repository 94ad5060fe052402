// The help and information windows: the explanation and about windows that
// the main window's help menu opens, and the section-type figure and the
// parameter notes of the section window's help menu.

#include "guitest.h"
#include "impact/velmaric.h"
#include "info/dialog.h"
#include "info/form1.h"
#include "info/form3.h"
#include "info/form4.h"

#include <QAction>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

using guitest::find;

namespace {

const QString explanation = QStringLiteral(
    "本程序根据《桥涵设计通用规范》（JTG D60－2004） 4.3.2条编制，可以对规范中列举的5种桥型的冲击系数进行计算，"
    "各系数参照此条及相关条文说明。        本版本包括惯矩及截面面积计算功能，并根据后者得到延米重量，"
    "在进行冲击系数计算时各系数可以直接输入也可利用此功能计算得到，以使这个小程序更加实用。");

const QString about = QStringLiteral("VelmaricVersion2.0。  2005.3.20") + QString(67, u' ')
                      + QStringLiteral("本程序由冲击系数计算程序项目组编写。");

const QString notes = QStringLiteral(
    "参数的一些说明： B1对于单室箱形即为两个腹板宽度之和，输入时请注意！H1为挖成圆端形空洞时中间直线部分高度，"
    "当空洞为圆形时，H1取0。因为截面类型不同，参数输入 个数也可能不同，程序已将所有的参数初值设置为0，"
    "计算时只需输入非零数据，不用的参数输入0或者不作操作！程序中钢筋砼容重按26kN/m3取值。"
    "取其它容重时，可根据截面面积手算计算延米重量。参数中上（下）翼缘和顶（底）板的厚度均为平均厚度！");

const QStringList allWindows = {QStringLiteral("Form1"), QStringLiteral("Dialog"), QStringLiteral("Form3"),
                                QStringLiteral("Form4")};

// The window of this name if it is loaded, otherwise nullptr.
QWidget *loaded(const QString &name)
{
    if (name == u"Form1")
        return windows::loaded<Form1>();
    if (name == u"Dialog")
        return windows::loaded<Dialog>();
    if (name == u"Form3")
        return windows::loaded<Form3>();
    if (name == u"Form4")
        return windows::loaded<Form4>();
    return nullptr;
}

void unloadAll()
{
    windows::unload<Form1>();
    windows::unload<Dialog>();
    windows::unload<Form3>();
    windows::unload<Form4>();
    guitest::flushDeletes();
}

// The shown top-level windows of this name.
QList<QWidget *> shownWindows(const QString &name)
{
    QList<QWidget *> found;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == name && window->isVisible())
            found.append(window);
    return found;
}

QImage rgb32(const QImage &image) { return image.convertToFormat(QImage::Format_RGB32); }

} // namespace

class TestInfoWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void cleanupTestCase();

    void menuOpensOneWindow_data();
    void menuOpensOneWindow();
    void closingUnloads_data();
    void closingUnloads();
    void escapeLeavesNoHiddenWindow_data();
    void escapeLeavesNoHiddenWindow();
    void windowsOpenTogether();
    void chosenAgainComesBack_data();
    void chosenAgainComesBack();
    void frames_data();
    void frames();
    void aboutWindowIsFixed();
    void controlPlaces_data();
    void controlPlaces();
    void texts_data();
    void texts();
    void labelLooks();
    void figureIsTheBackground();
    void notesPicture();

private:
    // Opens a window as the user does: Form1 and Dialog from the main
    // window's help menu, Form3 and Form4 directly (the section window's
    // menu item does no more than that).
    QWidget *open(const QString &name);

    Velmaric *main = nullptr;
};

void TestInfoWindows::initTestCase()
{
    guitest::setUpApplication();
    main = &windows::ref<Velmaric>();
    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main));
}

void TestInfoWindows::cleanup()
{
    guitest::verifyNoModalWindow();
    unloadAll();
    QVERIFY(!guitest::programEnded());
}

void TestInfoWindows::cleanupTestCase()
{
    windows::unload<Velmaric>();
    guitest::flushDeletes();
}

QWidget *TestInfoWindows::open(const QString &name)
{
    if (name == u"Form1")
        find<QAction>(main, QStringLiteral("mnushuoming"))->trigger();
    else if (name == u"Dialog")
        find<QAction>(main, QStringLiteral("mnuabout"))->trigger();
    else if (name == u"Form3")
        windows::show<Form3>();
    else if (name == u"Form4")
        windows::show<Form4>();
    return loaded(name);
}

void TestInfoWindows::menuOpensOneWindow_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::newRow("说明…") << "mnushuoming" << "Form1" << QStringLiteral("说明");
    QTest::newRow("关于…") << "mnuabout" << "Dialog" << QStringLiteral("关于…");
}

void TestInfoWindows::menuOpensOneWindow()
{
    QFETCH(QString, item);
    QFETCH(QString, window);
    QFETCH(QString, caption);

    // Choosing the menu item twice shows one window, beside the main window.
    QAction *action = find<QAction>(main, item);
    QVERIFY(action);
    action->trigger();
    QPointer<QWidget> first = loaded(window);
    QVERIFY(first);
    action->trigger();
    QCOMPARE(loaded(window), first.data());
    QCOMPARE(shownWindows(window), QList<QWidget *>{first.data()});
    QCOMPARE(first->windowTitle(), caption);
    QVERIFY(first->isVisible());
    QVERIFY(main->isVisible());
    QVERIFY(!first->isModal());
    QVERIFY(!first->parentWidget());
}

void TestInfoWindows::closingUnloads_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button"); // caption of Command1, or empty for the close box
    QTest::newRow("Form1 关闭") << "Form1" << QStringLiteral("关闭");
    QTest::newRow("Form1 close box") << "Form1" << QString();
    QTest::newRow("Dialog 关闭") << "Dialog" << QStringLiteral("关闭");
    QTest::newRow("Dialog close box") << "Dialog" << QString();
    QTest::newRow("Form3 close box") << "Form3" << QString();
    QTest::newRow("Form4 返回") << "Form4" << QStringLiteral("返回");
    QTest::newRow("Form4 close box") << "Form4" << QString();
}

void TestInfoWindows::closingUnloads()
{
    QFETCH(QString, window);
    QFETCH(QString, button);

    // An open window, moved, resized and retitled by the user...
    QPointer<QWidget> old = open(window);
    QVERIFY(old);
    const QRect start = old->geometry();
    old->setWindowTitle(QStringLiteral("x"));
    old->setGeometry(start.translated(40, 30).adjusted(0, 0, 50, 20));

    // ...closed by its button or its close box is gone, not hidden.
    if (button.isEmpty()) {
        QVERIFY(old->close());
    } else {
        auto *command = find<QPushButton>(old, QStringLiteral("Command1"));
        QCOMPARE(command->text(), button);
        guitest::click(command);
    }
    QVERIFY(!loaded(window));
    QVERIFY(shownWindows(window).isEmpty());
    guitest::flushDeletes();
    QVERIFY(!old);

    // Opened again, it starts from its design: caption and size.
    QWidget *reopened = open(window);
    QVERIFY(reopened);
    QVERIFY(reopened->isVisible());
    QVERIFY(reopened->windowTitle() != u"x");
    QCOMPARE(reopened->size(), start.size());
    if (window == u"Dialog")
        QCOMPARE(reopened->geometry().topLeft(), QPoint(184, 250));
    QVERIFY(main->isVisible());
}

void TestInfoWindows::escapeLeavesNoHiddenWindow_data()
{
    QTest::addColumn<QString>("window");
    for (const QString &name : allWindows)
        QTest::newRow(qPrintable(name)) << name;
}

void TestInfoWindows::escapeLeavesNoHiddenWindow()
{
    QFETCH(QString, window);

    // Esc in an open window must not hide it while keeping it loaded: the
    // next opening would then show the old window, not a new one.
    QWidget *opened = open(window);
    QVERIFY(opened);
    opened->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(opened));
    QTest::keyClick(opened, Qt::Key_Escape);
    if (QWidget *still = loaded(window))
        QVERIFY(still->isVisible());
}

void TestInfoWindows::windowsOpenTogether()
{
    // All four windows open at once beside the main window.
    for (const QString &name : allWindows)
        QVERIFY2(open(name), qPrintable(name));
    for (const QString &name : allWindows)
        QCOMPARE(shownWindows(name).size(), 1);
    QVERIFY(main->isVisible());

    // Closing one leaves the others open.
    windows::unload<Form1>();
    windows::unload<Form3>();
    guitest::flushDeletes();
    QVERIFY(!loaded(QStringLiteral("Form1")));
    QVERIFY(!loaded(QStringLiteral("Form3")));
    QCOMPARE(shownWindows(QStringLiteral("Dialog")).size(), 1);
    QCOMPARE(shownWindows(QStringLiteral("Form4")).size(), 1);
    QVERIFY(main->isVisible());
}

void TestInfoWindows::chosenAgainComesBack_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("minimised"); // else left behind the main window
    for (const QString &name : allWindows) {
        QTest::newRow(qPrintable(name + " minimised")) << name << true;
        QTest::newRow(qPrintable(name + " behind the main window")) << name << false;
    }
}

void TestInfoWindows::chosenAgainComesBack()
{
    QFETCH(QString, window);
    QFETCH(bool, minimised);

    // An open window that the user minimised, or left behind the main
    // window...
    QWidget *opened = open(window);
    QVERIFY(QTest::qWaitForWindowExposed(opened));
    if (minimised) {
        opened->showMinimized();
        QTRY_VERIFY(opened->isMinimized());
    }
    main->raise();
    main->activateWindow();
    QTRY_VERIFY(main->isActiveWindow());

    // ...chosen again is the same window, on screen and active.
    QCOMPARE(open(window), opened);
    QVERIFY(opened->isVisible());
    QVERIFY(!opened->isMinimized());
    QTRY_VERIFY(opened->isActiveWindow());
    QVERIFY(main->isVisible());
}

void TestInfoWindows::frames_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("client");
    QTest::newRow("Form1") << "Form1" << QStringLiteral("说明") << QSize(351, 152);
    QTest::newRow("Form3") << "Form3" << QStringLiteral("截面类型") << QSize(887, 537);
    QTest::newRow("Form4") << "Form4" << QStringLiteral("相关说明") << QSize(596, 474);
}

void TestInfoWindows::frames()
{
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(QSize, client);

    // A sizable window with minimise, maximise and close boxes, listed in
    // the task bar like any normal window.
    QWidget *opened = open(window);
    QVERIFY(opened);
    QCOMPARE(opened->windowTitle(), caption);
    QCOMPARE(opened->size(), client);
    QCOMPARE(opened->windowType(), Qt::Window);
    const Qt::WindowFlags flags = opened->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    opened->resize(client + QSize(40, 30));
    QCOMPARE(opened->size(), client + QSize(40, 30));
}

void TestInfoWindows::aboutWindowIsFixed()
{
    // The about window opens with its client area at (184, 250), in a tool
    // window (kept out of the task bar) with a close box only.
    QWidget *about = open(QStringLiteral("Dialog"));
    QVERIFY(about);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QCOMPARE(about->geometry(), QRect(184, 250, 334, 86));
    QCOMPARE(about->windowType(), Qt::Tool);
    const Qt::WindowFlags flags = about->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));

    // It cannot be resized.
    QCOMPARE(about->minimumSize(), QSize(334, 86));
    QCOMPARE(about->maximumSize(), QSize(334, 86));
    about->resize(500, 300);
    QCOMPARE(about->size(), QSize(334, 86));
}

void TestInfoWindows::controlPlaces_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("place"); // pixels, in the container
    QTest::newRow("Form1 Frame1") << "Form1" << "Frame1" << "Form1" << QRect(8, 16, 329, 113);
    QTest::newRow("Form1 Label1") << "Form1" << "Label1" << "Frame1" << QRect(24, 16, 297, 89);
    QTest::newRow("Form1 Command1") << "Form1" << "Command1" << "Form1" << QRect(280, 128, 65, 25);
    QTest::newRow("Dialog Label1") << "Dialog" << "Label1" << "Dialog" << QRect(8, 8, 313, 73);
    QTest::newRow("Dialog Command1") << "Dialog" << "Command1" << "Dialog" << QRect(280, 64, 57, 25);
    QTest::newRow("Form4 Label1") << "Form4" << "Label1" << "Form4" << QRect(24, 24, 553, 97);
    QTest::newRow("Form4 Image1") << "Form4" << "Image1" << "Form4" << QRect(24, 144, 468, 314);
    QTest::newRow("Form4 Command1") << "Form4" << "Command1" << "Form4" << QRect(512, 416, 73, 41);
}

void TestInfoWindows::controlPlaces()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, container);
    QFETCH(QRect, place);

    QWidget *opened = open(window);
    QVERIFY(opened);
    QWidget *found = find<QWidget>(opened, control);
    QVERIFY(found);
    QCOMPARE(found->parentWidget()->objectName(), container);
    QCOMPARE(found->geometry(), place);
    QVERIFY(found->isVisible());
}

void TestInfoWindows::texts_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("length"); // in characters
    QTest::newRow("explanation") << "Form1" << explanation << 157;
    QTest::newRow("about") << "Dialog" << about << 115;
    QTest::newRow("notes") << "Form4" << notes << 200;
}

void TestInfoWindows::texts()
{
    QFETCH(QString, window);
    QFETCH(QString, text);
    QFETCH(int, length);
    QCOMPARE(text.toUcs4().size(), length);

    // Label1 shows the whole text, as plain text, within its rectangle.
    QWidget *opened = open(window);
    QVERIFY(opened);
    auto *label = find<QLabel>(opened, QStringLiteral("Label1"));
    QCOMPARE(label->text(), text);
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QVERIFY(label->wordWrap());
    QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
             qPrintable(QStringLiteral("needs %1 px").arg(label->heightForWidth(label->width()))));
}

void TestInfoWindows::labelLooks()
{
    // The about text is blue; the notes are in 宋体 10.5 pt (14 px).
    QWidget *about = open(QStringLiteral("Dialog"));
    QVERIFY(about);
    const QPalette palette = find<QLabel>(about, QStringLiteral("Label1"))->palette();
    QCOMPARE(palette.color(QPalette::Active, QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(palette.color(QPalette::Inactive, QPalette::WindowText), QColor(0, 0, 255));

    QWidget *notesWindow = open(QStringLiteral("Form4"));
    QVERIFY(notesWindow);
    const QFont font = find<QLabel>(notesWindow, QStringLiteral("Label1"))->font();
    QCOMPARE(font.family(), QStringLiteral("宋体"));
    QCOMPARE(font.pixelSize(), 14);
}

void TestInfoWindows::figureIsTheBackground()
{
    const QImage picture = rgb32(QImage(QStringLiteral(":/pictures/section-types.png")));
    QCOMPARE(picture.size(), QSize(888, 537));

    // At the start size the window shows the picture from its top-left
    // corner, all but the last column.
    QWidget *figure = open(QStringLiteral("Form3"));
    QVERIFY(figure);
    QVERIFY(QTest::qWaitForWindowExposed(figure));
    QVERIFY(figure->findChildren<QWidget *>().isEmpty());
    QCOMPARE(rgb32(figure->grab().toImage()), picture.copy(0, 0, 887, 537));

    // Widened, it shows the whole picture at its own size, and the
    // background colour beyond it.
    figure->resize(920, 560);
    const QImage shown = rgb32(figure->grab().toImage());
    QCOMPARE(shown.copy(0, 0, 888, 537), picture);
    const QColor background = figure->palette().color(QPalette::Window);
    for (const QPoint &beyond : {QPoint(888, 0), QPoint(919, 300), QPoint(0, 537), QPoint(919, 559)})
        QCOMPARE(shown.pixelColor(beyond), background);
}

void TestInfoWindows::notesPicture()
{
    const QImage picture = rgb32(QImage(QStringLiteral(":/pictures/hollow-slab.png")));
    QCOMPARE(picture.size(), QSize(468, 314));

    // Image1 shows the hollow slab at its own size and keeps its place when
    // the window is enlarged.
    QWidget *notesWindow = open(QStringLiteral("Form4"));
    QVERIFY(notesWindow);
    auto *image = find<QLabel>(notesWindow, QStringLiteral("Image1"));
    QVERIFY(!image->hasScaledContents());
    QCOMPARE(rgb32(image->pixmap().toImage()), picture);
    QCOMPARE(rgb32(image->grab().toImage()), picture);
    notesWindow->resize(900, 700);
    QCOMPARE(image->geometry(), QRect(24, 144, 468, 314));
    QCOMPARE(rgb32(image->grab().toImage()), picture);
}

QTEST_MAIN(TestInfoWindows)
#include "test_info_windows.moc"
