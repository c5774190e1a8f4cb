#include "main_window/frm_dalvo.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dalvo"));
    QApplication::setApplicationVersion(QStringLiteral(DALVO_VERSION));
    frm_dalvo window;
    window.show();
    return QApplication::exec();
}
