#pragma once
// The section as a document: the model with its editor, the undo stack, the file name and the
// saved state, the solve of the section as it stands and its picture, in one object. Every
// change the user makes is one command on the stack, typing included; the window only shows
// the document and hands it the user's actions.
//
// The model is the one copy of the section: what is typed into a field is the text of the
// entry on show at once, and the entry's values are parsed from it. After every command the
// document commits the entries on show, which writes nothing the user sees and leaves what each
// commit found with the entry (ShownCommit) for the moment the window tells it, solves the
// section as it stands and says what changed in one signal. The picture is drawn when it is asked
// for, once per state.

#include "io/section_file.h"
#include "model/arith.h"
#include "model/commit.h"
#include "model/section_editor.h"
#include "model/section_model.h"
#include "solver/solver.h"

#include <QImage>
#include <QObject>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QUndoStack;

namespace karo {

namespace catalogue {
struct ProfileRow;
}

// What one change of the document touched.
struct DocumentChange {
    enum : unsigned {
        Texts = 1u << 0,    // typed texts of the kinds named
        Lists = 1u << 1,    // count, entry on show or code of the kinds named
        Result = 1u << 2,   // the solve of the section as it stands, and so its picture
        File = 1u << 3,     // the file name or the saved state
        Replaced = 1u << 4, // the whole section (opened, reset)
        Replayed = 1u << 5, // an undo or a redo of a step on the first kind named
    };
    unsigned what = 0;
    unsigned kinds = 0; // bit kindIndex(k) for each kind touched

    bool has(unsigned flag) const { return (what & flag) != 0; }
    bool touches(Kind k) const { return (kinds >> kindIndex(k) & 1u) != 0; }
    static unsigned kindBit(Kind k) { return 1u << kindIndex(k); }
    static constexpr unsigned AllKinds = (1u << KindCount) - 1;
};

class SectionDocument : public QObject {
    Q_OBJECT
  public:
    explicit SectionDocument(QObject* parent = nullptr);
    ~SectionDocument() override;

    const TSectionModel& model() const { return *model_; }
    QUndoStack* undoStack() const { return undo_; }

    // The text of field `field` (input order) of kind k's entry on show; empty for an empty kind.
    const std::string& text(Kind k, int field) const;
    // All of them, in input order.
    std::vector<std::string> texts(Kind k) const;

    // Typing into a field: one command per field while the user stays in it. endTyping()
    // closes it, so that the next keystroke starts a new one.
    void type(Kind k, int field, const std::string& text);
    void endTyping();

    // List editing, as the section editor does it, each a command when it took place.
    EditOutcome add(Kind k);
    EditOutcome erase(Kind k);
    // Choosing the entry on show is looking, not editing: never a step, never a change to
    // save; a save made for another reason records it. A step undone or redone from another
    // entry comes back to its own.
    EditOutcome select(Kind k, int n);
    EditOutcome rotate(Kind k);
    EditOutcome mirror(Kind k);

    // The catalogue's values for the position on show go into the entry on show; a kind with
    // no entry gets one first. One command.
    EditOutcome pick(Kind k, const catalogue::ProfileRow& row);
    // The profile on show placed against another one: its Xc and Yc texts. One command.
    void place(Kind k, const std::string& xc, const std::string& yc);
    // The catalogue row whose values the entry on show holds, or null.
    const catalogue::ProfileRow* shownProfile(Kind k) const;

    // The section as it stands, solved after the last change: Solved, EmptySection, or
    // Rejected with the first kind in tab order whose entry on show refuses a field.
    const SolveOutcome& outcome() const { return outcome_; }
    // The arithmetic fault that stopped the solve, if one did; the result then holds what
    // was reached.
    const std::optional<ArithmeticError>& fault() const { return fault_; }
    const TSectionResult& result() const { return result_; }
    // The section picture of the solve: blank for a refused section, as far as the run got
    // after a fault. Drawn on the first request after a change.
    const QImage& picture() const;
    // Grows with every change of the section.
    std::uint64_t revision() const { return revision_; }

    // Section files. A refused file changes nothing. A section is saved as it stands,
    // unfinished entries as typed.
    LoadReport open(const QString& path);
    bool save(const QString& path, QString* error);
    // A new, empty section with no file.
    void reset();
    QString fileName() const { return fileName_; }

    // Whether closing would lose anything: the stack is away from the saved state and there is
    // a profile to lose.
    bool isModified() const;

  signals:
    void changed(const DocumentChange& change);

  private:
    class EditCommand;
    class TypeCommand;

    void writeText(Kind k, int entry, int field, const std::string& text, bool replayed);
    void push(const QString& name, EditOutcome& out, Kind k);
    EditOutcome turn(Kind k, EditOutcome (SectionEditor::*how)(Kind), const char* name);
    EditOutcome fill(Kind k, std::vector<std::pair<int, std::string>> texts, EditOutcome out);
    // Commits the entries on show of the kinds in `kinds`, solves, and tells the views.
    void settle(DocumentChange change);
    void recheck(Kind k);
    void updateModified();

    std::unique_ptr<TSectionModel> model_;
    SectionEditor editor_;
    QUndoStack* undo_ = nullptr;
    QString fileName_;
    int typingSession_ = 0;
    bool pushing_ = false;
    bool modified_ = false;

    SolveOutcome outcome_;
    std::optional<ArithmeticError> fault_;
    TSectionResult result_;
    std::uint64_t revision_ = 1;
    mutable std::uint64_t pictureRevision_ = 0;
    mutable QImage picture_;
};

} // namespace karo
