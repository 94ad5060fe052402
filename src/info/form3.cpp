#include "info/form3.h"

#include "common/controls.h"

#include <QPainter>

using controls::twips;

Form3::Form3() : picture(QStringLiteral(":/pictures/section-types.png"))
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("截面类型"));
    resize(twips(0, 0, 13305, 8055).size());
}

void Form3::paintEvent(QPaintEvent *)
{
    // Beyond the picture an enlarged window shows its background colour.
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture);
}
