// SPDX-License-Identifier: GPL-3.0-or-later
#include "languages/languages.h"
#include "main_window/frm_dalvo.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dalvo"));
    QApplication::setOrganizationName(QStringLiteral("Dalvo"));
    QApplication::setApplicationVersion(QStringLiteral(DALVO_VERSION));
    // The id of the installed desktop entry, so that the desktop pairs the window with its menu
    // item and icon.
    QApplication::setDesktopFileName(QStringLiteral("local.dalvo.Dalvo"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/dalvo.svg")));
    // Before the window is made, so that it is built in the language it shows.
    Languages::Install(app, Languages::Requested_In(QApplication::arguments()));
    frm_dalvo window;
    window.show();
    return QApplication::exec();
}
