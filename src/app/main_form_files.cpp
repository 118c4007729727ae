// Section files from the window: open, save, save as, and files dropped onto the window.

#include "app/main_form.h"

#include "app/profile_edit.h"
#include "app/spin_edit.h"
#include "io/safe_file.h"
#include "io/section_file.h"
#include "io/to_qstring.h"
#include "model/messages.h"
#include "texts/message_text.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUndoStack>
#include <QUrl>

#include <memory>

namespace karo::app {

namespace {

QString sectionFilter() {
    return QCoreApplication::translate("karo::app::TMainForm", "Сечение Karo (*.karo)");
}

// The first local .karo file among dropped URLs, or an empty string.
QString droppedSection(const QMimeData* mime) {
    if (!mime || !mime->hasUrls())
        return {};
    for (const QUrl& url : mime->urls()) {
        if (url.isLocalFile() &&
            url.toLocalFile().endsWith(QStringLiteral(".karo"), Qt::CaseInsensitive))
            return url.toLocalFile();
    }
    return {};
}

} // namespace

void TMainForm::buildFileControls() {
    // Open, save and save as are on the menu bar, with their keys; files may also be dropped.
    setAcceptDrops(true);
    lastFolder_ = QDir::homePath();
}

void TMainForm::rememberFolder(const QString& path) {
    lastFolder_ = QFileInfo(path).absolutePath();
}

bool TMainForm::openSection(const QString& path) {
    const LoadReport report = document_.open(path);
    if (!report.ok()) {
        dialogs_.warning(this, MessageText(MessageCode::WarningCaption), report.message);
        return false;
    }
    rememberFolder(path);
    recentFileUsed(sectionFile());
    showLoadedSection();
    if (!report.warnings.empty()) {
        QString text = MessageText(MessageCode::InputError);
        for (const SectionWarning& w : report.warnings)
            text += QLatin1Char('\n') + WarningText(w);
        dialogs_.warning(this, MessageText(MessageCode::WarningCaption), text);
    }
    return true;
}

void TMainForm::showLoadedSection() {
    // The tabs have followed the document; results on show belong to the section that was
    // replaced.
    clearResultFields();
    lastTabNumber_ = 1;
    newTabNumber_ = 1;
    showTab(1);
}

bool TMainForm::saveSection(const QString& path) {
    // The section is saved as it stands, an unfinished entry as typed: nothing typed is lost.
    // The warnings come as leaving the tabs gives them; a refusal waits for the solve.
    reportChecks(false);
    QString error;
    if (!document_.save(path, &error)) {
        dialogs_.error(
            this, ToQString(kAppTitle),
            tr("Не удается сохранить файл «%1»:\n%2").arg(QDir::toNativeSeparators(path), error));
        return false;
    }
    rememberFolder(path);
    recentFileUsed(sectionFile());
    return true;
}

void TMainForm::openClick() {
    if (!askSaveChanges())
        return;
    const QString path =
        dialogs_.openFileName(this, tr("Открыть сечение"), lastFolder_, sectionFilter());
    if (!path.isEmpty())
        openSection(path);
}

bool TMainForm::saveClick() {
    if (sectionFile().isEmpty())
        return saveAsClick();
    if (saveSection(sectionFile()))
        return true;
    // A write-protected file is kept, and another name offered, as editors do.
    return io::IsWriteProtected(sectionFile()) && saveAsClick();
}

bool TMainForm::saveAsClick() {
    const QString initial =
        sectionFile().isEmpty() ? QDir(lastFolder_).filePath(tr("Сечение.karo")) : sectionFile();
    QString path = dialogs_.saveFileName(this, tr("Сохранить сечение"), initial, sectionFilter());
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".karo");
        // The dialog asked about the name without the extension.
        if (QFileInfo::exists(path) && !dialogs_.confirmOverwrite(this, path))
            return false;
    }
    return saveSection(path);
}

// A dropped file is only ever copied from: a drag source that honours a move would delete it.
void TMainForm::dragEnterEvent(QDragEnterEvent* e) {
    if (!droppedSection(e->mimeData()).isEmpty() && (e->possibleActions() & Qt::CopyAction)) {
        e->setDropAction(Qt::CopyAction);
        e->accept();
    }
}

void TMainForm::dropEvent(QDropEvent* e) {
    const QString path = droppedSection(e->mimeData());
    if (path.isEmpty() || !(e->possibleActions() & Qt::CopyAction))
        return;
    e->setDropAction(Qt::CopyAction);
    e->accept();
    openHandedOver(path);
}

} // namespace karo::app
