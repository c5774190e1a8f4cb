// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/message_box.h"
#include "support/message_box_watcher.h"

#include <QtTest>

using namespace Message_Boxes;

namespace {

using Told = QList<std::pair<QString, QString>>;

Boxes_Elsewhere::Teller Into(Told &told)
{
    return [&told](const QString &title, const QString &text) { told.append({title, text}); };
}

} // namespace

// Boxes sent elsewhere while there is no screen to show them: none appears, the newest receiver
// gets each box, and once the receivers are gone the boxes show again.
class tst_message_box : public QObject
{
    Q_OBJECT

private slots:
    void sent_elsewhere_data()
    {
        QTest::addColumn<int>("style");
        QTest::addRow("OK only") << Ok_Only + Exclamation_Icon;
        // Shown, this box would be answered with Cancel by the watcher below.
        QTest::addRow("OK and Cancel") << Ok_Cancel + Question_Icon;
    }

    void sent_elsewhere()
    {
        QFETCH(int, style);
        Message_Box_Watcher watcher({QMessageBox::Cancel});
        Told outer_told, inner_told;
        {
            const Boxes_Elsewhere outer(Into(outer_told));
            QCOMPARE(
                Message_Box(nullptr, QStringLiteral("one"), QStringLiteral("Sorry ..."), style),
                Ok_Answer);
            {
                const Boxes_Elsewhere inner(Into(inner_told));
                QCOMPARE(Message_Box(nullptr, QStringLiteral("two"), QStringLiteral("T"), style),
                         Ok_Answer);
            }
            QCOMPARE(Message_Box(nullptr, QStringLiteral("three"), QStringLiteral("U"), style),
                     Ok_Answer);
        }
        QCOMPARE(outer_told, (Told{{QStringLiteral("Sorry ..."), QStringLiteral("one")},
                                   {QStringLiteral("U"), QStringLiteral("three")}}));
        QCOMPARE(inner_told, (Told{{QStringLiteral("T"), QStringLiteral("two")}}));
        QVERIFY(watcher.Boxes().isEmpty());

        // Without a receiver the box is shown, and answered on the screen.
        const int answer = Message_Box(nullptr, QStringLiteral("four"), QStringLiteral("V"), style);
        QCOMPARE(watcher.Texts(), QStringList{QStringLiteral("four")});
        QCOMPARE(answer, (style & 0x0F) == Ok_Cancel ? Other_Answer : Ok_Answer);
    }
};

QTEST_MAIN(tst_message_box)
#include "tst_message_box.moc"
