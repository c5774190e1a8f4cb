// SPDX-License-Identifier: GPL-3.0-or-later
#include "languages/languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace Languages {

namespace {

const QString Resource_Folder = QStringLiteral(":/i18n");
const QString Settings_Key = QStringLiteral("language");
// The application's translators are found by these names: they are its children, so they live
// exactly as long as it does and no global holds them.
const QString Own_Translation = QStringLiteral("dalvo_translation");
const QString Qt_Translation = QStringLiteral("qt_translation");
const char *const Code_Property = "dalvo_language";

// Each language names itself: its name is a text of its translation like any other.
struct Text
{
    const char *source, *comment;
};
constexpr Text Own_Name =
    QT_TRANSLATE_NOOP3("Languages", "Ελληνικά", "the name of this translation's language, in it");

Language Language_Of(const QString &code)
{
    const QString greek = QString::fromUtf8(Own_Name.source);
    QString name = greek;
    if (code != Source_Language) {
        QTranslator translation;
        name = translation.load(QStringLiteral("dalvo_") + code, Resource_Folder)
                   ? translation.translate("Languages", Own_Name.source, Own_Name.comment)
                   : QString();
        if (name.isEmpty() || name == greek)
            name = QLocale::languageToString(QLocale(code).language());
    }
    return {code, name, name.left(2).toUpper()};
}

QStringList Translated_Codes()
{
    QStringList codes;
    const QStringList files =
        QDir(Resource_Folder).entryList({QStringLiteral("dalvo_*.qm")}, QDir::Files, QDir::Name);
    for (const QString &file : files)
        codes << file.mid(6, file.size() - 9);
    return codes;
}

bool Is_Shipped(const QString &code)
{
    return code == Source_Language || Translated_Codes().contains(code);
}

// Replaces the application's translator of this name by a new one loaded from the file; none when
// the file cannot be loaded.
void Replace_Translator(QCoreApplication &app, const QString &object_name, const QString &file,
                        const QString &folder, const QString &code)
{
    if (auto *old = app.findChild<QTranslator *>(object_name, Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    if (file.isEmpty())
        return;
    auto *translator = new QTranslator(&app);
    if (!translator->load(file, folder)) {
        delete translator;
        return;
    }
    translator->setObjectName(object_name);
    translator->setProperty(Code_Property, code);
    QCoreApplication::installTranslator(translator);
}

} // namespace

QList<Language> Shipped()
{
    QList<Language> languages{Language_Of(Source_Language)};
    for (const QString &code : Translated_Codes())
        languages << Language_Of(code);
    return languages;
}

QString Current()
{
    const QCoreApplication *app = QCoreApplication::instance();
    const auto *translator =
        app ? app->findChild<QTranslator *>(Own_Translation, Qt::FindDirectChildrenOnly) : nullptr;
    return translator ? translator->property(Code_Property).toString() : Source_Language;
}

bool Switch(QCoreApplication &app, const QString &code)
{
    if (!Is_Shipped(code))
        return false;
    if (code == Current())
        return true;
    // Installing or removing a translator sends the application a LanguageChange, which a
    // widget application passes on to every window.
    Replace_Translator(app, Qt_Translation, QStringLiteral("qtbase_") + code,
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath), code);
    Replace_Translator(app, Own_Translation,
                       code == Source_Language ? QString() : QStringLiteral("dalvo_") + code,
                       Resource_Folder, code);
    return true;
}

QString Remembered()
{
    return QSettings().value(Settings_Key).toString();
}

void Remember(const QString &code)
{
    QSettings().setValue(Settings_Key, code);
}

void Install(QCoreApplication &app, const QString &requested)
{
    if (!requested.isEmpty() && Switch(app, requested))
        return;
    if (!requested.isEmpty()) {
        QStringList codes;
        for (const Language &language : Shipped())
            codes << language.code;
        qWarning("dalvo: no language '%s'; the languages are %s", qPrintable(requested),
                 qPrintable(codes.join(QLatin1String(", "))));
    }
    if (!Switch(app, Remembered()))
        Switch(app, Source_Language);
}

} // namespace Languages
