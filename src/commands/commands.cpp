// The print, about and exit buttons of the main window.
#include "commands/about_text.h"
#include "commands/print_window.h"
#include "main_window/frm_dalvo.h"
#include "main_window/handler_guard.h"

#include <QApplication>
#include <QMessageBox>
#include <QPrinter>

using Handler_Guard::Run_Handler;

namespace {

// Message-box styles: a button set plus an icon.
constexpr int Ok_Only = 0;
constexpr int Ok_Cancel = 1;
constexpr int Stop_Icon = 16;
constexpr int Question_Icon = 32;
constexpr int Exclamation_Icon = 48;
constexpr int Information_Icon = 64;

// What a message box returns for OK; any other way of closing a box gives something else.
constexpr int Ok_Answer = 1;
constexpr int Other_Answer = 2;

// Shows a modal message box in the given style and returns the button pressed.
int Message_Box(QWidget *parent, const QString &text, const QString &title, int style)
{
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
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

// The question and the printing under one trap: false when either of them failed, true when the
// page was printed or the user declined.
bool Ask_And_Print(frm_dalvo &form) noexcept
{
    try {
        if (Message_Box(&form, QStringLiteral("Do you like to print the current form?"),
                        QStringLiteral("Printing ...."), Ok_Cancel + Question_Icon) != Ok_Answer)
            return true;
        const std::unique_ptr<QPrinter> printer = Printing::Printer_For(form);
        return printer && Printing::Print_Window(form, *printer);
    } catch (...) {
        return false;
    }
}

// Ends the program at once. No window gets a close event: that would run its unload handling,
// and a window could refuse it. Every event loop, nested ones included, returns, so main()
// returns and the windows go with it; until then they are hidden.
void End_Program()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        window->hide();
    QCoreApplication::exit(0);
}

} // namespace

void frm_dalvo::cmd_Print_Click()
{
    Run_Handler([this] {
        if (!Ask_And_Print(*this))
            Message_Box(this, QStringLiteral("Printint problem"), QStringLiteral("Sorry ..."),
                        Ok_Only + Stop_Icon);
    });
}

void frm_dalvo::cmd_Info_Click()
{
    Run_Handler([this] {
        Message_Box(this, Commands::About_Text(), QStringLiteral("e-mail"),
                    Ok_Only + Information_Icon);
    });
}

void frm_dalvo::cmd_Exit_Click()
{
    Run_Handler([this] {
        if (Message_Box(this, QStringLiteral("Quiting Dalvo.exe?"),
                        QStringLiteral("Exit Dalvo.exe"), Ok_Cancel + Question_Icon) == Ok_Answer)
            End_Program();
    });
}
