#include "impact/velmaric.h"

#include "impact/formulas.h"
#include "info/dialog.h"
#include "info/form1.h"
#include "section/form2.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>

using controls::elementName;
using controls::make;
using controls::rgb;
using controls::twips;

namespace {

const QColor windowGrey = rgb(192, 192, 192);
const QColor blue = rgb(0, 0, 255);

const QString song = QStringLiteral("宋体");

// The background of a text box that is not locked.
QColor boxBackground() { return QApplication::palette().color(QPalette::Active, QPalette::Base); }

QString messageOf(impact::Failure failure)
{
    switch (failure) {
    case impact::Failure::Grade:
        return QStringLiteral("您输入的混凝土标号有误！请重新输入。");
    case impact::Failure::ZeroSpan:
        return QStringLiteral("计算跨径不能为零！");
    case impact::Failure::ZeroMass:
        return QStringLiteral("延米重量不能为零！");
    case impact::Failure::NegativeRadicand:
        return QStringLiteral("根号下为负值，请检查输入！");
    case impact::Failure::ArchDenominatorZero:
        return QStringLiteral("拱的频率系数分母为零，请检查输入！");
    case impact::Failure::SuspensionMassZero:
        return QStringLiteral("桥面系与主缆延米质量之和为零！");
    case impact::Failure::OutOfRange:
        break;
    }
    return QStringLiteral("数值超出范围，请检查输入！");
}

QString messageOf(impact::BridgeType type)
{
    switch (type) {
    case impact::BridgeType::SimpleBeam:
        return QStringLiteral("您计算的是简支梁桥冲击系数！");
    case impact::BridgeType::ContinuousBeam:
        return QStringLiteral("您计算的是连续梁桥冲击系数！");
    case impact::BridgeType::Arch:
        return QStringLiteral("您计算的是拱桥冲击系数！");
    case impact::BridgeType::CableStayed:
        return QStringLiteral("您计算的是双塔斜拉桥冲击系数！");
    case impact::BridgeType::Suspension:
        break;
    }
    return QStringLiteral("您计算的是悬索桥冲击系数！");
}

std::optional<std::string> textIfEnabled(const QLineEdit *box)
{
    if (!box->isEnabled())
        return std::nullopt;
    return box->text().toStdString();
}

} // namespace

