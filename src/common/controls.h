#pragma once

// Small helpers that build a window's controls at fixed places. Layouts are
// given in twips, as the program's windows were designed, at 15 twips to a
// pixel.

#include <QColor>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRect>
#include <QString>
#include <QWidget>

#include <limits>
#include <type_traits>

namespace controls {

constexpr int twipsPerPixel = 15;

constexpr int pixels(int twips) { return twips / twipsPerPixel; }

constexpr QRect twips(int left, int top, int width, int height)
{
    return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
}

// A font by family name and size in points, laid out at 96 pixels per inch
// (10.5 pt is 14 px, 12 pt is 16 px) so that it matches the fixed layout.
QFont font(const QString &family, double points, bool bold = false);

// Colours of the window descriptions.
constexpr QColor rgb(int red, int green, int blue) { return QColor(red, green, blue); }

// Caption text colour of a label, option button or frame; disabled
// controls keep the style's greyed text.
void setTextColour(QWidget *control, QColor colour);

// Background of a text box, enabled or not.
void setBoxColour(QLineEdit *box, QColor colour);

// Writes a number into a box as the program writes numbers, shown from its
// first digit: a long number that does not fit the box loses its end from
// view, never its leading digits or sign.
void setBoxNumber(QLineEdit *box, double value);

// The name of element index of a control array, as in "Text1(3)".
QString elementName(const char *array, int index);

// The caption of a control: a label's or button's text, a frame's title or a
// box's text.
void setCaption(QWidget *control, const QString &text);

// Creates a control of kind T in parent, with its name, place and caption.
template <class T>
T *make(QWidget *parent, const QString &name, QRect geometry, const QString &caption = {})
{
    auto *control = new T(parent);
    control->setObjectName(name);
    control->setGeometry(geometry);
    if (!caption.isEmpty())
        setCaption(control, caption);
    if constexpr (std::is_base_of_v<QLineEdit, T>)
        control->setMaxLength(std::numeric_limits<int>::max()); // boxes have no length limit
    if constexpr (std::is_base_of_v<QLabel, T>) {
        // Captions start at the top-left corner and break at the width.
        control->setTextFormat(Qt::PlainText);
        control->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        control->setWordWrap(true);
    }
    return control;
}

// A one-line message label that shows its whole text: when the text does
// not fit the label's width at the label's font, it is drawn in the largest
// smaller size that fits.
class MessageLine : public QLabel
{
public:
    using QLabel::QLabel;

    // The font the text is drawn in.
    QFont fittedFont() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace controls
