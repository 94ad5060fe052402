#include "section/form2.h"

#include "impact/velmaric.h"
#include "info/form3.h"
#include "info/form4.h"
#include "section/properties.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

using controls::elementName;
using controls::make;
using controls::rgb;
using controls::twips;

namespace {

const QString song = QStringLiteral("宋体");

QString messageOf(section::Failure failure)
{
    switch (failure) {
    case section::Failure::ZeroArea:
        return QStringLiteral("截面面积为零，请输入截面尺寸！");
    case section::Failure::VoidCount:
        return QStringLiteral("空洞个数超出范围，请重新输入！");
    case section::Failure::OutOfRange:
        break;
    }
    return QStringLiteral("数值超出范围，请检查输入！");
}

} // namespace

Form2::Form2()
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("截面特性计算"));

    client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    QWidget *w = client;

    Label1 = make<controls::MessageLine>(w, QStringLiteral("Label1"), twips(600, 240, 8415, 375),
                                         QStringLiteral("         如对系数意义不清楚，请在计算前先查看帮助！"));
    Label1->setWordWrap(false);
    Label1->setFont(controls::font(song, 12, true));
    controls::setTextColour(Label1, rgb(255, 0, 0));

    Frame1 = make<QGroupBox>(w, QStringLiteral("Frame1"), twips(480, 600, 3975, 615), QStringLiteral("截面形式选择"));
    const QStringList types = {QStringLiteral("矩形、T形、工字形截面"), QStringLiteral("空心板")};
    const QRect typePlaces[] = {twips(240, 240, 2295, 255), twips(2640, 240, 1095, 255)};
    for (int i = 0; i < 2; ++i) {
        Option1[i] = make<controls::OptionButton>(Frame1, elementName("Option1", i), typePlaces[i], types[i]);
        connect(Option1[i], &controls::OptionButton::clicked, this, [this, i] { Option1_Click(i); });
    }
    Option1[0]->setChecked(true);
    controls::group(this, Option1);

    Frame2 = make<QGroupBox>(w, QStringLiteral("Frame2"), twips(480, 1440, 3975, 3735),
                             QStringLiteral("矩形、T形、工字形截面"));
    // The runs of blanks push each symbol to the right end of its label, or
    // onto the label's next line beside the box.
    const QStringList girderCaptions = {
        QStringLiteral("上翼缘或顶板宽度     BS＝"),
        QStringLiteral("上翼缘或顶板平均厚度 HS＝"),
        QStringLiteral("下翼缘或底板宽度     BX="),
        QStringLiteral("下翼缘或底板厚度     HX＝"),
        QStringLiteral("肋宽或箱形截面两个最     外侧腹板宽度之和     B1＝"),
        QStringLiteral("多室箱形室与室之间的     腹板宽度之和         B2＝"),
        QStringLiteral("肋或腹板高度         HF＝"),
    };
    const QRect girderCaptionPlaces[] = {
        twips(120, 360, 2415, 255),  twips(120, 840, 2415, 255),  twips(120, 1320, 2175, 255),
        twips(120, 1800, 2415, 255), twips(120, 2160, 2415, 615), twips(120, 2640, 2415, 495),
        twips(120, 3240, 2415, 255),
    };
    const int girderTops[] = {360, 840, 1320, 1800, 2280, 2760, 3240};
    for (int i = 0; i < 7; ++i) {
        Label2[i] = make<QLabel>(Frame2, elementName("Label2", i), girderCaptionPlaces[i], girderCaptions[i]);
        Text1[i] = make<QLineEdit>(Frame2, elementName("Text1", i), twips(2520, girderTops[i], 1335, 270));
    }

    Frame3 = make<QGroupBox>(w, QStringLiteral("Frame3"), twips(4680, 600, 3855, 3255), QStringLiteral("空心板"));
    const QStringList slabCaptions = {
        QStringLiteral("空心板的宽度       B="),   QStringLiteral("空心板的厚度       H="),
        QStringLiteral("挖空部分圆直径     D="),   QStringLiteral("空洞中间直线高度  H1="),
        QStringLiteral("空洞间间隔厚度之和BF="), QStringLiteral("空洞个数           N="),
    };
    const int slabCaptionWidths[] = {1935, 1935, 1935, 2055, 2055, 2055};
    for (int i = 0; i < 6; ++i) {
        const int top = 360 + 480 * i;
        Label3[i] = make<QLabel>(Frame3, elementName("Label3", i), twips(240, top, slabCaptionWidths[i], 255),
                                 slabCaptions[i]);
        Text2[i] = make<QLineEdit>(Frame3, elementName("Text2", i), twips(2280, top, 1215, 270));
        Text2[i]->setEnabled(false);
    }

    const QStringList headings = {QStringLiteral("截面面积(m2)"), QStringLiteral("截面惯矩(m4)")};
    const QRect headingPlaces[] = {twips(4800, 4200, 1335, 255), twips(6840, 4200, 1335, 255)};
    const QRect resultPlaces[] = {twips(4680, 4560, 1455, 375), twips(6720, 4560, 1455, 375)};
    for (int i = 0; i < 2; ++i) {
        Label4[i] = make<QLabel>(w, elementName("Label4", i), headingPlaces[i], headings[i]);
        Label4[i]->setFont(controls::font(song, 10.5));
        Text3[i] = make<QLineEdit>(w, elementName("Text3", i), resultPlaces[i]);
    }

    Command1 = make<QPushButton>(w, QStringLiteral("Command1"), twips(1800, 5760, 1695, 495), QStringLiteral("计算"));
    Command2 = make<QPushButton>(w, QStringLiteral("Command2"), twips(5040, 5760, 1695, 495), QStringLiteral("确认"));
    for (QPushButton *button : {Command1, Command2})
        button->setFont(controls::font(song, 12));
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);

    const QList<QWidget *> tabOrder = {
        Command1, Command2, Option1[0], Option1[1], Text1[0], Text1[1], Text1[2], Text1[3], Text1[4],
        Text1[5], Text1[6], Text2[0], Text2[1], Text2[2], Text2[3], Text2[4], Text2[5], Text3[0], Text3[1],
    };
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    mnuHELP1 = menuBar()->addMenu(QStringLiteral("帮助（&B）"));
    mnuHELP1->setObjectName(QStringLiteral("mnuHELP1"));
    mnuHELP2 = mnuHELP1->addAction(QStringLiteral("截面类型…"), this, &Form2::mnuHELP2_Click);
    mnuHELP2->setObjectName(QStringLiteral("mnuHELP2"));
    mnushuo = mnuHELP1->addAction(QStringLiteral("相关说明…"), this, &Form2::mnushuo_Click);
    mnushuo->setObjectName(QStringLiteral("mnushuo"));

    resize(603, 441 + menuBar()->sizeHint().height());
    Command1->setFocus();
}

