#pragma once

#include "common/windows.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QPushButton;

// The explanation window: what the program is based on and what it
// computes.
class Form1 : public windows::Form<Form1>
{
    Q_OBJECT

public:
    Form1();

private:
    void Command1_Click();

    QGroupBox *Frame1 = nullptr; // the border around the text
    QLabel *Label1 = nullptr;
    QPushButton *Command1 = nullptr;
};
