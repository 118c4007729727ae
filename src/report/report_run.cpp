#include "report/report_run.h"

#include "picture/section_picture.h"
#include "report/document.h"
#include "report/report_content.h"

#include "io/safe_file.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <cerrno>
#include <dirent.h>

namespace karo::report {

using namespace Qt::Literals::StringLiterals;

namespace {

// The report's texts, Russian as written here, in the language installed.
struct Report {
    Q_DECLARE_TR_FUNCTIONS(Report)
};

QString introduction() {
    QString text;
    for (const char* line :
         {QT_TRANSLATE_NOOP("Report", "Для заданного составного сечения необходимо определить:"),
          QT_TRANSLATE_NOOP("Report", "- положение центра тяжести,"),
          QT_TRANSLATE_NOOP("Report", "- положение главных центральных осей,"),
          QT_TRANSLATE_NOOP("Report", "- главные моменты инерции,"),
          QT_TRANSLATE_NOOP("Report", "- главные радиусы инерции,"),
          QT_TRANSLATE_NOOP("Report", "- моменты сопротивления.")})
        text += u"\t"_s + Report::tr(line) + u"\r"_s;
    return text;
}

// The name of a new report, "Отчет N.docx", without its number and extension.
QString reportName() {
    return Report::tr("Отчет");
}

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

ReportRunResult RunReport(const TSectionModel& model, const SolveOutcome* committed,
                          TSectionResult& result, const ReportRunHooks& hooks,
                          const QString& outputPath, const QImage* picture) {
    ReportRunResult out;
    const EndGuard guard(hooks.end);
    if (hooks.begin)
        hooks.begin();
    const auto step = [&] {
        ++out.steps;
        if (hooks.step)
            hooks.step();
    };

    // A new document: A4 page, margins and Times New Roman 12 are its defaults. Its
    // introduction and picture are written once the run has drawn the picture.
    Document doc;
    step();
    step();
    step();

    // The entries on show were committed where the solve begins, as on the result tab.
    if (committed)
        out.outcome = *committed;
    const bool rejected = out.outcome.status == SolveStatus::Rejected;
    if (!rejected) {
        try {
            out.outcome = SolveSection(model, result);
        } catch (const ArithmeticError& e) {
            out.fault = e;
            out.error = QString::fromUtf8(e.what()) + u"."_s;
        }
    }
    // A refused section leaves the picture white, like a run that stopped before the centroid.
    out.picture = DrawSectionPicture(model, rejected ? TSectionResult() : result);

    doc.align(AlignJustify);
    doc.bold(true);
    doc.text(introduction());
    doc.align(AlignCenter);
    doc.bold(false);
    doc.paragraph();
    doc.pasteImage(PaletteImage(picture && !picture->isNull() ? *picture : out.picture));
    doc.paragraph();
    doc.align(AlignLeft);
    doc.paragraph();
    if (!rejected)
        WriteSolution(doc, model, result, step);
    // A fault stops the solution in the middle: no file.
    if (out.fault)
        return out;
    if (hooks.appendix && !rejected && out.outcome.status == SolveStatus::Solved)
        hooks.appendix(doc, result);
    step();

    QString error;
    if (!outputPath.isEmpty()) {
        if (!doc.saveDocx(outputPath, &error)) {
            out.error = error;
            return out;
        }
        out.path = outputPath;
        return out;
    }
    // A folder of this user's own: nobody else can plant names there or read the report.
    QString reason;
    const QString folder = io::UserTemporaryFolder(&reason);
    const QByteArray docx = doc.toDocx(&error);
    if (docx.isEmpty()) {
        out.error = error;
        return out;
    }
    const QString path = folder.isEmpty() ? QString() : WriteNewReport(folder, docx, &reason);
    if (path.isEmpty()) {
        out.error =
            Report::tr("Не удалось создать файл отчета в папке «%1»: %2.")
                .arg(QDir::toNativeSeparators(folder.isEmpty() ? io::TemporaryFolder() : folder),
                     reason);
        return out;
    }
    out.path = path;
    return out;
}

namespace {

// Decimal numbers of any length, as digit strings without leading zeros.
bool numberLess(const QByteArray& a, const QByteArray& b) {
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

QByteArray numberPlusOne(QByteArray n) {
    for (qsizetype i = n.size() - 1; i >= 0; --i) {
        if (n[i] != '9') {
            ++n[i];
            return n;
        }
        n[i] = '0';
    }
    return '1' + n;
}

} // namespace

QString WriteNewReport(const QString& folder, const QByteArray& docx, QString* reason) {
    const QByteArray prefix = (reportName() + u" "_s).toUtf8();
    const QByteArray suffix = QByteArrayLiteral(".docx");
    QByteArray largest = QByteArrayLiteral("0");
    DIR* dir = ::opendir(io::EncodeFileName(folder).constData());
    if (!dir) {
        if (reason)
            *reason = io::SystemReasonText(errno);
        return {};
    }
    while (const dirent* e = ::readdir(dir)) {
        const QByteArray name(e->d_name);
        if (!name.startsWith(prefix) || !name.endsWith(suffix))
            continue;
        const QByteArray digits =
            name.mid(prefix.size(), name.size() - prefix.size() - suffix.size());
        const bool number =
            !digits.isEmpty() && digits[0] != '0' &&
            std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (number && numberLess(largest, digits))
            largest = digits;
    }
    ::closedir(dir);
    // Another copy may take a name between the look and the write: the next ones are tried.
    QByteArray n = largest;
    return io::WriteNewFileSafely(
        folder, reportName() + u".docx"_s,
        [&](int) {
            n = numberPlusOne(n);
            return QString::fromUtf8(prefix + n + suffix);
        },
        docx, reason);
}

QString ReportFailureText(const QString& reason) {
    QString text = Report::tr("Создание отчета невозможно.");
    if (!reason.isEmpty())
        text += u"\n"_s + reason;
    return text;
}

QString ReportWrittenText(const QString& writtenPath) {
    return Report::tr("Отчет записан в файл «%1».\nОн открывается в текстовом процессоре, "
                      "например в LibreOffice Writer.")
        .arg(QDir::toNativeSeparators(writtenPath));
}

} // namespace karo::report
