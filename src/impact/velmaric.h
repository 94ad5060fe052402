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

// The main window: impact coefficient of a bridge from its fundamental
// frequency, for five bridge types.
class Velmaric : public windows::Form<Velmaric, QMainWindow>
{
    Q_OBJECT

public:
    Velmaric();

    // The general inputs, for the section window's hand-back: Text1(1) holds
    // the second moment of area and Text1(3) the weight per metre.
    QLineEdit *text1(int index) const { return Text1[index]; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Command1_Click(int index);
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Option1_Click(int index);
    void Option2_Click(int index);
    void mnushuoming_Click();
    void mnuabout_Click();

    void showMessage(const QString &text);
    void showThicknessCoefficient();

    QWidget *client = nullptr; // the client area below the menu bar

    QLabel *Image1 = nullptr;
    std::array<controls::OptionButton *, 2> Option2{}; // constant, variable arch section
    QLabel *Label7 = nullptr;
    QLineEdit *Text5 = nullptr; // rise-to-span ratio r of the arch
    QLabel *Label6 = nullptr;
    QLineEdit *Text4 = nullptr; // arch thickness variation coefficient n

    // Text1: grade, second moment of area Ic, span L, weight per metre w.
    // Their captions cross: label1(1) is the span's, label1(2) the Ic's.
    std::array<QLabel *, 4> label1{};
    std::array<QLineEdit *, 4> Text1{};

    QGroupBox *Frame1 = nullptr;
    // Option1: simply supported, continuous, arch, cable-stayed, suspension.
    std::array<controls::OptionButton *, 5> Option1{};

    // Text2: EI, H, m_d, m_c of the suspension bridge.
    std::array<QLabel *, 4> Label3{};
    std::array<QLineEdit *, 4> Text2{};

    controls::MessageLine *Label2 = nullptr; // the Message line

    QGroupBox *Frame2 = nullptr;
    // The result grid: Text3(0) f1, Text3(2) μ1 in row 1; Text3(1) f2,
    // Text3(3) μ2 in row 2, under the headings Label4 of the same index.
    std::array<QLabel *, 4> Label4{};
    std::array<QLineEdit *, 4> Text3{};
    std::array<QLabel *, 2> Label5{}; // row captions

    QPushButton *Command4 = nullptr;
    std::array<QPushButton *, 1> Command1{};
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;

    QMenu *mnuHELP = nullptr;
    QAction *mnushuoming = nullptr;
    QAction *mnuabout = nullptr;
};
