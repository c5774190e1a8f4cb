// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/csv_export.h"

#include <QStringList>

namespace Csv_Export {

namespace {

using Simulation::Tick_History;

void Add_Line(QByteArray &csv, const QStringList &cells)
{
    // No cell holds a comma, a quote or a line end, so none needs quoting.
    csv += cells.join(QLatin1Char(',')).toUtf8();
    csv += "\r\n";
}

// The waves of a panel: 1 and 2 in panel 1, 3 and 4 in panel 2 (numbered as their boxes).
int First_Wave(int panel)
{
    return panel == 1 ? 0 : 2;
}

} // namespace

QString Cell(float value)
{
    if (value == 0.0f)
        return QStringLiteral("0");
    return QString::number(static_cast<double>(value), 'g', 7);
}

QByteArray Marked_History(const Tick_History &history, const QList<std::pair<int, int>> &marks)
{
    QByteArray csv;
    QStringList header{QStringLiteral("t (s)")};
    for (const auto &[panel, ball] : marks) {
        const QString name = QStringLiteral("panel %1 ball %2").arg(panel).arg(ball);
        header.append(name + QStringLiteral(" y"));
        for (int wave = First_Wave(panel); wave < First_Wave(panel) + 2; ++wave)
            header.append(name + QStringLiteral(" wave %1").arg(wave + 1));
    }
    Add_Line(csv, header);
    for (int tick = 0; tick < history.Size(); ++tick) {
        QStringList row{Cell(history.Time(tick))};
        for (const auto &[panel, ball] : marks) {
            row.append(Cell(history.Top(tick, Tick_History::Resultant_Row(panel), ball)));
            for (int wave = First_Wave(panel); wave < First_Wave(panel) + 2; ++wave)
                row.append(Cell(history.Top(tick, Tick_History::Component_Row(wave), ball)));
        }
        Add_Line(csv, row);
    }
    return csv;
}

QByteArray Positions(const Tick_History &history)
{
    QByteArray csv;
    Add_Line(csv,
             {QStringLiteral("ball"), QStringLiteral("panel 1 y"), QStringLiteral("panel 1 wave 1"),
              QStringLiteral("panel 1 wave 2"), QStringLiteral("panel 2 y"),
              QStringLiteral("panel 2 wave 3"), QStringLiteral("panel 2 wave 4")});
    const int now = history.Size() - 1;
    for (int ball = 0; ball < Simulation::Ball_Count; ++ball) {
        QStringList row{QString::number(ball)};
        for (int r = 0; r < Tick_History::Row_Count; ++r)
            row.append(Cell(now < 0 ? 0.0f : history.Top(now, r, ball)));
        Add_Line(csv, row);
    }
    return csv;
}

} // namespace Csv_Export
