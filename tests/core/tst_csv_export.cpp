// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/csv_export.h"

#include <QtTest>

using Simulation::Tick_History;
using Marks = QList<std::pair<int, int>>;

namespace {

// A value that names a tick, a row and a ball.
float Named(int tick, int row, int ball)
{
    return 0.5f * static_cast<float>(tick * 1000 + row * 100 + ball) - 300;
}

Tick_History History_Of(int ticks)
{
    Tick_History history;
    for (int tick = 0; tick < ticks; ++tick) {
        Tick_History::Rows rows;
        for (int row = 0; row < Tick_History::Row_Count; ++row)
            for (int ball = 0; ball < Simulation::Ball_Count; ++ball)
                rows[row][ball] = Named(tick, row, ball);
        history.Record(0.04f * static_cast<float>(tick), rows);
    }
    return history;
}

// The file as a reader takes it: CRLF lines, comma-separated cells, nothing after the last line.
QList<QStringList> Parsed(const QByteArray &csv)
{
    [&] { QVERIFY(csv.endsWith("\r\n")); }();
    QList<QStringList> lines;
    for (const QString &line : QString::fromUtf8(csv.chopped(2)).split(QStringLiteral("\r\n")))
        lines.append(line.split(QLatin1Char(',')));
    return lines;
}

} // namespace

// The run's numbers written for a spreadsheet.
class tst_csv_export : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // A locale with a decimal comma must not leak into the file.
        QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
    }

    void cell_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        QTest::addRow("negative zero") << -0.0f << QString("0");
        QTest::addRow("tick time") << 0.04f << QString("0.04");
        QTest::addRow("seven digits") << -12.345678f << QString("-12.34568");
        QTest::addRow("large") << 123456789.0f << QString("1.234568e+08");
    }
    void cell()
    {
        QFETCH(float, value);
        QFETCH(QString, text);
        QCOMPARE(Csv_Export::Cell(value), text);
    }

    void marked_history_data()
    {
        QTest::addColumn<Marks>("marks");
        QTest::addColumn<int>("ticks");
        QTest::addRow("panel 2 then 1, no ticks") << Marks{{2, 50}, {1, 7}} << 0;
        QTest::addRow("three over a run") << Marks{{1, 50}, {2, 0}, {2, 25}} << 501;
    }
    void marked_history()
    {
        QFETCH(Marks, marks);
        QFETCH(int, ticks);
        const Tick_History history = History_Of(ticks);
        const QList<QStringList> lines = Parsed(Csv_Export::Marked_History(history, marks));
        QCOMPARE(lines.size(), 1 + ticks);
        QCOMPARE(lines[0].size(), 1 + 3 * marks.size());
        QCOMPARE(lines[0][0], QStringLiteral("t (s)"));
        for (int m = 0; m < marks.size(); ++m) {
            const auto [panel, ball] = marks[m];
            const QString name = QStringLiteral("panel %1 ball %2 ").arg(panel).arg(ball);
            const int wave = panel == 1 ? 1 : 3;
            QCOMPARE(lines[0].mid(1 + 3 * m, 3),
                     (QStringList{name + "y", name + QStringLiteral("wave %1").arg(wave),
                                  name + QStringLiteral("wave %1").arg(wave + 1)}));
        }
        for (int tick = 0; tick < ticks; ++tick) {
            const QStringList &row = lines[1 + tick];
            QCOMPARE(row.size(), lines[0].size());
            QCOMPARE(row[0].toFloat(), history.Time(tick));
            for (int m = 0; m < marks.size(); ++m) {
                const auto [panel, ball] = marks[m];
                // The rows of panel 1 are 0, 1, 2 and those of panel 2 are 3, 4, 5.
                for (int k = 0; k < 3; ++k)
                    QCOMPARE(row[1 + 3 * m + k].toFloat(), Named(tick, 3 * (panel - 1) + k, ball));
            }
        }
    }

    void positions_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addRow("at rest") << 0;
        QTest::addRow("after a run") << 501;
    }
    void positions()
    {
        QFETCH(int, ticks);
        const QList<QStringList> lines = Parsed(Csv_Export::Positions(History_Of(ticks)));
        QCOMPARE(lines.size(), 1 + Simulation::Ball_Count);
        QCOMPARE(lines[0].first(), QStringLiteral("ball"));
        QCOMPARE(lines[0].size(), 1 + Tick_History::Row_Count);
        for (int ball = 0; ball < Simulation::Ball_Count; ++ball) {
            const QStringList &row = lines[1 + ball];
            QCOMPARE(row.size(), 1 + Tick_History::Row_Count);
            QCOMPARE(row[0], QString::number(ball));
            for (int r = 0; r < Tick_History::Row_Count; ++r)
                QCOMPARE(row[1 + r].toFloat(), ticks == 0 ? 0.0f : Named(ticks - 1, r, ball));
        }
    }
};

QTEST_APPLESS_MAIN(tst_csv_export)
#include "tst_csv_export.moc"
