#pragma once
// Runs an outside program (the word processor, the PDF tools) to its end, with a home folder
// of its own so that no user profile is touched. A failure is reported with its error output.

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
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

// What a word processor made of a .docx: the PDF's page count line and its text.
struct Typeset {
    QString pageInfo; // pdfinfo's output
    QString text;     // pdftotext's output
};

// The outside programs a typesetting check needs; empty when one is missing.
inline bool HaveTypesetTools() {
    for (const char* tool : {"soffice", "pdftotext", "pdfinfo"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return false;
    return true;
}

// Converts `docx` to PDF with LibreOffice in `dir` and reads the PDF back.
inline bool TypesetDocx(const QString& docx, const QString& dir, Typeset* out) {
    const auto find = [](const char* tool) {
        return QStandardPaths::findExecutable(QString::fromLatin1(tool));
    };
    if (!RunTool(find("soffice"),
                 {QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                  QStringLiteral("pdf"), QStringLiteral("--outdir"), dir, docx},
                 dir))
        return false;
    const QString pdf =
        QDir(dir).filePath(QFileInfo(docx).completeBaseName() + QStringLiteral(".pdf"));
    if (!QFileInfo::exists(pdf)) {
        ADD_FAILURE() << "no PDF was written";
        return false;
    }
    QByteArray info, text;
    if (!RunTool(find("pdfinfo"), {pdf}, dir, &info) ||
        !RunTool(find("pdftotext"), {pdf, QStringLiteral("-")}, dir, &text))
        return false;
    out->pageInfo = QString::fromUtf8(info);
    out->text = QString::fromUtf8(text);
    return true;
}

} // namespace karo::test