Velmaric::Velmaric()
{
    setObjectName(QStringLiteral("Velmaric"));
    setWindowTitle(QStringLiteral("冲击系数计算"));
    QPalette grey = palette();
    grey.setColor(QPalette::Window, windowGrey);
    setPalette(grey);
    setAutoFillBackground(true);

    client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    QWidget *w = client;

    Image1 = make<QLabel>(w, QStringLiteral("Image1"), twips(720, 600, 1785, 1215));
    Image1->setPixmap(QPixmap(QStringLiteral(":/pictures/arch-bridge.png")));
    Image1->setWordWrap(false);

    const QStringList sections = {QStringLiteral("主拱等截面"), QStringLiteral("主拱变截面")};
    const QRect sectionPlaces[] = {twips(3360, 600, 2175, 375), twips(4800, 600, 1455, 375)};
    for (int i = 0; i < 2; ++i) {
        Option2[i] = make<controls::OptionButton>(w, elementName("Option2", i), sectionPlaces[i], sections[i]);
        Option2[i]->setFont(controls::font(song, 10.5));
        controls::setTextColour(Option2[i], blue);
        Option2[i]->setEnabled(false);
        connect(Option2[i], &controls::OptionButton::clicked, this, [this, i] { Option2_Click(i); });
    }
    Option2[0]->setChecked(true);
    // The arch section is chosen independently of the bridge type.
    controls::group(this, Option2);

    Label7 = make<QLabel>(w, QStringLiteral("Label7"), twips(6360, 600, 615, 375), QStringLiteral("主拱矢跨比"));
    Label7->hide();
    Text5 = make<QLineEdit>(w, QStringLiteral("Text5"), twips(6960, 600, 615, 375), QStringLiteral(" "));
    Text5->hide();
    Text5->setEnabled(false);
    Label6 = make<QLabel>(w, QStringLiteral("Label6"), twips(7680, 600, 735, 495), QStringLiteral("拱厚变化系数"));
    Label6->setFont(controls::font(song, 10.5));
    Label6->hide();
    Text4 = make<QLineEdit>(w, QStringLiteral("Text4"), twips(8400, 600, 615, 390));
    Text4->hide();
    Text4->setEnabled(false);

    const QStringList inputCaptions = {QStringLiteral("砼标号 C"), QStringLiteral("计算跨径L(m)"),
                                       QStringLiteral("截面惯矩Ic(m4)"), QStringLiteral("延米重量(kN/m)")};
    const QRect captionPlaces[] = {twips(3360, 1200, 1455, 375), twips(3240, 1920, 2175, 375),
                                   twips(6240, 1200, 2175, 375), twips(6240, 1920, 2175, 375)};
    const QRect inputPlaces[] = {twips(4800, 1200, 1095, 315), twips(7920, 1200, 1095, 315),
                                 twips(4800, 1920, 1095, 315), twips(7920, 1920, 1095, 315)};
    for (int i = 0; i < 4; ++i) {
        label1[i] = make<QLabel>(w, elementName("label1", i), captionPlaces[i], inputCaptions[i]);
        label1[i]->setFont(controls::font(song, 12));
        Text1[i] = make<QLineEdit>(w, elementName("Text1", i), inputPlaces[i]);
        Text1[i]->setFont(controls::font(song, 10.5));
    }

    Frame1 = make<QGroupBox>(w, QStringLiteral("Frame1"), twips(360, 1800, 2655, 4095), QStringLiteral("桥型选择"));
    Frame1->setFont(controls::font(QStringLiteral("楷体_GB2312"), 14.25));
    controls::setTextColour(Frame1, blue);
    const QStringList types = {QStringLiteral("简 支 梁 桥"), QStringLiteral("连 续 梁 桥"), QStringLiteral("拱 桥"),
                               QStringLiteral("双 塔 斜 拉 桥"), QStringLiteral("单跨简支悬索桥")};
    const QRect typePlaces[] = {twips(240, 480, 2295, 615), twips(240, 1200, 2055, 615),
                                twips(240, 1920, 2055, 615), twips(240, 2640, 2175, 615),
                                twips(240, 3360, 2175, 615)};
    for (int i = 0; i < 5; ++i) {
        Option1[i] = make<controls::OptionButton>(Frame1, elementName("Option1", i), typePlaces[i], types[i]);
        Option1[i]->setFont(controls::font(QStringLiteral("仿宋_GB2312"), 12));
        // Only the frame's caption is blue.
        controls::setTextColour(Option1[i], QApplication::palette().color(QPalette::WindowText));
        connect(Option1[i], &controls::OptionButton::clicked, this, [this, i] { Option1_Click(i); });
    }
    Option1[0]->setChecked(true);
    controls::group(this, Option1);

    const QStringList suspensionCaptions = {QStringLiteral("加劲梁竖弯刚度(N.m2)"), QStringLiteral("单根主缆水平拉力(N)"),
                                            QStringLiteral("桥面系延米质量(kg/m)"), QStringLiteral("单根主缆延米质量(kg/m)")};
    const QRect suspensionCaptionPlaces[] = {twips(3360, 2400, 975, 495), twips(5760, 2400, 975, 495),
                                             twips(3360, 2880, 975, 495), twips(5760, 2880, 1215, 495)};
    const QRect suspensionPlaces[] = {twips(4320, 2400, 975, 375), twips(6960, 2400, 975, 375),
                                      twips(4320, 2880, 975, 375), twips(6960, 2880, 975, 375)};
    for (int i = 0; i < 4; ++i) {
        Label3[i] = make<QLabel>(w, elementName("Label3", i), suspensionCaptionPlaces[i], suspensionCaptions[i]);
        Label3[i]->hide();
        Text2[i] = make<QLineEdit>(w, elementName("Text2", i), suspensionPlaces[i], QStringLiteral(" "));
        Text2[i]->hide();
    }
    controls::setBoxColour(Text2[0], rgb(255, 255, 255));
    Text2[1]->setEnabled(false);
    Text2[2]->setEnabled(false);

    Label2 = make<controls::MessageLine>(w, QStringLiteral("Label2"), twips(3360, 3480, 4935, 375),
                                         QStringLiteral("您计算的是简支梁桥冲击系数！"));
    Label2->setWordWrap(false);
    Label2->setFont(controls::font(song, 14.25));
    controls::setTextColour(Label2, rgb(255, 0, 0));
    Label2->hide();

    Frame2 = make<QGroupBox>(w, QStringLiteral("Frame2"), twips(3120, 3840, 5295, 2055));
    const QStringList headings = {QStringLiteral("结构基频f1"), QStringLiteral("结构基频f2"),
                                  QStringLiteral("冲击系数"), QStringLiteral("冲击系数")};
    const QRect headingPlaces[] = {twips(840, 480, 1095, 255), twips(840, 1320, 1095, 255),
                                   twips(3240, 480, 1095, 255), twips(3240, 1320, 1095, 255)};
    const QRect resultPlaces[] = {twips(720, 840, 1575, 375), twips(720, 1560, 1575, 375),
                                  twips(3120, 840, 1575, 375), twips(3120, 1560, 1575, 375)};
    for (int i = 0; i < 4; ++i) {
        Label4[i] = make<QLabel>(Frame2, elementName("Label4", i), headingPlaces[i], headings[i]);
        Label4[i]->setFont(controls::font(song, 10.5));
        Text3[i] = make<QLineEdit>(Frame2, elementName("Text3", i), resultPlaces[i]);
        Text3[i]->setFont(controls::font(song, 10.5));
    }
    const QStringList rowCaptions = {QStringLiteral("正弯矩效应"), QStringLiteral("负弯矩效应")};
    const QRect rowCaptionPlaces[] = {twips(120, 840, 615, 375), twips(120, 1560, 615, 375)};
    for (int i = 0; i < 2; ++i) {
        Label5[i] = make<QLabel>(Frame2, elementName("Label5", i), rowCaptionPlaces[i], rowCaptions[i]);
        controls::setTextColour(Label5[i], blue);
        Label5[i]->hide();
    }
    for (int i : {1, 3}) {
        Label4[i]->hide();
        Text3[i]->hide();
        Text3[i]->setEnabled(false);
    }

    Command4 = make<QPushButton>(w, QStringLiteral("Command4"), twips(600, 6120, 2175, 495), QStringLiteral("截面特性计算"));
    Command1[0] = make<QPushButton>(w, elementName("Command1", 0), twips(3240, 6120, 1455, 495), QStringLiteral("计算"));
    Command2 = make<QPushButton>(w, QStringLiteral("Command2"), twips(5040, 6120, 1455, 495), QStringLiteral("清零"));
    Command3 = make<QPushButton>(w, QStringLiteral("Command3"), twips(6840, 6120, 1335, 495), QStringLiteral("退出"));
    for (QPushButton *button : {Command4, Command1[0], Command2, Command3}) {
        button->setFont(controls::font(song, 12));
        button->setAutoDefault(false); // Enter and Esc press no button
    }
    QPalette light = Command1[0]->palette();
    light.setColor(QPalette::Button, rgb(224, 224, 224));
    Command1[0]->setPalette(light);
    connect(Command1[0], &QPushButton::clicked, this, [this] { Command1_Click(0); });
    connect(Command2, &QPushButton::clicked, this, &Velmaric::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Velmaric::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Velmaric::Command4_Click);

    // Boxes, option buttons, buttons and frames lie above the labels and the
    // picture where they overlap.
    for (QLabel *label : w->findChildren<QLabel *>())
        label->lower();

    // The Tab key visits the controls in this order; Qt skips the hidden and
    // disabled ones, and each option group stops at its selected element.
    const QList<QWidget *> tabOrder = {
        Option1[0], Option1[1], Option1[2], Option1[3], Option1[4], Text1[0], Text1[1], Text1[2],
        Text1[3], Command1[0], Option2[0], Option2[1], Text2[0], Text2[1], Text2[2], Text2[3],
        Text3[0], Text3[1], Text4, Command2, Command3, Text3[2], Text3[3], Text5, Command4,
    };
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    mnuHELP = menuBar()->addMenu(QStringLiteral("帮助(&H)"));
    mnuHELP->setObjectName(QStringLiteral("mnuHELP"));
    mnushuoming = mnuHELP->addAction(QStringLiteral("说明…"), this, &Velmaric::mnushuoming_Click);
    mnushuoming->setObjectName(QStringLiteral("mnushuoming"));
    mnuabout = mnuHELP->addAction(QStringLiteral("关于…"), this, &Velmaric::mnuabout_Click);
    mnuabout->setObjectName(QStringLiteral("mnuabout"));

    resize(626, 469 + menuBar()->sizeHint().height());
    Option1[0]->setFocus();
}

