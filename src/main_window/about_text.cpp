// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/about_text.h"

#include <QCoreApplication>

namespace Commands {

QString About_Text()
{
    const QString description =
        QCoreApplication::translate("Commands", "Dalvo: εγκάρσια κύματα σε σειρές σφαιριδίων");
    const QString contact =
        QCoreApplication::translate("Commands", "Σχόλια: στο εργαστήριο Φυσικής του σχολείου");
    return description + QChar(u'\r') + QString(Contact_Indent, QChar(u' ')) + contact;
}

} // namespace Commands
