// SPDX-License-Identifier: GPL-3.0-or-later
// The print, about and exit buttons of the main window.
#include "controls/handler_guard.h"
#include "controls/message_box.h"
#include "controls/printing.h"
#include "main_window/about_text.h"
#include "main_window/frm_dalvo.h"

#include <QApplication>
#include <QPrinter>

using Handler_Guard::Run_Handler;
using namespace Message_Boxes;

namespace {

// The question and the printing under one trap: false when either of them failed, true when the
// page was printed or the user declined.
bool Ask_And_Print(frm_dalvo &form) noexcept
{
    try {
        if (Message_Box(&form, QStringLiteral("Do you like to print the current form?"),
                        QStringLiteral("Printing ...."), Ok_Cancel + Question_Icon) != Ok_Answer)
            return true;
        const std::unique_ptr<QPrinter> printer = form.Printer();
        if (!printer)
            return false;
        // Drawn afresh at the page's resolution, not a screen picture stretched onto the page.
        const double zoom = Printing::Print_Zoom(Client_Size(form, 1.0), *printer);
        return Printing::Print_Image(Render_At_Zoom(form, zoom), *printer);
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

std::unique_ptr<QPrinter> frm_dalvo::Printer() const
{
    return printer_factory_ ? printer_factory_() : Printing::Default_Printer(windowTitle());
}

void frm_dalvo::Set_Printer_Factory(Printing::Printer_Factory factory)
{
    printer_factory_ = std::move(factory);
}

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
