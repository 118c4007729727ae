#pragma once
// Runs an outside program (the word processor, the PDF tools) to its end, with a home folder
// of its own so that no user profile is touched. A failure is reported with its error output.

#include <QProcess>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

namespace karo::test {

inline bool RunTool(const QString& program, const QStringList& arguments, const QString& home,
                    QByteArray* output = nullptr) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(180000)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << program.toStdString() << " did not finish";
        return false;
    }
    if (output)
        *output = process.readAllStandardOutput();
    const bool ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (!ok)
        ADD_FAILURE() << program.toStdString()
                      << " failed: " << process.readAllStandardError().toStdString();
    return ok;
}

} // namespace karo::test
