#pragma once
// Commit of a kind's typed fields into one entry of the section model, with validation.
// The commit knows nothing about widgets: it reads the field texts through FieldTexts and
// reports what it found; the caller brings the tab to the front, shows the message and
// moves the focus.

#include "model/messages.h"
#include "model/section_model.h"

#include <string>
#include <string_view>

namespace karo {

// Supplies the text of typed field `field` (an index into kindInfo(kind).fields).
class FieldTexts {
  public:
    virtual ~FieldTexts() = default;
    virtual std::string fieldText(Kind kind, int field) const = 0;
};

// Reads the texts stored in one entry of a model, e.g. to commit a loaded entry again.
class EntryTexts : public FieldTexts {
  public:
    EntryTexts(const TSectionModel& model, int entry) : model_(model), entry_(entry) {}
    std::string fieldText(Kind kind, int field) const override;

  private:
    const TSectionModel& model_;
    int entry_;
};

// The rule a refused field's value broke.
enum class RejectRule {
    None,
    NotANumber,         // a field that may be negative, with a text that is no number
    NotAPositiveNumber, // a field that must be positive, with a text that is no number
    NotPositive,        // a number not above 0 where the field must be positive
    IuNotBelowIxAndIy,  // the unequal-leg angle's Iu equal to Ix or Iy, or between them
};

struct CommitResult {
    int Code = 0;                       // 0: every field accepted (a warning still gives 0)
    int rejectedField = -1;             // index of the rejected typed field, or -1
    RejectRule rule = RejectRule::None; // what the rejected field broke
    int warning = -1;                   // index of the first cross-check that failed, or -1

    bool rejected() const { return Code != 0; }
    bool warned() const { return warning >= 0; }
};

// Commits the fields into entry `entryNumber` (1..MaxEntriesPerKind) of the kind. Fields are
// stored one by one as they are accepted; a rejection leaves the earlier ones stored.
// What the commit found is kept with the entry: a refused field's message beside its text, a
// failed cross-check or an arithmetic fault beside the entry.
CommitResult CommitEntry(TSectionModel& model, Kind kind, int entryNumber, const FieldTexts& in);

// What the last commit of the entry found, as the section keeps it; a clean result for an
// entry never committed. Throws the arithmetic fault that stopped that commit.
CommitResult LastCommit(const TSectionModel& model, Kind kind, int entryNumber);
// The same for the kind's entry on show; a clean result for an empty kind.
CommitResult ShownCommit(const TSectionModel& model, Kind kind);

CommitResult CommitDtEntry(TSectionModel& model, int entryNumber, const FieldTexts& in);
CommitResult CommitShEntry(TSectionModel& model, int entryNumber, const FieldTexts& in);
CommitResult CommitUnEntry(TSectionModel& model, int entryNumber, const FieldTexts& in);
CommitResult CommitUrEntry(TSectionModel& model, int entryNumber, const FieldTexts& in);
CommitResult CommitListEntry(TSectionModel& model, int entryNumber, const FieldTexts& in);

// The cross-checks of a kind, in the order they are tried. Each is a message naming the failed
// check in words ("Ширина полки b не меньше высоты h."); the window and the section loader
// both show it.
int CrossCheckCount(Kind kind);
MessageCode CrossCheckCode(Kind kind, int index);

// The warning box's lines for a failed cross-check: the input-error line, then the check.
MessageLines CrossCheckMessage(Kind kind, int index);

// The rule a refused field broke, naming the field by its hint and symbol ("Высота h:
// ожидается число больше нуля."), or no message when nothing was refused. It is the
// refusal's second line wherever a warning shows its check.
Message RejectionMessage(Kind kind, const CommitResult& result);

// The box's lines for a refused or warned commit: the input-error line, then the rule that
// was broken or the check that failed; none when the commit was clean.
MessageLines CommitMessage(Kind kind, const CommitResult& result);

} // namespace karo
