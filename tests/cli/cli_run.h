#pragma once
// karo-cli run as a user runs it: a separate process, its output and its exit code.

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace karo::test {

struct CliRun {
    int code;
    QString out;
    QString err;
};

// The environment karo-cli runs in: the system's, with the language pinned to `lang` (LANG),
// so that the machine's own settings do not choose the language of the texts.
inline QProcessEnvironment pinnedLanguage(const QString& lang) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("LANG"), lang);
    return env;
}

// Runs karo-cli with `args`; a non-empty `tmp` becomes its temporary folder. Its texts are
// Russian, the source texts, unless `lang` asks for a translation ("en_US.UTF-8").
inline CliRun cli(const QStringList& args, const QString& tmp = QString(),
                  const QString& lang = QStringLiteral("C")) {
    QProcess p;
    QProcessEnvironment env = pinnedLanguage(lang);
    if (!tmp.isEmpty())
        env.insert(QStringLiteral("TMPDIR"), tmp);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(KARO_CLI), args);
    EXPECT_TRUE(p.waitForFinished(60000));
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

// Writes `content` to a file `name` in `dir` and gives its path.
inline QString write(QTemporaryDir& dir, const char* name, const QByteArray& content) {
    const QString path = dir.filePath(QString::fromUtf8(name));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(content);
    return path;
}

} // namespace karo::test
