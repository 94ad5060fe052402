#include "info/form4.h"

#include "common/controls.h"
#include "info/fixedtext.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

using controls::make;
using controls::twips;

Form4::Form4()
{
    const QString song = QStringLiteral("宋体");
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("相关说明"));

    Label1 = make<QLabel>(this, QStringLiteral("Label1"), twips(360, 360, 8295, 1455));
    Label1->setText(info::fixedText(QStringLiteral(":/texts/parameter-notes.txt")));
    Label1->setFont(controls::font(song, 10.5));

    Image1 = make<QLabel>(this, QStringLiteral("Image1"), twips(360, 2160, 7020, 4710));
    Image1->setWordWrap(false);
    Image1->setPixmap(QPixmap(QStringLiteral(":/pictures/hollow-slab.png")));

    Command1 = make<QPushButton>(this, QStringLiteral("Command1"), twips(7680, 6240, 1095, 615), QStringLiteral("返回"));
    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);

    resize(twips(0, 0, 8940, 7110).size());
}

void Form4::Command1_Click() { windows::unload<Form4>(); }
