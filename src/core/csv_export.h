// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/tick_history.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <utility>

// The run's numbers as CSV for a spreadsheet: RFC 4180 (CRLF line ends, a header row), UTF-8, a
// point as the decimal sign whatever the locale, each value in single precision (%.7g).
namespace Csv_Export {

// A value as a cell: %.7g with a point, and no "-0".
QString Cell(float value);

// The marked balls' history, one row per recorded tick from the first: the time, then for each
// marked ball (panel 1 or 2, ball 0..50, in the order given) its displacement and its two
// components, each 0 before its wave arrives, as the graph records them.
QByteArray Marked_History(const Simulation::Tick_History &history,
                          const QList<std::pair<int, int>> &marks);

// Every ball's displacement now (the last recorded tick; at rest before the first): the ball's
// index, then the six rows in the order the history keeps them.
QByteArray Positions(const Simulation::Tick_History &history);

} // namespace Csv_Export
