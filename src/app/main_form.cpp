#include "app/main_form.h"

#include "app/karo_application.h"
#include "app/profile_edit.h"
#include "app/spin_edit.h"
#include "io/to_qstring.h"
#include "magnet/form_magnet.h"
#include "model/arith.h"
#include "model/messages.h"
#include "model/orientation.h"
#include "picture/primitives.h"
#include "picture/section_picture.h"
#include "texts/message_text.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QUndoStack>

namespace karo::app {

TMainForm::TMainForm(SectionDocument& document, UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent), document_(document), model_(document.model()), dialogs_(dialogs) {
    buildWindow();
    buildFileControls();
    connectResultButtons();
    buildUndo();
    buildMenu();
    // The window snaps to the edges of the work area while it is moved.
    TFormMagnet::attachToMainWindow(this);
}

TMainForm::~TMainForm() {
    // Qt drops a connection only in QObject's own destructor, and QWidget's destructor runs
    // first and closes the window, which moves the focus: by then this is no TMainForm.
    disconnect(focusWatch_);
}

void TMainForm::guarded(const std::function<void()>& body) {
    RunGuarded(dialogs_, this, body);
}

void TMainForm::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!centred_) {
        centred_ = true;
        if (QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen()) {
            const QRect area = s->availableGeometry();
            QRect frame = frameGeometry();
            frame.moveCenter(area.center());
            move(frame.topLeft());
        }
    }
    if (!activated_) {
        activated_ = true;
        ActivateForm();
    }
}

void TMainForm::paintEvent(QPaintEvent* e) {
    QWidget::paintEvent(e);
    // The tabs not on show are built once the window is on screen, before the user can turn
    // to them.
    if (!restScheduled_) {
        restScheduled_ = true;
        QTimer::singleShot(0, this, [this] { buildRemainingTabs(); });
    }
}

void TMainForm::ActivateForm() {
    activated_ = true;
    // Numbers are parsed and formatted by the program's own routines, always with a point;
    // keys are read by position, so no keyboard layout needs to be switched.
    // A fresh start: every kind empty with its start code, nothing to undo, no file.
    document_.reset();
    for (KindPage& p : pages_)
        p.state = lesIdle;
    lastTabNumber_ = 1;
    newTabNumber_ = 1;
    showTab(1);
}

void TMainForm::showTab(int number) {
    buildTab(number);
    ++programmaticTabChange_;
    tabs_->setCurrentIndex(number - 1);
    --programmaticTabChange_;
}

int TMainForm::currentTabNumber() const {
    return tabs_->currentIndex() + 1;
}

// ---- commit -------------------------------------------------------------------------------

void TMainForm::reportCommit(Kind k, const CommitResult& c) {
    if (!c.rejected() && !c.warned())
        return;
    showTab(kindInfo(k).tabNumber);
    // The second line names the broken rule or the failed check, or the user would not know
    // why the tab came back.
    dialogs_.warning(this, MessageText(MessageCode::WarningCaption),
                     MessageText(CommitMessage(k, c)));
    if (c.rejected() && c.rejectedField >= 0) {
        TProfileEdit* f = page(k).fields.at(static_cast<std::size_t>(c.rejectedField));
        f->setFocus();
        f->selectAll();
    }
}

int TMainForm::commitKind(Kind k) {
    const CommitResult c = ShownCommit(model_, k);
    reportCommit(k, c);
    return c.Code;
}

// ---- list editing -------------------------------------------------------------------------

void TMainForm::showPicture(Kind k, int code) {
    KindPage& p = page(k);
    for (QLabel* im : p.pictures)
        im->hide();
    if (code >= 1 && code <= static_cast<int>(p.pictures.size()))
        p.pictures[static_cast<std::size_t>(code - 1)]->show();
    updateCatalogueLabel(k);
}

void TMainForm::setRowsEnabled(Kind k, bool enabled) {
    KindPage& p = page(k);
    for (QWidget* w : p.rowLabels)
        w->setEnabled(enabled);
    for (TProfileEdit* f : p.fields)
        f->setEnabled(enabled);
}

void TMainForm::updateCapacity(Kind k) {
    // A kind holds at most MaxEntriesPerKind entries: the add button says so and rests.
    KindPage& p = page(k);
    const bool full = model_.state(k).Count >= MaxEntriesPerKind;
    p.add->setEnabled(!full);
    p.add->setToolTip(
        full ? tr("Добавить нельзя: не более %1 профилей одного вида").arg(MaxEntriesPerKind)
             : tr("Добавить"));
}

void TMainForm::addClick(Kind k) {
    KindPage& p = page(k);
    if (model_.state(k).Count >= MaxEntriesPerKind)
        return;
    const EditOutcome out = document_.add(k);
    reportCommit(k, out.commit);
    // Refused, the user stays on the entry on show with what was typed.
    p.spinMin = 1;
    showKind(k);
    if (out.done())
        p.fields.front()->setFocus();
}

void TMainForm::eraseClick(Kind k) {
    // Whatever was typed into the entry on show goes with it: nothing is committed, nothing
    // asked. Undo brings the entry back.
    if (!document_.erase(k).done())
        return;
    KindPage& p = page(k);
    p.spinMin = model_.state(k).Count <= 1 ? 0 : 1;
    showKind(k);
}

