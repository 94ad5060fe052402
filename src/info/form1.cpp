#include "info/form1.h"

#include "common/controls.h"
#include "info/fixedtext.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using controls::make;
using controls::twips;

Form1::Form1()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("说明"));

    Frame1 = make<QGroupBox>(this, QStringLiteral("Frame1"), twips(120, 240, 4935, 1695));
    Label1 = make<QLabel>(Frame1, QStringLiteral("Label1"), twips(360, 240, 4455, 1335));
    Label1->setText(info::fixedText(QStringLiteral(":/texts/explanation.txt")));
    Command1 = make<QPushButton>(this, QStringLiteral("Command1"), twips(4200, 1920, 975, 375), QStringLiteral("关闭"));
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);

    resize(twips(0, 0, 5265, 2280).size());
}

void Form1::Command1_Click() { windows::unload<Form1>(); }
