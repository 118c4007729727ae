#include "report/report_run.h"

#include "picture/section_picture.h"
#include "report/document.h"
#include "report/report_content.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace karo::report {

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kIntroduction = u"\tДля заданного составного сечения необходимо определить:\r"
                              u"\t- положение центра тяжести,\r"
                              u"\t- положение главных центральных осей,\r"
                              u"\t- главные моменты инерции,\r"
                              u"\t- главные радиусы инерции,\r"
                              u"\t- моменты сопротивления.\r"_s;

// Stands for the section picture until this run has drawn it; the solution never types a
// text like it.
const QString kPicturePlaceholder = u"###0"_s;

// Calls the end hook however the run is left.
class EndGuard {
  public:
    explicit EndGuard(const std::function<void()>& end) : end_(end) {}
    ~EndGuard() {
        if (end_)
            end_();
    }
    EndGuard(const EndGuard&) = delete;
    EndGuard& operator=(const EndGuard&) = delete;

  private:
    const std::function<void()>& end_;
};

} // namespace

ReportRunResult RunReport(TSectionModel& model, const FieldTexts* onShow, TSectionResult& result,
                          const ReportRunHooks& hooks, const QString& outputPath,
                          const QImage* picture, SolveObserver* observer) {
    ReportRunResult out;
    const EndGuard guard(hooks.end);
    if (hooks.begin)
        hooks.begin();
    const auto step = [&] {
        ++out.steps;
        if (hooks.step)
            hooks.step();
    };

    // A new document: A4 page, margins and Times New Roman 12 are its defaults.
    Document doc;
    step();
    const bool pictureGiven = picture && !picture->isNull();
    step();

    doc.align(AlignJustify);
    doc.bold(true);
    doc.text(kIntroduction);
    doc.align(AlignCenter);
    doc.bold(false);
    doc.paragraph();
    if (pictureGiven)
        doc.pasteImage(PaletteImage(*picture));
    else
        doc.text(kPicturePlaceholder);
    doc.paragraph();
    doc.align(AlignLeft);
    doc.paragraph();
    step();

    SectionPicture sectionPicture;
    ReportContent content(doc, step);
    // The picture draws first, so the report's hooks and the caller's see it drawn.
    SolveObservers observers{&sectionPicture, &content, observer};
    try {
        out.outcome = SolveSection(model, onShow, result, &observers);
    } catch (const ArithmeticError& e) {
        out.fault = e;
        out.error = QString::fromUtf8(e.what()) + u"."_s;
        out.picture = sectionPicture.image();
        return out;
    }
    out.picture = sectionPicture.image();
    if (!pictureGiven)
        doc.replacePlaceholder(kPicturePlaceholder,
                               [&](Document& term) { term.pasteImage(PaletteImage(out.picture)); });
    step();

    QString path = outputPath;
    const bool claimed = path.isEmpty();
    if (claimed) {
        path = NewReportPath(QDir::tempPath());
        if (path.isEmpty()) {
            out.error = u"Не удалось создать файл отчета в папке «%1»."_s.arg(
                QDir::toNativeSeparators(QDir::tempPath()));
            return out;
        }
    }
    QString error;
    if (!doc.saveDocx(path, &error)) {
        if (claimed)
            QFile::remove(path); // the empty file that held the name
        out.error = error;
        return out;
    }
    out.path = path;
    return out;
}

QString NewReportPath(const QString& folder) {
    const QDir dir(folder);
    if (!dir.exists())
        return {};
    static const QRegularExpression kName(u"^Отчет (\\d{1,9})\\.docx$"_s);
    int largest = 0;
    const QStringList names = dir.entryList({u"Отчет *.docx"_s}, QDir::Files | QDir::Hidden);
    for (const QString& name : names) {
        const QRegularExpressionMatch m = kName.match(name);
        if (m.hasMatch())
            largest = std::max(largest, m.captured(1).toInt());
    }
    // Another program may take a name between the look and the claim: try the next ones.
    for (int n = largest + 1; n <= largest + 100; ++n) {
        const QString path = dir.filePath(u"Отчет %1.docx"_s.arg(n));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return path;
        if (!file.exists())
            return {}; // not a clash: the folder does not take files
    }
    return {};
}

QString ReportFailureText(const QString& reason) {
    QString text = u"Создание отчета невозможно."_s;
    if (!reason.isEmpty())
        text += u"\n"_s + reason;
    return text;
}

QString ReportWrittenText(const QString& writtenPath) {
    return u"Отчет записан в файл «%1».\nОн открывается в текстовом процессоре, например в "
           u"LibreOffice Writer."_s.arg(QDir::toNativeSeparators(writtenPath));
}

} // namespace karo::report
