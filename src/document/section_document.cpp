#include "document/section_document.h"

#include "catalogue/field_texts.h"
#include "io/to_qstring.h"
#include "picture/section_picture.h"

#include <QFileInfo>
#include <QUndoStack>

#include <utility>

namespace karo {

namespace {

// The identifier under which typing commands merge.
constexpr int kTypingId = 1;

} // namespace

// A change of the lists, the codes or several texts of one kind: what the editor wrote, before
// and after. Done when pushed; undo and redo replay it.
class SectionDocument::EditCommand : public QUndoCommand {
  public:
    EditCommand(SectionDocument& doc, const QString& name, SectionDelta delta, Kind k)
        : QUndoCommand(name), doc_(doc), delta_(std::move(delta)), kind_(k) {}

    void undo() override {
        doc_.editor_.undo(delta_);
        replayed();
    }
    void redo() override {
        if (std::exchange(fresh_, false))
            return;
        doc_.editor_.redo(delta_);
        replayed();
    }

  private:
    void replayed() {
        doc_.settle({DocumentChange::Texts | DocumentChange::Lists | DocumentChange::Replayed,
                     DocumentChange::kindBit(kind_)});
    }

    SectionDocument& doc_;
    SectionDelta delta_;
    Kind kind_;
    bool fresh_ = true;
};

// The user's typing in one field of the entry on show. Keystrokes in the same field merge while
// the user stays in it; typing that comes back to where it began leaves no step at all.
class SectionDocument::TypeCommand : public QUndoCommand {
  public:
    TypeCommand(SectionDocument& doc, Kind k, int entry, int field, std::string before,
                std::string after)
        : doc_(doc), kind_(k), entry_(entry), field_(field), session_(doc.typingSession_),
          before_(std::move(before)), after_(std::move(after)) {
        setText(SectionDocument::tr("ввод ") +
                ToQString(kindInfo(k).fields[static_cast<std::size_t>(field)].label));
    }
    int id() const override { return kTypingId; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* o = static_cast<const TypeCommand*>(other);
        if (o->kind_ != kind_ || o->entry_ != entry_ || o->field_ != field_ ||
            o->session_ != session_)
            return false;
        after_ = o->after_;
        setObsolete(after_ == before_);
        return true;
    }
    void undo() override { doc_.writeText(kind_, entry_, field_, before_, true); }
    // The push does the first redo: the user's own keystroke, already on show.
    void redo() override {
        doc_.writeText(kind_, entry_, field_, after_, !std::exchange(fresh_, false));
    }

