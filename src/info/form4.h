#pragma once

#include "common/windows.h"

#include <QWidget>

class QLabel;
class QPushButton;

// Notes on filling in the section window's inputs, with a figure of the
// hollow slab.
class Form4 : public windows::Form<Form4>
{
    Q_OBJECT

public:
    Form4();

private:
    void Command1_Click();

    QLabel *Label1 = nullptr; // the notes
    QLabel *Image1 = nullptr; // the hollow-slab picture at its own size
    QPushButton *Command1 = nullptr;
};
