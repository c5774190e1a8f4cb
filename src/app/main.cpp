// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line/launch.h"

int main(int argc, char *argv[])
{
    return Command_Line::Launch(argc, argv);
}