  private:
    SectionDocument& doc_;
    Kind kind_;
    int entry_;
    int field_;
    int session_;
    std::string before_, after_;
    bool fresh_ = true;
};

SectionDocument::SectionDocument(QObject* parent)
    : QObject(parent), model_(std::make_unique<TSectionModel>()), editor_(*model_),
      undo_(new QUndoStack(this)) {
    settle({DocumentChange::Texts | DocumentChange::Lists, DocumentChange::AllKinds});
    // Any move along the stack that is not a push of ours ends the typing in progress, so
    // that typing after an undo is a step of its own.
    connect(undo_, &QUndoStack::indexChanged, this, [this] {
        if (!pushing_)
            ++typingSession_;
        updateModified();
    });
    connect(undo_, &QUndoStack::cleanChanged, this, [this] { updateModified(); });
}

SectionDocument::~SectionDocument() {
    // The commands refer to this document: they go before its members do.
    undo_->clear();
}

const std::string& SectionDocument::text(Kind k, int field) const {
    static const std::string kNone;
    const TKindState& st = model_->state(k);
    if (st.Count < 1)
        return kNone;
    const FieldInfo& f = kindInfo(k).fields[static_cast<std::size_t>(field)];
    return model_->text(k, st.CurrentNumber, f.slot);
}

std::vector<std::string> SectionDocument::texts(Kind k) const {
    std::vector<std::string> out;
    const int n = static_cast<int>(kindInfo(k).fields.size());
    for (int i = 0; i < n; ++i)
        out.push_back(text(k, i));
    return out;
}

void SectionDocument::writeText(Kind k, int entry, int field, const std::string& text,
                                bool replayed) {
    editor_.setText(k, entry, field, text);
    DocumentChange c{DocumentChange::Texts, DocumentChange::kindBit(k)};
    if (replayed) {
        c.what |= DocumentChange::Replayed;
        // Undone or redone where it was typed, in sight, whichever entry was chosen since.
        if (model_->state(k).CurrentNumber != entry) {
            editor_.show(k, entry);
            c.what |= DocumentChange::Lists;
        }
    }
    settle(c);
}

void SectionDocument::type(Kind k, int field, const std::string& text) {
    const TKindState& st = model_->state(k);
    if (st.Count < 1)
        return;
    const std::string now = this->text(k, field);
    if (now == text)
        return;
    pushing_ = true;
    undo_->push(new TypeCommand(*this, k, st.CurrentNumber, field, now, text));
    pushing_ = false;
}

void SectionDocument::endTyping() {
    ++typingSession_;
}

void SectionDocument::push(const QString& name, EditOutcome& out, Kind k) {
    settle({DocumentChange::Texts | DocumentChange::Lists, DocumentChange::kindBit(k)});
    if (out.delta.empty())
        return;
    undo_->push(new EditCommand(*this, name, out.delta, k));
}

EditOutcome SectionDocument::add(Kind k) {
    const int n = model_->state(k).CurrentNumber;
    EditOutcome out = editor_.add(k, EntryTexts(*model_, n));
    if (out.done())
        push(tr("добавление профиля"), out, k);
    return out;
}

EditOutcome SectionDocument::erase(Kind k) {
    // Whatever was typed into the entry on show goes with it; undo brings it back.
    EditOutcome out = editor_.erase(k);
    if (out.done())
        push(tr("удаление профиля"), out, k);
    return out;
}

EditOutcome SectionDocument::select(Kind k, int n) {
    const int shown = model_->state(k).CurrentNumber;
    EditOutcome out = editor_.select(k, n, EntryTexts(*model_, shown));
    if (out.done()) {
        // No step: the other steps bring back the entry they were taken on themselves.
        endTyping();
        settle({DocumentChange::Texts | DocumentChange::Lists, DocumentChange::kindBit(k)});
    }
    return out;
}

EditOutcome SectionDocument::rotate(Kind k) {
    return turn(k, &SectionEditor::rotate, QT_TR_NOOP("поворот"));
}

EditOutcome SectionDocument::mirror(Kind k) {
    return turn(k, &SectionEditor::mirror, QT_TR_NOOP("отражение"));
}

EditOutcome SectionDocument::turn(Kind k, EditOutcome (SectionEditor::*how)(Kind),
                                  const char* name) {
    // A catalogue profile is re-filled for its new position within the same step, so that
    // one undo brings back both the old code and the old texts; one typed by hand keeps its
    // values, which the user answers for.
    const int oldCode = model_->state(k).Orientation;
    const catalogue::ProfileRow* row = k == Kind::List || model_->state(k).Count == 0
                                           ? nullptr
                                           : catalogue::recognise(k, oldCode, texts(k));
    EditOutcome out = (editor_.*how)(k);
    if (!out.done())
        return out;
    const int newCode = model_->state(k).Orientation;
    if (row && newCode != oldCode) {
        std::vector<std::pair<int, std::string>> filled;
        const std::vector<catalogue::FieldText> t = catalogue::fieldTexts(*row, newCode);
        for (std::size_t i = 0; i < t.size(); ++i)
            filled.emplace_back(static_cast<int>(i), t[i].text);
        out = fill(k, std::move(filled), std::move(out));
    }
    push(tr(name), out, k);
    return out;
}

EditOutcome SectionDocument::fill(Kind k, std::vector<std::pair<int, std::string>> texts,
                                  EditOutcome out) {
    const std::size_t fields = kindInfo(k).fields.size();
    std::erase_if(texts,
                  [&](const auto& t) { return static_cast<std::size_t>(t.first) >= fields; });
    EditOutcome written = editor_.setTexts(k, texts);
    for (KindDelta& d : written.delta.kinds)
        out.delta.kinds.push_back(std::move(d));
    return out;
}

const catalogue::ProfileRow* SectionDocument::shownProfile(Kind k) const {
    if (k == Kind::List || model_->state(k).Count == 0)
        return nullptr;
    return catalogue::recognise(k, model_->state(k).Orientation, texts(k));
}

EditOutcome SectionDocument::pick(Kind k, const catalogue::ProfileRow& row) {
    EditOutcome out;
    if (model_->state(k).Count == 0) {
        // A kind with nothing to fill gets its first entry the way the add button gives it.
        out = editor_.add(k, EntryTexts(*model_, 0));
        if (!out.done())
            return out;
    }
    out.status = EditStatus::Done;
    std::vector<std::pair<int, std::string>> filled;
    const std::vector<catalogue::FieldText> t =
        catalogue::fieldTexts(row, model_->state(k).Orientation);
    for (std::size_t i = 0; i < t.size(); ++i)
        filled.emplace_back(static_cast<int>(i), t[i].text);
    out = fill(k, std::move(filled), std::move(out));
    push(tr("выбор из сортамента"), out, k);
    return out;
}

void SectionDocument::place(Kind k, const std::string& xc, const std::string& yc) {
    if (model_->state(k).Count == 0)
        return;
    EditOutcome out = fill(k, {{fieldIndex(k, "Xc"), xc}, {fieldIndex(k, "Yc"), yc}}, {});
    push(tr("приставку"), out, k);
}

void SectionDocument::recheck(Kind k) {
    const TKindState& st = model_->state(k);
    if (st.Count < 1)
        return;
    // The values follow the texts: a commit of what the entry holds writes nothing the user
    // sees, and only what was typed since is parsed again. What it finds, an arithmetic fault
    // included, stays with the entry.
    try {
        CommitEntry(*model_, k, st.CurrentNumber, EntryTexts(*model_, st.CurrentNumber));
    } catch (const ArithmeticError&) {
    }
}

void SectionDocument::settle(DocumentChange change) {
    for (Kind k : TabOrder)
        if (change.touches(k))
            recheck(k);
    outcome_ = {};
    fault_.reset();
    for (Kind k : TabOrder) {
        if (model_->state(k).Count < 1)
            continue;
        try {
            const CommitResult c = ShownCommit(*model_, k);
            if (!c.rejected())
                continue;
            outcome_.commit = c;
        } catch (const ArithmeticError& e) {
            fault_ = e;
        }
        outcome_.status = SolveStatus::Rejected;
        outcome_.rejectedKind = k;
        break;
    }
    if (outcome_.status != SolveStatus::Rejected) {
        try {
            outcome_ = SolveSection(*model_, result_);
        } catch (const ArithmeticError& e) {
            fault_ = e;
        }
    }
    ++revision_;
    change.what |= DocumentChange::Result;
    emit changed(change);
}

const QImage& SectionDocument::picture() const {
    if (pictureRevision_ != revision_) {
        // A refused section leaves the picture white, like a run that stopped before the
        // centroid; a fault leaves it as far as the run got.
        picture_ = outcome_.status == SolveStatus::Rejected
                       ? DrawSectionPicture(*model_, TSectionResult())
                       : DrawSectionPicture(*model_, result_);
        pictureRevision_ = revision_;
    }
    return picture_;
}

LoadReport SectionDocument::open(const QString& path) {
    // Loaded into a model of its own and swapped in only whole; an entry on show may be
    // unfinished, as it was saved.
    const auto loaded = std::make_unique<TSectionModel>();
    LoadReport report = LoadSectionFile(path, *loaded, QString(), Unfinished::Kept);
    if (!report.ok())
        return report;
    editor_.replace(*loaded);
    undo_->clear();
    fileName_ = QFileInfo(path).absoluteFilePath();
    settle({DocumentChange::Texts | DocumentChange::Lists | DocumentChange::Replaced |
                DocumentChange::File,
            DocumentChange::AllKinds});
    updateModified();
    return report;
}

bool SectionDocument::save(const QString& path, QString* error) {
    if (!SaveSectionFile(path, *model_, error))
        return false;
    fileName_ = QFileInfo(path).absoluteFilePath();
    undo_->setClean();
    emit changed({DocumentChange::File, 0});
    updateModified();
    return true;
}

void SectionDocument::reset() {
    editor_.reset();
    undo_->clear();
    fileName_.clear();
    settle({DocumentChange::Texts | DocumentChange::Lists | DocumentChange::Replaced |
                DocumentChange::File,
            DocumentChange::AllKinds});
    updateModified();
}

bool SectionDocument::isModified() const {
    return !undo_->isClean() && model_->totalCount() > 0;
}

void SectionDocument::updateModified() {
    const bool now = isModified();
    if (now == modified_)
        return;
    modified_ = now;
    emit changed({DocumentChange::File, 0});
}

} // namespace karo
