#pragma once

#include "common/windows.h"

#include <QWidget>

class QLabel;
class QPushButton;

// The about window: the program's title, version and maker. A fixed-size
// window with a close box only, kept out of the task bar.
class Dialog : public windows::Form<Dialog>
{
    Q_OBJECT

public:
    Dialog();

private:
    void Command1_Click();

    QLabel *Label1 = nullptr;
    QPushButton *Command1 = nullptr; // lies over the label's lower right corner
};
