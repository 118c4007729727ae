#include "texts/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace karo {

namespace {

constexpr auto kSourceLanguage = "ru";
const QString kTranslations = QStringLiteral(":/i18n");

QString& current() {
    static QString language = QString::fromLatin1(kSourceLanguage);
    return language;
}

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

QString LanguageOf(const QStringList& uiLanguages) {
    const QStringList spoken = InterfaceLanguages();
    for (const QString& ui : uiLanguages) {
        const QString language = languageOf(ui);
        if (spoken.contains(language))
            return language;
    }
    return QString::fromLatin1(kSourceLanguage);
}

QString SystemLanguage() {
    return LanguageOf(QLocale::system().uiLanguages());
}

QString StartLanguage(const QString& stored) {
    return InterfaceLanguages().contains(stored) ? stored : SystemLanguage();
}

QString LanguageName(const QString& language) {
    // Each translation names its own language, so that a new one needs no code.
    static const char* const kContext = "karo::Language";
    static const char* const kName = QT_TRANSLATE_NOOP("karo::Language", "Русский");
    if (language == QLatin1String(kSourceLanguage))
        return QString::fromUtf8(kName);
    QTranslator texts;
    if (texts.load(QStringLiteral("karo_") + language, kTranslations)) {
        const QString name = texts.translate(kContext, kName);
        if (!name.isEmpty())
            return name;
    }
    return language;
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
    current() = language;
    return true;
}

QString CurrentLanguage() {
    return current();
}

} // namespace karo
