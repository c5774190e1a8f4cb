// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QCoreApplication;

// The languages of the interface: Greek, the language its texts are written in, and one more for
// each translation built into the program (":/i18n/dalvo_<code>.qm"). A translator adds a language
// by adding its .ts file; nothing here names English.
namespace Languages {

inline const QString Source_Language = QStringLiteral("el");

struct Language
{
    QString code;  // "el", "en", ...
    QString name;  // in the language itself: "Ελληνικά", "English"
    QString label; // what the language button shows for it: "ΕΛ", "EN"
};

// Greek first, then each built-in translation in the order of its code.
QList<Language> Shipped();

// The language the interface is in: Greek until a translation is installed.
QString Current();

// Puts the interface into the shipped language with this code: its translation and Qt's own (where
// Qt has one) replace those before, and every widget gets a LanguageChange event. Greek removes
// the translation. A code that is not shipped changes nothing and gives false.
bool Switch(QCoreApplication &app, const QString &code);

// The language chosen with the button, kept between starts; empty when none was chosen.
QString Remembered();
void Remember(const QString &code);

// At start: the requested language (a `--lang` value) when it is shipped, else the remembered one,
// else Greek. The request is not remembered.
void Install(QCoreApplication &app, const QString &requested);

} // namespace Languages
