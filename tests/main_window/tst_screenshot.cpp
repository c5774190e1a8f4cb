#include "window_test_support.h"

#include <QtTest>

using namespace Window_Test;

// The window painted offscreen: a broken paint routine shows here.
class tst_screenshot : public QObject
{
    Q_OBJECT

private slots:
    void start_up();
};

void tst_screenshot::start_up()
{
    frm_dalvo form;
    const QImage image = form.Render_Client_Area();
    QVERIFY(image.save(Output_Path(QStringLiteral("start_up.png"))));
    QCOMPARE(image.size(), QSize(1016, 736));
}

QTEST_MAIN(tst_screenshot)
#include "tst_screenshot.moc"
