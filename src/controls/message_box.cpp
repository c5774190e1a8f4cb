#include "controls/message_box.h"

#include <QMessageBox>

namespace Message_Boxes {

int Message_Box(QWidget *parent, const QString &text, const QString &title, int style)
{
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);
    // A carriage return breaks the line, as in a classic message box; a plain-text Qt label breaks
    // lines only at line feeds, and under some styles draws a CR as a blank.
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box.setText(lines);
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
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Ok) ? Ok_Answer : Other_Answer;
}

} // namespace Message_Boxes
