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

// Runs karo-cli with `args`; a non-empty `tmp` becomes its temporary folder.
inline CliRun cli(const QStringList& args, const QString& tmp = QString()) {
    QProcess p;
    if (!tmp.isEmpty()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TMPDIR"), tmp);
        p.setProcessEnvironment(env);
    }
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
