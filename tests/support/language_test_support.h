// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "languages/languages.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

// Helpers shared by the tests of the languages.
namespace Language_Test {

// Settings in Qt's test folder under the test's own name, apart from the user's: true when so.
inline bool Use_Test_Settings(const QString &test)
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Dalvo"));
    QCoreApplication::setApplicationName(test);
    return QSettings().fileName().contains(QLatin1String("/.qttest/"));
}

// The shipped languages in one line: each one's code, name and label.
inline QString Shipped()
{
    QStringList shipped;
    for (const Languages::Language &language : Languages::Shipped())
        shipped << language.code + ' ' + language.name + ' ' + language.label;
    return shipped.join(QStringLiteral(", "));
}

} // namespace Language_Test
