#pragma once
// The section as a document: the model with its editor, the texts typed into the entries on
// show, the undo stack, the file name and the saved state, in one object. Every change the
// user makes is one command on the stack, typing included; the window only shows the document
// and hands it the user's actions.
//
// The texts on show are what the user sees and what undo gives back. The model's copy of an
// entry on show is brought up to date by a commit, which is no step of its own: it changes
// nothing the user sees. Solving, saving and the report commit first.

#include "io/section_file.h"
#include "model/commit.h"
#include "model/section_editor.h"
#include "model/section_model.h"

#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QUndoStack;

namespace karo {

namespace catalogue {
struct ProfileRow;
}

// What a kind's tab shows beyond the model: the typed texts of the entry on show and the spin
// box's lower bound, which the list editing moves between 0 and 1.
struct TabState {
    std::vector<std::string> texts;
    int spinMin = 0;
    int entry = 0; // the entry on show, 0 while the kind has none
    bool operator==(const TabState&) const = default;
};

class SectionDocument : public QObject {
    Q_OBJECT
  public:
    explicit SectionDocument(QObject* parent = nullptr);
    ~SectionDocument() override;

    const TSectionModel& model() const { return *model_; }
    QUndoStack* undoStack() const { return undo_; }

    // The texts on show of a kind, one per field in input order, and one of them.
    const TabState& tab(Kind k) const { return tabs_[kindIndex(k)]; }
    const std::string& text(Kind k, int field) const;
    // The texts on show read as fields, for a commit or a lookup.
    const FieldTexts& onShowTexts() const;

    // Typing into a field: one command per field while the user stays in it. endTyping()
    // closes it, so that the next keystroke starts a new one.
    void type(Kind k, int field, const std::string& text);
    void endTyping();

    // List editing, as the section editor does it, each a command when it took place.
    EditOutcome add(Kind k);
    EditOutcome erase(Kind k);
    // Choosing the entry on show is looking, not editing: never a step, never a change to
    // save. Its commit reaches the model as every commit does.
    EditOutcome select(Kind k, int n);
    EditOutcome rotate(Kind k);
    EditOutcome mirror(Kind k);
    // The spin box's lower bound after a refused add: the user is on the only entry.
    void setSpinMin(Kind k, int spinMin);

    // The catalogue's values for the position on show go into the entry on show; a kind with
    // no entry gets one first. One command.
    EditOutcome pick(Kind k, const catalogue::ProfileRow& row);
    // The profile on show placed against another one: its Xc and Yc texts. One command.
    void place(Kind k, const std::string& xc, const std::string& yc);
    // The catalogue row whose values the entry on show holds, or null.
    const catalogue::ProfileRow* shownProfile(Kind k) const;

    // The commits of the texts on show into the model: one kind, or every kind in tab order
    // until one refuses. Not undo steps.
    CommitResult commit(Kind k);
    OnShowCommit commitOnShow(const CommitNotice& notice = {});

    // Section files. A refused file changes nothing. Saving writes the model as it stands:
    // commit first.
    LoadReport open(const QString& path);
    bool save(const QString& path, QString* error);
    // A new, empty section with no file.
    void reset();
    QString fileName() const { return fileName_; }

    // Whether closing would lose anything: the stack is away from the saved state and there is
    // a profile to lose.
    bool isModified() const;

  signals:
    // Something on kind k's tab changed: its list, its code or its texts.
    void kindChanged(Kind k);
    // One field's text changed by the document (undo, redo, a pick), not by the user's typing.
    void textReplaced(Kind k, int field);
    // An undo or redo changed kind k: its tab comes to the front.
    void replayed(Kind k);
    // The whole section was replaced (opened, reset).
    void sectionReplaced();
    void modifiedChanged(bool modified);
    void fileNameChanged(const QString& fileName);

  private:
    class EditCommand;
    class TypeCommand;
    class Reader;

    TabState entryTab(Kind k, int spinMin) const;
    // Undo and redo first come back to the entry their step was taken on.
    void comeBackTo(Kind k, int entry);
    void setTab(Kind k, TabState t);
    void setText(Kind k, int field, const std::string& text);
    void push(const QString& name, SectionDelta delta, std::vector<TabState> before,
              std::vector<Kind> kinds);
    EditOutcome turn(Kind k, EditOutcome (SectionEditor::*how)(Kind), const char* name);
    void refillFromCatalogue(Kind k, int oldCode, int newCode);
    void loadTabs();
    void updateModified();

    std::unique_ptr<TSectionModel> model_;
    SectionEditor editor_;
    QUndoStack* undo_ = nullptr;
    std::array<TabState, KindCount> tabs_;
    std::unique_ptr<Reader> reader_;
    QString fileName_;
    int typingSession_ = 0;
    bool pushing_ = false;
    bool modified_ = false;
};

} // namespace karo
