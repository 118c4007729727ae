// The translations: every text of the sources translated in every .ts file, the language the
// programs start in, and the texts a translation renders.

#include "model/kinds.h"
#include "model/messages.h"
#include "texts/language.h"
#include "texts/message_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace karo {
namespace {

// Each context's entries that lupdate, run over the sources, leaves without a translation:
// new texts (unfinished) and texts the sources no longer have (vanished).
QMap<QString, QStringList> untranslated(const QString& ts) {
    QMap<QString, QStringList> out;
    QFile f(ts);
    if (!f.open(QIODevice::ReadOnly))
        return {{QStringLiteral("(file)"), {ts}}};
    QXmlStreamReader xml(&f);
    QString context, source;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"source")
            source = xml.readElementText();
        else if (xml.name() == u"translation") {
            const auto type = xml.attributes().value(QStringLiteral("type"));
            if (type == u"unfinished" || type == u"vanished" || type == u"obsolete")
                out[context] << type.toString() + QStringLiteral(": ") + source;
        }
    }
    return out;
}

TEST(Translations, EveryTextOfTheSourcesIsTranslated) {
    const QDir translations(QStringLiteral(KARO_SOURCE_DIR "/resources/translations"));
    const QStringList files = translations.entryList({QStringLiteral("karo_*.ts")});
    ASSERT_FALSE(files.isEmpty());
    QTemporaryDir dir;
    for (const QString& name : files) {
        const QString copy = dir.filePath(name);
        ASSERT_TRUE(QFile::copy(translations.filePath(name), copy));
        QProcess lupdate;
        lupdate.start(
            QStringLiteral(KARO_LUPDATE),
            QStringLiteral(KARO_LUPDATE_OPTIONS).split(QLatin1Char(' ')) +
                QStringList{QStringLiteral(KARO_SOURCE_DIR "/src"), QStringLiteral("-ts"), copy});
        ASSERT_TRUE(lupdate.waitForFinished(300000));
        ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
        const QMap<QString, QStringList> left = untranslated(copy);
        for (auto i = left.begin(); i != left.end(); ++i)
            ADD_FAILURE() << name.toStdString() << ", context " << i.key().toStdString() << ": "
                          << i.value().size() << " left, e.g. "
                          << i.value().mid(0, 3).join(QStringLiteral(" | ")).toStdString();
    }
}

TEST(Language, TheSystemsFirstSpokenLanguageElseRussian) {
    const struct {
        QStringList ui;
        const char* language;
    } cases[] = {
        {{"C"}, "ru"}, // LANG=C
        {{}, "ru"},
        {{"ru-RU", "ru"}, "ru"},
        {{"en-US", "en-Latn-US", "en"}, "en"},
        {{"de-DE", "de"}, "ru"},
        {{"de-DE", "en-GB"}, "en"}, // LANGUAGE=de:en
    };
    for (const auto& c : cases)
        EXPECT_EQ(LanguageOf(c.ui), QString::fromLatin1(c.language))
            << c.ui.join(',').toStdString();
    // A stored choice the programs speak beats the system's; any other is no choice.
    EXPECT_EQ(StartLanguage(QStringLiteral("en")), QStringLiteral("en"));
    EXPECT_EQ(StartLanguage(QStringLiteral("ru")), QStringLiteral("ru"));
    EXPECT_EQ(StartLanguage(QStringLiteral("xx")), SystemLanguage());
    EXPECT_EQ(StartLanguage(QString()), SystemLanguage());
}

TEST(Language, ATranslationRendersTermsAndCatalogueNamesAndGoesAgain) {
    auto& app = *QCoreApplication::instance();
    EXPECT_FALSE(InstallLanguage(app, QStringLiteral("xx")));
    EXPECT_EQ(LanguageName(QStringLiteral("ru")), QStringLiteral("Русский"));
    EXPECT_EQ(LanguageName(QStringLiteral("en")), QStringLiteral("English"));

    ASSERT_TRUE(InstallLanguage(app, QStringLiteral("en")));
    EXPECT_EQ(CurrentLanguage(), QStringLiteral("en"));
    EXPECT_EQ(TermText(kindInfo(Kind::Un).caption), QStringLiteral("Unequal-leg angle"));
    EXPECT_EQ(CatalogueTitleText(Kind::Sh, "16аП", "ГОСТ 8240-97"),
              QStringLiteral("Channel No. 16aP, GOST 8240-97"));
    EXPECT_EQ(MessageText(Message{MessageCode::FieldNotPositive,
                                  {{std::string(kindInfo(Kind::Dt).fields[0].hint), true}, {"h"}}}),
              QStringLiteral("Height h: a number greater than zero is expected."));

    // Back in Russian, the source texts as they are.
    ASSERT_TRUE(InstallLanguage(app, QStringLiteral("ru")));
    EXPECT_EQ(CatalogueTitleText(Kind::Sh, "16аП", "ГОСТ 8240-97"),
              QStringLiteral("Швеллер №16аП, ГОСТ 8240-97"));
    EXPECT_EQ(TermText(kindInfo(Kind::Un).caption), QStringLiteral("Уголок неравнополочный"));
}

} // namespace
} // namespace karo
