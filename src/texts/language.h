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

// The interface language the system asks for (LANGUAGE, LC_ALL, LC_MESSAGES, LANG): the first
// of its languages the programs speak, else Russian.
QString SystemLanguage();

// Installs the program's translation for `language` (none for Russian) and Qt's own
// translation of its dialogs into `app`, replacing those installed before. Returns false when
// the language is not one of InterfaceLanguages().
bool InstallLanguage(QCoreApplication& app, const QString& language);

} // namespace karo
