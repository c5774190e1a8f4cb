// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/scenario_format.h"

#include <QByteArray>

// The window's set-up at start-up, and its scenario file byte for byte.
inline const Scenario::Set_Up Start_Up_Set_Up{
    "10", "10", {1, 0, 1, 0}, {"5", "5", "5", "5"}, {"1", "1", "1", "1"}, {1, 1, 1, 1}};
inline const QByteArray Start_Up_Bytes =
    "\"Dalvo.exe V 1.0\"\r\n\"10\"\r\n\"10\"\r\n1\r\n0\r\n1\r\n0\r\n" +
    QByteArray("\"5\"\r\n\"1\"\r\n1\r\n").repeated(4);
