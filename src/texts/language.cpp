#include "texts/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace karo {

namespace {

constexpr auto kSourceLanguage = "ru";
const QString kTranslations = QStringLiteral(":/i18n");

QString languageOf(const QString& uiLanguage) {
    return uiLanguage.section(QLatin1Char('-'), 0, 0).toLower();
}

} // namespace

QStringList InterfaceLanguages() {
    QStringList languages{QString::fromLatin1(kSourceLanguage)};
    // Every translation built in is named karo_<language>.qm.
    const QStringList built = QDir(kTranslations).entryList({QStringLiteral("karo_*.qm")});
    for (const QString& file : built)
        languages << file.mid(5, file.size() - 8);
    return languages;
}

QString SystemLanguage() {
    const QStringList spoken = InterfaceLanguages();
    for (const QString& ui : QLocale::system().uiLanguages()) {
        const QString language = languageOf(ui);
        if (spoken.contains(language))
            return language;
    }
    return QString::fromLatin1(kSourceLanguage);
}

bool InstallLanguage(QCoreApplication& app, const QString& language) {
    if (!InterfaceLanguages().contains(language))
        return false;
    // Translators installed before belong to the previous language.
    for (QTranslator* old : app.findChildren<QTranslator*>(QString(), Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    auto* qtTexts = new QTranslator(&app);
    if (qtTexts->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTexts);
    else
        delete qtTexts;
    if (language != QLatin1String(kSourceLanguage)) {
        auto* ownTexts = new QTranslator(&app);
        if (ownTexts->load(QStringLiteral("karo_") + language, kTranslations))
            QCoreApplication::installTranslator(ownTexts);
        else
            delete ownTexts;
    }
    return true;
}

} // namespace karo
