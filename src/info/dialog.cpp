#include "info/dialog.h"

#include "common/controls.h"
#include "info/fixedtext.h"

#include <QLabel>
#include <QPushButton>

using controls::make;
using controls::twips;

Dialog::Dialog()
{
    setObjectName(QStringLiteral("Dialog"));
    setWindowTitle(QStringLiteral("关于…"));
    // A tool window is not listed in the task bar; it gets a title bar and a
    // close box but no minimise or maximise box.
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    Label1 = make<QLabel>(this, QStringLiteral("Label1"), twips(120, 120, 4695, 1095));
    Label1->setText(info::fixedText(QStringLiteral(":/texts/about.txt")));
    controls::setTextColour(Label1, controls::rgb(0, 0, 255));
    Command1 = make<QPushButton>(this, QStringLiteral("Command1"), twips(4200, 960, 855, 375), QStringLiteral("关闭"));
    connect(Command1, &QPushButton::clicked, this, &Dialog::Command1_Click);

    // The client area opens at a fixed place on the screen and keeps its size.
    setGeometry(twips(2760, 3750, 5010, 1290));
    setFixedSize(size());
}

void Dialog::Command1_Click() { windows::unload<Dialog>(); }