void Form2::closeEvent(QCloseEvent *event)
{
    windows::show<Velmaric>();
    Form::closeEvent(event);
}

void Form2::Option1_Click(int)
{
    const bool girder = Option1[0]->isChecked();
    for (QLineEdit *box : Text2)
        box->setEnabled(!girder);
    for (QLineEdit *box : Text1)
        box->setEnabled(girder);
}

void Form2::Command1_Click()
{
    section::Inputs inputs;
    inputs.type = Option1[0]->isChecked() ? section::SectionType::Girder : section::SectionType::HollowSlab;
    for (std::size_t i = 0; i < Text1.size(); ++i)
        inputs.girder[i] = Text1[i]->text().toStdString();
    for (std::size_t i = 0; i < Text2.size(); ++i)
        inputs.slab[i] = Text2[i]->text().toStdString();

    const section::Result<section::Results> outcome = section::compute(inputs);
    if (const auto *failure = std::get_if<section::Failure>(&outcome)) {
        Label1->setText(messageOf(*failure));
        return;
    }
    const section::Results &results = std::get<section::Results>(outcome);
    controls::setBoxNumber(Text3[0], results.area);
    controls::setBoxNumber(Text3[1], results.secondMoment);
    controls::setBoxNumber(windows::ref<Velmaric>().text1(1), results.secondMoment);
    controls::setBoxNumber(windows::ref<Velmaric>().text1(3), results.weight);
    Label1->setText(QStringLiteral("计算完成，相应参数值已输入文本框，请按确认键返回冲击系数计算界面！"));
}

void Form2::Command2_Click()
{
    windows::show<Velmaric>();
    windows::unload<Form2>();
}

void Form2::mnuHELP2_Click() { windows::show<Form3>(); }

void Form2::mnushuo_Click() { windows::show<Form4>(); }
