// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "main_window/exporting.h"

#include <QString>
#include <QStringList>
#include <variant>
#include <vector>

// What the program is asked to do by its arguments: answer --help or --version, start the window,
// or write an export without one. Reading them needs no application object and touches no file.
namespace Command_Line {

// A resultant ball to mark: panel 1 or 2, ball 0 .. 50 from the left.
struct Mark
{
    int Panel = 0;
    int Ball = 0;
    friend bool operator==(const Mark &, const Mark &) = default;
};

struct Request
{
    bool Help = false;
    bool Version = false;
    QString Scenario;           // as given; empty: the start-up set-up
    QString Export;             // the file to write; empty: the window is shown
    Exporting::Options Options; // the zoom serves the window too
    std::vector<Mark> Marks;    // each ball once, in the order first given
    bool Graph = false;         // the graph strip open
    QString Language;           // the interface language asked for; empty: none
};

// What is wrong with the arguments, in a sentence for standard error.
struct Usage_Error
{
    QString Text;
};

// The arguments as the process got them, the program's name first. Qt's own options (-platform,
// -style, -reverse, ...) are taken and left to Qt.
std::variant<Request, Usage_Error> Parse(const QStringList &arguments);

// What --help and --version print.
QString Help_Text();
QString Version_Text();

} // namespace Command_Line