void Velmaric::closeEvent(QCloseEvent *event)
{
    // The main window's close box ends the program, like "退出".
    Form::closeEvent(event);
    if (event->isAccepted())
        windows::end();
}

void Velmaric::showMessage(const QString &text)
{
    Label2->setVisible(true);
    Label2->setText(text);
}

void Velmaric::Command1_Click(int)
{
    impact::Inputs inputs;
    const impact::BridgeType types[] = {impact::BridgeType::SimpleBeam, impact::BridgeType::ContinuousBeam,
                                        impact::BridgeType::Arch, impact::BridgeType::CableStayed,
                                        impact::BridgeType::Suspension};
    for (int i = 0; i < 5; ++i)
        if (Option1[i]->isChecked())
            inputs.type = types[i];
    inputs.grade = textIfEnabled(Text1[0]);
    inputs.secondMoment = textIfEnabled(Text1[1]);
    inputs.span = textIfEnabled(Text1[2]);
    inputs.weight = textIfEnabled(Text1[3]);
    inputs.riseRatio = Text5->text().toStdString();
    inputs.section = Option2[0]->isChecked() ? impact::ArchSection::Constant : impact::ArchSection::Variable;
    inputs.thickness = Text4->text().toStdString();
    for (int i = 0; i < 4; ++i)
        inputs.suspension[i] = Text2[i]->text().toStdString();

    const impact::Result<impact::Results> outcome = impact::compute(inputs);
    if (const auto *failure = std::get_if<impact::Failure>(&outcome)) {
        showMessage(messageOf(*failure));
        return;
    }
    const impact::Results &results = std::get<impact::Results>(outcome);
    controls::setBoxNumber(Text3[0], results.f1);
    controls::setBoxNumber(Text3[2], results.mu1);
    if (results.f2 && results.mu2) {
        controls::setBoxNumber(Text3[1], *results.f2);
        controls::setBoxNumber(Text3[3], *results.mu2);
    }
    showMessage(messageOf(inputs.type));
}

