#include "common/controls.h"

#include "common/numeric.h"

#include <QAbstractButton>
#include <QPainter>
#include <QPalette>

#include <cmath>

namespace controls {

QFont font(const QString &family, double points, bool bold)
{
    QFont f(family);
    f.setPixelSize(int(std::lround(points * 96 / 72)));
    f.setWeight(bold ? QFont::Bold : QFont::Normal);
    f.setItalic(false);
    f.setUnderline(false);
    // The CJK faces read as well unhinted at these sizes, and hinting them
    // makes the first paint fault in a large part of each font file.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

void setTextColour(QWidget *control, QColor colour)
{
    QPalette palette = control->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, colour);
        palette.setColor(group, QPalette::ButtonText, colour);
        palette.setColor(group, QPalette::Text, colour);
    }
    control->setPalette(palette);
}

void setBoxColour(QLineEdit *box, QColor colour)
{
    QPalette palette = box->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, colour);
    box->setPalette(palette);
}

void setBoxNumber(QLineEdit *box, double value)
{
    box->setText(QString::fromStdString(numeric::numericOutput(value)));
    box->setCursorPosition(0);
}

QString elementName(const char *array, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

void setCaption(QWidget *control, const QString &text)
{
    if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        button->setText(text);
    else if (auto *frame = qobject_cast<QGroupBox *>(control))
        frame->setTitle(text);
    else if (auto *box = qobject_cast<QLineEdit *>(control))
        box->setText(text);
}

QFont MessageLine::fittedFont() const
{
    QFont f = font();
    int size = f.pixelSize() > 0 ? f.pixelSize() : QFontInfo(f).pixelSize();
    const int room = contentsRect().width();
    for (; size > 6; --size) {
        f.setPixelSize(size);
        if (QFontMetrics(f).horizontalAdvance(text()) <= room)
            break;
    }
    return f;
}

void MessageLine::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(fittedFont());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                   QPalette::WindowText));
    painter.drawText(contentsRect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text());
}

} // namespace controls
