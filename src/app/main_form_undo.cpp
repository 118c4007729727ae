// The window as a view of the section document: the tabs follow the document, the fields'
// typing goes to it, the undo and redo keys move along its stack, and the title names its file
// and marks its changes. Also the question before changes not saved are lost.

#include "app/main_form.h"
#include "app/profile_edit.h"
#include "app/spin_edit.h"
#include "io/section_file.h"
#include "io/to_qstring.h"
#include "model/messages.h"
#include "texts/message_text.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QUndoStack>

#include <memory>

namespace karo::app {

namespace {

bool isUndoKey(const QKeyEvent& k) {
    const Qt::KeyboardModifiers mods = k.modifiers() & (Qt::ControlModifier | Qt::ShiftModifier |
                                                        Qt::AltModifier | Qt::MetaModifier);
    if (k.key() == Qt::Key_Z)
        return mods == Qt::ControlModifier || mods == (Qt::ControlModifier | Qt::ShiftModifier);
    return k.key() == Qt::Key_Y && mods == Qt::ControlModifier;
}

} // namespace

QUndoStack* TMainForm::undoStack() const {
    return document_.undoStack();
}

void TMainForm::buildUndo() {
    connectDocument();
    updateTitle();
}

void TMainForm::watchFields(const KindPage& p) {
    // The keys are those of the Правка menu's items; in a field they reach the menu too, as
    // the field keeps no typing history of its own.
    for (std::size_t i = 0; i < p.fields.size(); ++i) {
        TProfileEdit* f = p.fields[i];
        f->installEventFilter(this);
        const Kind k = p.kind;
        const int field = static_cast<int>(i);
        // What the user types belongs to the document at once: a step of its own.
        connect(f, &QLineEdit::textChanged, this, [this, k, field](const QString& text) {
            if (showingDocument_ == 0)
                guarded([&] { document_.type(k, field, text.toStdString()); });
        });
    }
}

void TMainForm::connectDocument() {
    connect(&document_, &SectionDocument::changed, this,
            [this](const DocumentChange& c) { documentChanged(c); });
}

void TMainForm::documentChanged(const DocumentChange& c) {
    for (Kind k : TabOrder) {
        if (!c.touches(k))
            continue;
        if (c.has(DocumentChange::Lists)) {
            // The program's own changes of a list: the spin box can go down to 0 only while
            // the kind has at most one entry.
            KindPage& p = pages_[kindIndex(k)];
            const int count = model_.state(k).Count;
            if (c.has(DocumentChange::Replaced))
                p.spinMin = count > 0 ? 1 : 0;
            else if (count >= 2)
                p.spinMin = 1;
            else if (count == 0)
                p.spinMin = 0;
            showKind(k);
        } else if (c.has(DocumentChange::Texts) && pages_[kindIndex(k)].built) {
            for (std::size_t i = 0; i < kindInfo(k).fields.size(); ++i)
                showText(k, static_cast<int>(i));
            updateCatalogueLabel(k);
        }
    }
    if (c.has(DocumentChange::File)) {
        updateTitle();
    }
    if (c.has(DocumentChange::Replayed)) {
        // The change is shown where it happened; leaving that tab commits it as usual.
        for (Kind k : TabOrder) {
            if (!c.touches(k))
                continue;
            const int tab = kindInfo(k).tabNumber;
            if (currentTabNumber() != tab) {
                showTab(tab);
                lastTabNumber_ = tab;
                newTabNumber_ = tab;
            }
            break;
        }
    }
}

void TMainForm::updateTitle() {
    const QString caption = tr(kMainCaption);
    const QString file = document_.fileName();
    if (file.isEmpty()) {
        // The caption begins with a blank, which parts it from the marker.
        setWindowTitle(QStringLiteral("[*]") + caption);
    } else {
        QString name = QFileInfo(file).fileName();
        name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")); // a literal "[*]"
        setWindowTitle(name + QStringLiteral("[*] —") + caption);
    }
    setWindowModified(document_.isModified());
}

bool TMainForm::fieldEvent(QObject* watched, QEvent* e) {
    auto* field = qobject_cast<TProfileEdit*>(watched);
    if (!field)
        return false;
    if (e->type() == QEvent::FocusOut) {
        document_.endTyping();
        return false;
    }
    if (e->type() != QEvent::ShortcutOverride && e->type() != QEvent::KeyPress)
        return false;
    if (!isUndoKey(*static_cast<QKeyEvent*>(e)))
        return false;
    // A field keeps no typing history of its own: its typing is already a step of the
    // document's, which the window's keys take back.
    if (e->type() == QEvent::ShortcutOverride) {
        e->setAccepted(false);
        return true;
    }
    return true;
}

void TMainForm::setSpinValue(Kind k, int value) {
    KindPage& p = page(k);
    p.state = lesIgnoreChange;
    p.number->setValue(value);
    p.state = lesIdle;
}

void TMainForm::showKind(Kind k) {
    // A page not built yet shows the document when it is built.
    if (!pages_[kindIndex(k)].built)
        return;
    // The spin box shows the entry on show within 1..Count and can be used from two entries
    // on; the rows are usable while there are entries; the picture shows the kind's code.
    KindPage& p = page(k);
    const TKindState& st = model_.state(k);
    p.number->setMinValue(std::min(p.spinMin, st.Count));
    p.number->setMaxValue(st.Count);
    setSpinValue(k, st.Count > 0 ? st.CurrentNumber : 0);
    p.number->setEnabled(st.Count >= 2);
    setRowsEnabled(k, st.Count > 0);
    if (p.place)
        p.place->setEnabled(st.Count > 0);
    for (std::size_t i = 0; i < p.fields.size(); ++i)
        showText(k, static_cast<int>(i));
    showPicture(k, k == Kind::List ? 1 : st.Orientation);
    updateCapacity(k);
}

void TMainForm::showText(Kind k, int field) {
    if (!pages_[kindIndex(k)].built)
        return;
    TProfileEdit* f = page(k).fields.at(static_cast<std::size_t>(field));
    const QString text = QString::fromStdString(document_.text(k, field));
    if (f->text() != text) {
        ++showingDocument_;
        f->setText(text);
        --showingDocument_;
    }
}

void TMainForm::closeEvent(QCloseEvent* e) {
    bool close = false;
    guarded([this, &close] { close = askSaveChanges(); });
    if (close) {
        e->accept();
        emit closeAccepted();
    } else {
        e->ignore();
    }
}

bool TMainForm::askSaveChanges() {
    if (!hasUnsavedChanges())
        return true;
    const QString file = document_.fileName();
    const QString text =
        file.isEmpty() ? tr("Сохранить изменения в новом сечении?")
                       : tr("Сохранить изменения в сечении «%1»?").arg(QFileInfo(file).fileName());
    switch (dialogs_.askSaveChanges(this, text)) {
    case SaveChangesAnswer::Save:
        return saveClick(); // a save that fails or is cancelled keeps everything as it is
    case SaveChangesAnswer::Discard:
        return true;
    case SaveChangesAnswer::Cancel:
        break;
    }
    return false;
}

void TMainForm::openHandedOver(const QString& path) {
    guarded([this, &path] {
        // A file that will not open is said at once: asking first whether to save the section
        // on show would be for nothing.
        if (const LoadReport probe = LoadSectionFile(path, *std::make_unique<TSectionModel>(),
                                                     QString(), Unfinished::Kept);
            !probe.ok()) {
            dialogs_.warning(this, MessageText(MessageCode::WarningCaption), probe.message);
            return;
        }
        if (hasUnsavedChanges()) {
            // The question comes in front of the user.
            raise();
            activateWindow();
        }
        if (askSaveChanges())
            openSection(path);
    });
}

} // namespace karo::app