void Velmaric::Command2_Click()
{
    for (const auto *boxes : {&Text1, &Text2, &Text3})
        for (QLineEdit *box : *boxes)
            box->clear();
    Text4->clear();
    Text5->clear();
    Label2->setVisible(false);
}

void Velmaric::Command3_Click() { windows::end(); }

void Velmaric::Command4_Click()
{
    windows::show<Form2>();
    windows::hide<Velmaric>();
}

void Velmaric::Option1_Click(int)
{
    // The result rows: a second row, with row captions, for the continuous
    // beam and the cable-stayed bridge.
    const bool continuous = Option1[1]->isChecked();
    const bool twoRows = continuous || Option1[3]->isChecked();
    if (twoRows) {
        Label5[0]->setText(continuous ? QStringLiteral("正弯矩效应") : QStringLiteral("有辅助墩"));
        Label5[1]->setText(continuous ? QStringLiteral("负弯矩效应") : QStringLiteral("无辅助墩"));
    }
    for (QWidget *control : {static_cast<QWidget *>(Label5[0]), static_cast<QWidget *>(Label5[1]),
                             static_cast<QWidget *>(Label4[1]), static_cast<QWidget *>(Label4[3])})
        control->setVisible(twoRows);
    for (int i : {1, 3}) {
        Text3[i]->setEnabled(twoRows);
        Text3[i]->setVisible(twoRows);
    }

    // The arch inputs.
    const bool arch = Option1[2]->isChecked();
    Option2[0]->setEnabled(arch);
    Option2[1]->setEnabled(arch);
    Label7->setVisible(arch);
    Text5->setEnabled(arch);
    Text5->setVisible(arch);

    showThicknessCoefficient();

    // Grade, second moment of area and weight per metre are locked for the
    // cable-stayed and suspension bridges, which do not use them.
    const bool suspension = Option1[4]->isChecked();
    const bool locked = Option1[3]->isChecked() || suspension;
    for (int i : {0, 1, 3}) {
        Text1[i]->setEnabled(!locked);
        controls::setBoxColour(Text1[i], locked ? windowGrey : boxBackground());
    }
    for (int i = 0; i < 4; ++i) {
        Label3[i]->setVisible(suspension);
        Text2[i]->setVisible(suspension);
        Text2[i]->setEnabled(suspension);
    }
}

void Velmaric::Option2_Click(int) { showThicknessCoefficient(); }

void Velmaric::showThicknessCoefficient()
{
    // The thickness coefficient counts for a variable-section arch only.
    const bool variable = Option2[1]->isChecked() && Option2[1]->isEnabled();
    Label6->setVisible(variable);
    Text4->setEnabled(variable);
    Text4->setVisible(variable);
}

void Velmaric::mnushuoming_Click() { windows::show<Form1>(); }

void Velmaric::mnuabout_Click() { windows::show<Dialog>(); }
