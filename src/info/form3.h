#pragma once

#include "common/windows.h"

#include <QPixmap>
#include <QWidget>

// The figure of the girder section types with the symbols of the section
// window's inputs. It has no controls; it closes by its close box.
class Form3 : public windows::Form<Form3>
{
    Q_OBJECT

public:
    Form3();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The window's background picture, drawn at its own size from the
    // client area's top-left corner; one column wider than the client area
    // at the start size.
    QPixmap picture;
};