void TMainForm::numberChange(Kind k) {
    KindPage& p = page(k);
    const TKindState& st = model_.state(k);
    if (st.Count < 1)
        return;
    if (p.state == lesIgnoreChange) {
        p.state = lesIdle;
        return;
    }
    // The user chose another entry; a refusal brings the spin box back to the entry with the
    // bad value.
    const int chosen = p.number->value();
    struct SpringBack {
        TMainForm& form;
        Kind k;
        ~SpringBack() { form.showKind(k); }
    } springBack{*this, k};
    const EditOutcome out = document_.select(k, chosen);
    reportCommit(k, out.commit);
    if (!out.done())
        return;
    p.state = lesIdle;
    // Keys in the spin box go on leafing; a click on its arrows leads on to the first field.
    if (!p.number->steppingByKey())
        p.fields.front()->setFocus();
}

void TMainForm::rotateClick(Kind k) {
    turnClick(k, &SectionDocument::rotate);
}

void TMainForm::mirrorClick(Kind k) {
    turnClick(k, &SectionDocument::mirror);
}

void TMainForm::turnClick(Kind k, EditOutcome (SectionDocument::*turn)(Kind)) {
    (document_.*turn)(k);
}

void TMainForm::moveFocus(Kind k, int field, int step) {
    auto& fields = page(k).fields;
    const int n = static_cast<int>(fields.size());
    const int next = ((field + step) % n + n) % n;
    fields[static_cast<std::size_t>(next)]->setFocus();
}

// ---- tab flow -----------------------------------------------------------------------------

void TMainForm::PageControl1Change() {
    // Only a tab the user chose counts; the program's own changes come through showTab.
    if (programmaticTabChange_ > 0)
        return;
    guarded([this] {
        if (isKindTab(lastTabNumber_)) {
            const Kind k = kindOfTab(lastTabNumber_);
            if (model_.state(k).Count > 0)
                commitKind(k);
        }
        // A commit that refused or warned has brought its own tab back.
        newTabNumber_ = currentTabNumber();
        if (newTabNumber_ == ResultTabNumber) {
            const SolveOutcome o = solve();
            if (o.status == SolveStatus::EmptySection)
                return;
            // Normally the result tab; a commit of the solve that refused or warned has
            // brought its kind's tab to the front instead, and leaving that tab must commit.
            lastTabNumber_ = currentTabNumber();
        } else {
            lastTabNumber_ = newTabNumber_;
        }
    });
}

SolveOutcome TMainForm::reportChecks(bool refusals) {
    // Each warning is told as the walk reaches it; a refusal ends it.
    SolveOutcome o;
    for (Kind k : TabOrder) {
        if (model_.state(k).Count <= 0)
            continue;
        const CommitResult c = ShownCommit(model_, k);
        if (c.rejected()) {
            if (refusals)
                reportCommit(k, c);
            o.status = SolveStatus::Rejected;
            o.rejectedKind = k;
            o.commit = c;
            break;
        }
        reportCommit(k, c);
    }
    return o;
}

SolveOutcome TMainForm::solve() {
    // The document has solved the section as it stands; the user hears of it now.
    const SolveOutcome o = reportChecks();
    if (o.status == SolveStatus::Rejected) {
        showSectionPicture();
        return o;
    }
    showSectionPicture();
    if (const auto& fault = document_.fault()) {
        clearResultFields();
        throw *fault;
    }
    showSolveOutcome(document_.outcome());
    return document_.outcome();
}

void TMainForm::showSolveOutcome(const SolveOutcome& o) {
    switch (o.status) {
    case SolveStatus::Solved:
        fillResultFields();
        break;
    case SolveStatus::EmptySection:
        if (isKindTab(lastTabNumber_) || lastTabNumber_ == AboutTabNumber)
            showTab(lastTabNumber_);
        // The second line says why, as every other refusal does.
        dialogs_.warning(this, MessageText(MessageCode::WarningCaption),
                         MessageText(MessageLines{{MessageCode::InputError, {}},
                                                  {EmptySectionReason(model_.totalCount()), {}}}));
        break;
    case SolveStatus::Rejected:
        break; // the commit's own message has been shown
    }
}

void TMainForm::showSectionPicture() {
    image1_->setPixmap(QPixmap::fromImage(document_.picture()));
}

void TMainForm::fillResultFields() {
    buildTab(ResultTabNumber);
    for (int i = 0; i < ResultFieldCount; ++i)
        resultFields_[static_cast<std::size_t>(i)]->setText(
            QString::fromStdString(document_.result().Texts[static_cast<std::size_t>(i)]));
    bbSave_->setEnabled(true);
    bbPrint_->setEnabled(true);
}

void TMainForm::clearResultFields() {
    // A solve stopped by a fault has no results: the previous ones must not stand beside
    // its blank picture, nor go onto a sheet, until a solve succeeds again. Rows not built
    // yet are empty.
    for (QLineEdit* f : resultFields_)
        if (f)
            f->clear();
    bbSave_->setEnabled(false);
    bbPrint_->setEnabled(false);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* e) {
    if (fieldEvent(watched, e))
        return true;
    // Enter on the result tab presses the default button, as in a dialog; a focused button
    // has taken it before it gets here.
    if (e->type() == QEvent::KeyPress && watched->objectName() == QLatin1String("TabSheet_Res")) {
        auto* k = static_cast<QKeyEvent*>(e);
        if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) && bbPrint_->isDefault() &&
            bbPrint_->isEnabled()) {
            bbPrint_->animateClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, e);
}

} // namespace karo::app
