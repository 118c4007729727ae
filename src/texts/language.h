#pragma once
// The language of the interface. Russian texts are the source texts and need no translation;
// any other language is a translation built into the programs from resources/translations.

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace karo {

// The languages the programs speak, by their codes ("ru", "en"), Russian first.
QStringList InterfaceLanguages();

// The first of `uiLanguages` (as QLocale names them: "en-US", "de", "C") whose language the
// programs speak, else Russian.
QString LanguageOf(const QStringList& uiLanguages);

// The interface language the system asks for (LANGUAGE, LC_ALL, LC_MESSAGES, LANG): the first
// of its languages the programs speak, else Russian.
QString SystemLanguage();

// The language the window starts in: the user's stored choice when the programs speak it,
// else the system's.
QString StartLanguage(const QString& stored);

// A language's name in itself, as its translation gives it: "Русский", "English".
QString LanguageName(const QString& language);

// Installs the program's translation for `language` (none for Russian) and Qt's own
// translation of its dialogs into `app`, replacing those installed before. Returns false when
// the language is not one of InterfaceLanguages().
bool InstallLanguage(QCoreApplication& app, const QString& language);

// The language installed last ("ru" before any).
QString CurrentLanguage();

} // namespace karo
