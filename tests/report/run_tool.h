#pragma once
// Runs an outside program (the word processor, the PDF tools) to its end, with a home folder
// of its own so that no user profile is touched. A failure is reported with its error output.

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <vector>

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

inline QString FindTool(const char* tool) {
    return QStandardPaths::findExecutable(QString::fromLatin1(tool));
}

// The PDF that ConvertToPdf makes of `docx` in `dir`.
inline QString PdfOf(const QString& docx, const QString& dir) {
    return QDir(dir).filePath(QFileInfo(docx).completeBaseName() + QStringLiteral(".pdf"));
}

// Converts the .docx files to PDF with one start of LibreOffice, into `dir`.
inline bool ConvertToPdf(const QStringList& docx, const QString& dir) {
    if (!RunTool(FindTool("soffice"),
                 QStringList{QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                             QStringLiteral("pdf"), QStringLiteral("--outdir"), dir} +
                     docx,
                 dir))
        return false;
    for (const QString& file : docx) {
        if (!QFileInfo::exists(PdfOf(file, dir))) {
            ADD_FAILURE() << "no PDF was written of " << file.toStdString();
            return false;
        }
    }
    return true;
}

// A word on a page of a PDF, its box in points from the page's top-left corner.
struct PdfWord {
    int page = 0; // from 1
    QRectF box;
    QString text;
};

// Every word of the PDF where pdftotext places it.
inline std::vector<PdfWord> PdfWords(const QString& pdf, const QString& dir) {
    QByteArray xhtml;
    if (!RunTool(FindTool("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}, dir,
                 &xhtml))
        return {};
    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="([-\d.]+)" yMin="([-\d.]+)" xMax="([-\d.]+)" )re"
                       R"re(yMax="([-\d.]+)">([^<]*)</word>)re"));
    std::vector<PdfWord> words;
    int page = 0;
    for (const QString& line : QString::fromUtf8(xhtml).split(QLatin1Char('\n'))) {
        if (line.contains(QLatin1String("<page ")))
            ++page;
        const QRegularExpressionMatch m = word.match(line);
        if (!m.hasMatch())
            continue;
        const double x0 = m.captured(1).toDouble(), y0 = m.captured(2).toDouble();
        words.push_back(
            {page,
             QRectF(QPointF(x0, y0), QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())),
             m.captured(5)});
    }
    return words;
}

// Converts `docx` to PDF with LibreOffice in `dir` and reads the PDF back.
inline bool TypesetDocx(const QString& docx, const QString& dir, Typeset* out) {
    const auto find = [](const char* tool) { return FindTool(tool); };
    if (!ConvertToPdf({docx}, dir))
        return false;
    const QString pdf = PdfOf(docx, dir);
    QByteArray info, text;
    if (!RunTool(find("pdfinfo"), {pdf}, dir, &info) ||
        !RunTool(find("pdftotext"), {pdf, QStringLiteral("-")}, dir, &text))
        return false;
    out->pageInfo = QString::fromUtf8(info);
    out->text = QString::fromUtf8(text);
    return true;
}

} // namespace karo::test
