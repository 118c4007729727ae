// Undo and redo of the section's changes, the title with the file's name and the changed
// marker, and the question before changes not saved are lost.

#include "app/form_hooks.h"
#include "app/main_form.h"
#include "app/profile_edit.h"
#include "app/spin_edit.h"
#include "io/to_qstring.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QUndoStack>

namespace karo::app {

namespace {

enum class UndoKey { None, Undo, Redo };

UndoKey undoKeyOf(const QKeyEvent& k) {
    const Qt::KeyboardModifiers mods = k.modifiers() & (Qt::ControlModifier | Qt::ShiftModifier |
                                                        Qt::AltModifier | Qt::MetaModifier);
    if (k.key() == Qt::Key_Z && mods == Qt::ControlModifier)
        return UndoKey::Undo;
    if ((k.key() == Qt::Key_Z && mods == (Qt::ControlModifier | Qt::ShiftModifier)) ||
        (k.key() == Qt::Key_Y && mods == Qt::ControlModifier))
        return UndoKey::Redo;
    return UndoKey::None;
}

} // namespace

// One change of the section: what the editor wrote, and the tabs before and after it. Done
// when it is pushed; undo and redo replay it.
class TSectionCommand : public QUndoCommand {
  public:
    TSectionCommand(TMainForm& form, SectionDelta delta, std::vector<TMainForm::TabView> before,
                    std::vector<TMainForm::TabView> after)
        : form_(form), delta_(std::move(delta)), before_(std::move(before)),
          after_(std::move(after)) {}
    void undo() override { form_.replay(delta_, before_, true); }
    void redo() override {
        if (std::exchange(fresh_, false))
            return;
        form_.replay(delta_, after_, false);
    }

