// The result tab's buttons: the result sheet saved as a bitmap or printed, and the report.

#include "app/main_form.h"

#include "io/to_qstring.h"
#include "model/messages.h"
#include "picture/result_sheet.h"
#include "picture/sheet_print.h"
#include "report/report_run.h"
#include "texts/message_text.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>

namespace karo::app {

void TMainForm::connectResultButtons() {
    connect(bbSave_, &QPushButton::clicked, this, [this] { guarded([this] { bbSaveClick(); }); });
    connect(bbPrint_, &QPushButton::clicked, this, [this] { guarded([this] { bbPrintClick(); }); });
    connect(bbWord_, &QPushButton::clicked, this, [this] { guarded([this] { bbWordClick(); }); });

    // A focused button takes Enter itself; the print button is the default only while no
    // other button of the tab has the focus (Enter elsewhere on the tab reaches the tab).
    QWidget* sheet = bbPrint_->parentWidget();
    for (QPushButton* b : sheet->findChildren<QPushButton*>())
        if (b != bbPrint_)
            b->setAutoDefault(true);
    focusWatch_ =
        connect(qApp, &QApplication::focusChanged, this, [this, sheet](QWidget*, QWidget* now) {
            auto* button = qobject_cast<QPushButton*>(now);
            bbPrint_->setDefault(!(button && button != bbPrint_ && sheet->isAncestorOf(button)));
        });
}

void TMainForm::bbSaveClick() {
    const QString chosen = dialogs_.saveFileName(
        this, tr("Сохранить результаты"), QDir(lastFolder_).filePath(QStringLiteral("Results")),
        QStringLiteral("*.bmp"));
    if (chosen.isEmpty())
        return;
    QString error;
    const QString path = SheetTarget(chosen, &error);
    if (path.isEmpty()) {
        dialogs_.error(this, ToQString(kAppTitle), error);
        return;
    }
    // The dialog asked about the name as chosen; the name written may be another one.
    if (path != chosen && QFileInfo::exists(path) && !dialogs_.confirmOverwrite(this, path))
        return;
    if (!SaveSheetBmp(BuildResultSheet(document_.picture(), ResultFieldTexts(document_.result())),
                      path, &error)) {
        dialogs_.error(this, ToQString(kAppTitle), error);
        return;
    }
    rememberFolder(path);
}

void TMainForm::bbPrintClick() {
    QPrinter printer(QPrinter::HighResolution);
    if (!dialogs_.printSetup(this, printer))
        return;
    // The copies are pages of our own job, one sheet each.
    const int copies = printer.copyCount();
    QString error;
    if (!PrintSheet(printer,
                    BuildResultSheet(document_.picture(), ResultFieldTexts(document_.result())),
                    copies, logicalDpiX(), logicalDpiY(), &error))
        dialogs_.error(this, ToQString(kAppTitle), error);
}

void TMainForm::bbWordClick() {
    const QString path = writeReport(QString());
    if (!path.isEmpty() && !dialogs_.openDocument(path))
        dialogs_.warning(this, MessageText(MessageCode::WarningCaption),
                         report::ReportWrittenText(path));
}

QString TMainForm::writeReport(const QString& outputPath) {
    // The section as it stands, as on the result tab: a refusal is told at once and the
    // report shows the section unsolved.
    const SolveOutcome committed = reportChecks();
    report::ReportRunHooks hooks;
    hooks.begin = [this] {
        progress_->setValue(0);
        panel9_->show();
        panel9_->repaint();
    };
    hooks.step = [this] {
        progress_->setValue(progress_->value() + 1);
        progress_->repaint();
    };
    // Whatever happens during the run, the window returns to rest.
    hooks.end = [this] {
        panel9_->hide();
        progress_->setValue(0);
    };

    hooks.appendix = [this](report::Document& d, const TSectionResult& r) {
        writePropertiesChapter(d, r);
    };

    // The run solves the section once more for its solution; the picture is the document's.
    TSectionResult result;
    const report::ReportRunResult run =
        report::RunReport(model_, &committed, result, hooks, outputPath, &document_.picture());
    showSectionPicture();
    if (run.fault) {
        clearResultFields();
        dialogs_.error(this, ToQString(kAppTitle), run.error);
        return {};
    }
    showSolveOutcome(run.outcome);
    if (!run.written())
        dialogs_.warning(this, MessageText(MessageCode::WarningCaption),
                         report::ReportFailureText(run.error));
    return run.path;
}

} // namespace karo::app
