// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/message_box.h"

#include "controls/classic_look.h"
#include "controls/placement.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>

namespace Message_Boxes {

namespace {

Boxes_Elsewhere *boxes_elsewhere = nullptr;

} // namespace

Boxes_Elsewhere::Boxes_Elsewhere(Teller teller)
    : teller_(std::move(teller)), outer_(boxes_elsewhere)
{
    boxes_elsewhere = this;
}

Boxes_Elsewhere::~Boxes_Elsewhere()
{
    boxes_elsewhere = outer_;
}

int Message_Box(QWidget *parent, const QString &text, const QString &title, int style)
{
    if (boxes_elsewhere) {
        boxes_elsewhere->teller_(title, text);
        return Ok_Answer;
    }
    QMessageBox box(parent);
    // The look of the window it speaks for, whatever the desktop's theme.
    box.setPalette(Classic_Palette());
    box.setFont(Window_Font(false));
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);
    // A carriage return breaks the line, as in a classic message box; a plain-text Qt label breaks
    // lines only at line feeds, and under some styles draws a CR as a blank.
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box.setText(lines);
    // The box reads as large as the window it speaks for, its text in the lines it has at 100 %
    // rather than wrapped at the width a box usually keeps to.
    if (const double zoom = Zoom_Of(parent); zoom != 1.0) {
        QFont font = box.font();
        font.setPointSizeF(font.pointSizeF() * zoom);
        box.setFont(font);
        for (QLabel *label : box.findChildren<QLabel *>()) {
            if (label->text() != lines)
                continue;
            const bool wrapped = label->wordWrap();
            label->setWordWrap(false);
            label->setMinimumWidth(label->sizeHint().width());
            label->setWordWrap(wrapped);
        }
    }
    switch (style & 0xF0) {
    case Stop_Icon:
        box.setIcon(QMessageBox::Critical);
        break;
    case Question_Icon:
        box.setIcon(QMessageBox::Question);
        break;
    case Exclamation_Icon:
        box.setIcon(QMessageBox::Warning);
        break;
    case Information_Icon:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    if ((style & 0x0F) == Ok_Cancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    box.setDefaultButton(QMessageBox::Ok);
    Use_Classic_Style(box);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Ok) ? Ok_Answer : Other_Answer;
}

} // namespace Message_Boxes