  private:
    TMainForm& form_;
    SectionDelta delta_;
    std::vector<TMainForm::TabView> before_, after_;
    bool fresh_ = true;
};

void TMainForm::buildUndo() {
    undoStack_ = new QUndoStack(this);
    connect(undoStack_, &QUndoStack::cleanChanged, this,
            [this](bool clean) { setWindowModified(!clean); });
    // The keys are those of the Правка menu's items. A field with typing of its own to take back
    // gets the keys first.
    for (KindPage& p : pages_)
        for (TProfileEdit* f : p.fields)
            f->installEventFilter(this);
    updateTitle();
}

void TMainForm::updateTitle() {
    const QString caption = QString::fromUtf8(kMainCaption);
    if (sectionFile_.isEmpty()) {
        // The caption begins with a blank, which parts it from the marker.
        setWindowTitle(QStringLiteral("[*]") + caption);
    } else {
        QString name = QFileInfo(sectionFile_).fileName();
        name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")); // a literal "[*]"
        setWindowTitle(name + QStringLiteral("[*] —") + caption);
    }
    setWindowModified(!undoStack_->isClean());
}

bool TMainForm::undoKeyInField(QObject* watched, QEvent* e) {
    if (e->type() != QEvent::ShortcutOverride && e->type() != QEvent::KeyPress)
        return false;
    auto* field = qobject_cast<TProfileEdit*>(watched);
    if (!field)
        return false;
    const UndoKey key = undoKeyOf(*static_cast<QKeyEvent*>(e));
    if (key == UndoKey::None)
        return false;
    const bool own = key == UndoKey::Undo ? field->isUndoAvailable() : field->isRedoAvailable();
    if (e->type() == QEvent::ShortcutOverride) {
        // Accepted, the key press goes to the field; left alone, to the window's shortcut.
        e->setAccepted(own);
        return true;
    }
    if (!own)
        return false;
    if (key == UndoKey::Undo)
        field->undo();
    else
        field->redo();
    return true;
}

TMainForm::TabView TMainForm::captureView(Kind k) const {
    const KindPage& p = page(k);
    TabView v;
    v.kind = k;
    for (const TProfileEdit* f : p.fields)
        v.texts.push_back(f->text());
    v.spinMin = p.number->minValue();
    return v;
}

TMainForm::TabView TMainForm::entryView(Kind k, int spinMin) const {
    const TKindState& st = model_.state(k);
    const KindInfo& info = kindInfo(k);
    TabView v;
    v.kind = k;
    v.spinMin = spinMin;
    for (const FieldInfo& f : info.fields)
        v.texts.push_back(st.Count > 0 ? ToQString(model_.text(k, st.CurrentNumber, f.slot))
                                       : QString());
    return v;
}

void TMainForm::setSpinValue(Kind k, int value) {
    KindPage& p = page(k);
    p.state = lesIgnoreChange;
    p.number->setValue(value);
    p.state = lesIdle;
}

void TMainForm::restoreView(const TabView& v) {
    // The spin box shows the entry on show within 1..Count and can be used from two entries
    // on; the rows are usable while there are entries; the picture shows the kind's code.
    const Kind k = v.kind;
    KindPage& p = page(k);
    const TKindState& st = model_.state(k);
    p.number->setMinValue(std::min(v.spinMin, st.Count));
    p.number->setMaxValue(st.Count);
    setSpinValue(k, st.Count > 0 ? st.CurrentNumber : 0);
    p.number->setEnabled(st.Count >= 2);
    setRowsEnabled(k, st.Count > 0);
    // Setting a text also forgets the field's own typing history, which belonged to what
    // the field showed before.
    for (std::size_t i = 0; i < p.fields.size() && i < v.texts.size(); ++i)
        p.fields[i]->setText(v.texts[i]);
    if (k != Kind::List)
        showPicture(k, st.Orientation);
    updateCapacity(k);
}

void TMainForm::push(SectionDelta delta, std::vector<TabView> before, std::vector<TabView> after) {
    if (delta.empty())
        return;
    undoStack_->push(
        new TSectionCommand(*this, std::move(delta), std::move(before), std::move(after)));
}

void TMainForm::pushCommits(SectionDelta delta, const std::vector<TabView>& captured) {
    if (delta.empty())
        return;
    std::vector<TabView> before, after;
    for (const KindDelta& d : delta.kinds) {
        TabView v = captureView(d.kind);
        for (const TabView& c : captured)
            if (c.kind == d.kind)
                v = c;
        // Undoing a commit takes the typing back: the fields show the entry as it was.
        const KindInfo& info = kindInfo(d.kind);
        for (const EntryDelta& e : d.entries) {
            if (e.number != d.before.CurrentNumber)
                continue;
            for (std::size_t i = 0; i < info.fields.size() && i < v.texts.size(); ++i)
                v.texts[i] =
                    ToQString(e.before.texts[static_cast<std::size_t>(info.fields[i].slot)]);
        }
        before.push_back(std::move(v));
        after.push_back(captureView(d.kind));
    }
    push(std::move(delta), std::move(before), std::move(after));
}

void TMainForm::replay(const SectionDelta& d, const std::vector<TabView>& views, bool backwards) {
    if (backwards)
        editor_.undo(d);
    else
        editor_.redo(d);
    for (const TabView& v : views)
        restoreView(v);
    // The change is shown where it happened; leaving that tab commits it as usual.
    if (!views.empty()) {
        const int tab = kindInfo(views.front().kind).tabNumber;
        if (currentTabNumber() != tab) {
            showTab(tab);
            lastTabNumber_ = tab;
            newTabNumber_ = tab;
        }
    }
}

bool TMainForm::hasUnsavedChanges() const {
    if (!undoStack_->isClean())
        return true;
    for (Kind k : TabOrder) {
        const TKindState& st = model_.state(k);
        if (st.Count < 1)
            continue;
        const KindPage& p = page(k);
        const KindInfo& info = kindInfo(k);
        for (std::size_t i = 0; i < p.fields.size(); ++i)
            if (p.fields[i]->text() !=
                ToQString(model_.text(k, st.CurrentNumber, info.fields[i].slot)))
                return true;
    }
    return false;
}

bool TMainForm::askSaveChanges() {
    if (!hasUnsavedChanges())
        return true;
    const QString text = sectionFile_.isEmpty()
                             ? QStringLiteral("Сохранить изменения в новом сечении?")
                             : QStringLiteral("Сохранить изменения в сечении «%1»?")
                                   .arg(QFileInfo(sectionFile_).fileName());
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

void TMainForm::closeEvent(QCloseEvent* e) {
    bool close = false;
    guarded([this, &close] { close = askSaveChanges(); });
    if (close)
        e->accept();
    else
        e->ignore();
}

void TMainForm::openHandedOver(const QString& path) {
    guarded([this, &path] {
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
