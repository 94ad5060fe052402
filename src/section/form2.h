#pragma once

#include "common/controls.h"
#include "common/options.h"
#include "common/windows.h"

#include <QMainWindow>

#include <array>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

// The section property window: area and second moment of area of a girder
// section or a hollow slab, handed back to the main window's inputs.
class Form2 : public windows::Form<Form2, QMainWindow>
{
    Q_OBJECT

public:
    Form2();

protected:
    // The close box leaves the window as "确认" does.
    void closeEvent(QCloseEvent *event) override;

private:
    void Command1_Click();
    void Command2_Click();
    void Option1_Click(int index);
    void mnuHELP2_Click();
    void mnushuo_Click();

    QWidget *client = nullptr; // the client area below the menu bar

    controls::MessageLine *Label1 = nullptr; // the Message line

    QGroupBox *Frame1 = nullptr;
    std::array<controls::OptionButton *, 2> Option1{}; // girder section, hollow slab

    QGroupBox *Frame2 = nullptr;
    // Text1: BS, HS, BX, HX, B1, B2, HF of the girder section, each beside
    // the caption Label2 of the same index.
    std::array<QLabel *, 7> Label2{};
    std::array<QLineEdit *, 7> Text1{};

    QGroupBox *Frame3 = nullptr;
    // Text2: B, H, D, H1, BF, N of the hollow slab, each beside the caption
    // Label3 of the same index.
    std::array<QLabel *, 6> Label3{};
    std::array<QLineEdit *, 6> Text2{};

    // Text3(0) the area A, Text3(1) the second moment of area I, under the
    // headings Label4 of the same index.
    std::array<QLabel *, 2> Label4{};
    std::array<QLineEdit *, 2> Text3{};

    QPushButton *Command1 = nullptr; // "计算"
    QPushButton *Command2 = nullptr; // "确认"

    QMenu *mnuHELP1 = nullptr;
    QAction *mnuHELP2 = nullptr;
    QAction *mnushuo = nullptr;
};
