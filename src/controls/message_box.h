// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class QWidget;

// Modal message boxes described by a style number: a button set plus an icon.
namespace Message_Boxes {

inline constexpr int Ok_Only = 0;
inline constexpr int Ok_Cancel = 1;
inline constexpr int Stop_Icon = 16;
inline constexpr int Question_Icon = 32;
inline constexpr int Exclamation_Icon = 48;
inline constexpr int Information_Icon = 64;

// What a box returns for OK; any other way of closing it gives something else.
inline constexpr int Ok_Answer = 1;
inline constexpr int Other_Answer = 2;

// Shows the box and returns the button pressed.
int Message_Box(QWidget *parent, const QString &text, const QString &title, int style);

// Where the boxes go while the program runs without a screen to show them on (an export from the
// command line): while one of these lives, each box's title and text go to its function instead,
// and the box counts as answered with OK. They nest; the newest one takes the boxes.
class Boxes_Elsewhere
{
public:
    using Teller = std::function<void(const QString &title, const QString &text)>;
    explicit Boxes_Elsewhere(Teller teller);
    ~Boxes_Elsewhere();
    Boxes_Elsewhere(const Boxes_Elsewhere &) = delete;
    Boxes_Elsewhere &operator=(const Boxes_Elsewhere &) = delete;

private:
    friend int Message_Box(QWidget *, const QString &, const QString &, int);
    Teller teller_;
    Boxes_Elsewhere *outer_;
};

} // namespace Message_Boxes
