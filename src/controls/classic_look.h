// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPalette>
#include <QWidget>

// The look of the classic desktop, whatever the desktop's theme.

void Set_Text_Colour(QWidget *control, quint32 colour);
void Set_Background(QWidget *control, quint32 colour);
QFont Window_Font(bool bold);
// Gives a window and every control on it the classic desktop style, whatever the desktop's
// theme: the window looks the same everywhere, and its controls paint fast.
void Use_Classic_Style(QWidget &window);
// The classic desktop's colours for a window's face, its text and its disabled text.
QPalette Classic_Palette();
