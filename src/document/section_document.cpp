#include "document/section_document.h"

#include "catalogue/field_texts.h"
#include "io/to_qstring.h"

#include <QFileInfo>
#include <QUndoStack>

#include <utility>

namespace karo {

namespace {

// The identifier under which typing commands merge.
constexpr int kTypingId = 1;

} // namespace

class SectionDocument::Reader : public FieldTexts {
  public:
    explicit Reader(const SectionDocument& doc) : doc_(doc) {}
    std::string fieldText(Kind kind, int field) const override { return doc_.text(kind, field); }

  private:
    const SectionDocument& doc_;
};

// A change of the lists, the codes or several texts: what the editor wrote and the tabs of the
// kinds it touched, before and after. Done when pushed; undo and redo replay it.
class SectionDocument::EditCommand : public QUndoCommand {
  public:
    EditCommand(SectionDocument& doc, const QString& name, SectionDelta delta,
                std::vector<Kind> kinds, std::vector<TabState> before, std::vector<TabState> after)
        : QUndoCommand(name), doc_(doc), delta_(std::move(delta)), kinds_(std::move(kinds)),
          before_(std::move(before)), after_(std::move(after)) {}

    void undo() override {
        comeBack(after_);
        doc_.editor_.undo(delta_);
        show(before_);
    }
    void redo() override {
        if (std::exchange(fresh_, false))
            return;
        comeBack(before_);
        doc_.editor_.redo(delta_);
        show(after_);
    }

  private:
    void comeBack(const std::vector<TabState>& tabs) {
        for (std::size_t i = 0; i < kinds_.size(); ++i)
            doc_.comeBackTo(kinds_[i], tabs[i].entry);
    }
    void show(const std::vector<TabState>& tabs) {
        for (std::size_t i = 0; i < kinds_.size(); ++i)
            doc_.setTab(kinds_[i], tabs[i]);
        if (!kinds_.empty())
            emit doc_.replayed(kinds_.front());
    }

    SectionDocument& doc_;
    SectionDelta delta_;
    std::vector<Kind> kinds_;
    std::vector<TabState> before_, after_;
    bool fresh_ = true;
};

// The user's typing in one field. Keystrokes in the same field merge while the user stays in
// it; typing that comes back to where it began leaves no step at all.
class SectionDocument::TypeCommand : public QUndoCommand {
  public:
    TypeCommand(SectionDocument& doc, Kind k, int field, std::string before, std::string after)
        : doc_(doc), kind_(k), field_(field), session_(doc.typingSession_),
          entry_(doc.tab(k).entry), before_(std::move(before)), after_(std::move(after)) {
        setText(QStringLiteral("ввод ") +
                ToQString(kindInfo(k).fields[static_cast<std::size_t>(field)].label));
    }
    int id() const override { return kTypingId; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* o = static_cast<const TypeCommand*>(other);
        if (o->kind_ != kind_ || o->field_ != field_ || o->session_ != session_ ||
            o->entry_ != entry_)
            return false;
        after_ = o->after_;
        setObsolete(after_ == before_);
        return true;
    }
    void undo() override {
        doc_.comeBackTo(kind_, entry_);
        doc_.setText(kind_, field_, before_);
        emit doc_.replayed(kind_);
    }
    void redo() override {
        if (std::exchange(fresh_, false)) {
            doc_.setText(kind_, field_, after_);
            return;
        }
        doc_.comeBackTo(kind_, entry_);
        doc_.setText(kind_, field_, after_);
        emit doc_.replayed(kind_);
    }

  private:
    SectionDocument& doc_;
    Kind kind_;
    int field_;
    int session_;
    int entry_;
    std::string before_, after_;
    bool fresh_ = true;
};

SectionDocument::SectionDocument(QObject* parent)
    : QObject(parent), model_(std::make_unique<TSectionModel>()), editor_(*model_),
      undo_(new QUndoStack(this)), reader_(std::make_unique<Reader>(*this)) {
    for (Kind k : TabOrder)
        tabs_[kindIndex(k)] = entryTab(k, 0);
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

const FieldTexts& SectionDocument::onShowTexts() const {
    return *reader_;
}

const std::string& SectionDocument::text(Kind k, int field) const {
    return tabs_[kindIndex(k)].texts.at(static_cast<std::size_t>(field));
}

TabState SectionDocument::entryTab(Kind k, int spinMin) const {
    const TKindState& st = model_->state(k);
    TabState t;
    t.spinMin = spinMin;
    t.entry = st.Count > 0 ? st.CurrentNumber : 0;
    for (const FieldInfo& f : kindInfo(k).fields)
        t.texts.push_back(st.Count > 0 ? model_->text(k, st.CurrentNumber, f.slot) : std::string());
    return t;
}

void SectionDocument::comeBackTo(Kind k, int entry) {
    const TKindState& st = model_->state(k);
    if (st.Count < 1 || entry < 1 || entry > st.Count || entry == st.CurrentNumber)
        return;
    // The texts on show go into their entry first, as far as the commit takes them, as they
    // do whenever an entry is left: entries not on show are what the model holds.
    editor_.commit(k, onShowTexts());
    editor_.show(k, entry);
    setTab(k, entryTab(k, tab(k).spinMin));
}

void SectionDocument::setTab(Kind k, TabState t) {
    tabs_[kindIndex(k)] = std::move(t);
    emit kindChanged(k);
}

void SectionDocument::setText(Kind k, int field, const std::string& text) {
    std::string& slot = tabs_[kindIndex(k)].texts.at(static_cast<std::size_t>(field));
    if (slot == text)
        return;
    slot = text;
    emit textReplaced(k, field);
}

void SectionDocument::setSpinMin(Kind k, int spinMin) {
    tabs_[kindIndex(k)].spinMin = spinMin;
    emit kindChanged(k);
}

void SectionDocument::type(Kind k, int field, const std::string& text) {
    const std::string& now = this->text(k, field);
    if (now == text)
        return;
    pushing_ = true;
    undo_->push(new TypeCommand(*this, k, field, now, text));
    pushing_ = false;
}

void SectionDocument::endTyping() {
    ++typingSession_;
}

void SectionDocument::push(const QString& name, SectionDelta delta, std::vector<TabState> before,
                           std::vector<Kind> kinds) {
    std::vector<TabState> after;
    bool same = delta.empty();
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        after.push_back(tab(kinds[i]));
        same = same && after.back() == before[i];
        emit kindChanged(kinds[i]);
    }
    if (same)
        return;
    undo_->push(new EditCommand(*this, name, std::move(delta), std::move(kinds), std::move(before),
                                std::move(after)));
}

EditOutcome SectionDocument::add(Kind k) {
    const TabState before = tab(k);
    EditOutcome out = editor_.add(k, onShowTexts());
    if (!out.done())
        return out;
    tabs_[kindIndex(k)] = entryTab(k, 1); // the new entry: empty fields
    push(QStringLiteral("добавление профиля"), std::move(out.delta), {before}, {k});
    return out;
}

EditOutcome SectionDocument::erase(Kind k) {
    // Whatever was typed into the entry on show goes with it; undo brings it back.
    const TabState before = tab(k);
    EditOutcome out = editor_.erase(k);
    if (!out.done())
        return out;
    tabs_[kindIndex(k)] = entryTab(k, model_->state(k).Count <= 1 ? 0 : 1);
    push(QStringLiteral("удаление профиля"), std::move(out.delta), {before}, {k});
    return out;
}

EditOutcome SectionDocument::select(Kind k, int n) {
    EditOutcome out = editor_.select(k, n, onShowTexts());
    if (!out.done())
        return out;
    endTyping(); // typing in the entry now on show is a step of its own
    setTab(k, entryTab(k, tab(k).spinMin));
    return out;
}

EditOutcome SectionDocument::rotate(Kind k) {
    return turn(k, &SectionEditor::rotate, "поворот");
}

EditOutcome SectionDocument::mirror(Kind k) {
    return turn(k, &SectionEditor::mirror, "отражение");
}

EditOutcome SectionDocument::turn(Kind k, EditOutcome (SectionEditor::*how)(Kind),
                                  const char* name) {
    // A catalogue profile is re-filled for its new position within the same step, so that
    // one undo brings back both the old code and the old texts.
    const TabState before = tab(k);
    const int oldCode = model_->state(k).Orientation;
    EditOutcome out = (editor_.*how)(k);
    if (!out.done())
        return out;
    refillFromCatalogue(k, oldCode, model_->state(k).Orientation);
    push(QString::fromUtf8(name), std::move(out.delta), {before}, {k});
    return out;
}

void SectionDocument::refillFromCatalogue(Kind k, int oldCode, int newCode) {
    if (k == Kind::List || oldCode == newCode || model_->state(k).Count == 0)
        return;
    const catalogue::ProfileRow* row = catalogue::recognise(k, oldCode, tab(k).texts);
    if (!row)
        return; // typed by hand: the user answers for the values, as always
    const std::vector<catalogue::FieldText> texts = catalogue::fieldTexts(*row, newCode);
    std::vector<std::string>& shown = tabs_[kindIndex(k)].texts;
    for (std::size_t i = 0; i < texts.size() && i < shown.size(); ++i)
        shown[i] = texts[i].text;
}

const catalogue::ProfileRow* SectionDocument::shownProfile(Kind k) const {
    if (k == Kind::List || model_->state(k).Count == 0)
        return nullptr;
    return catalogue::recognise(k, model_->state(k).Orientation, tab(k).texts);
}

EditOutcome SectionDocument::pick(Kind k, const catalogue::ProfileRow& row) {
    const TabState before = tab(k);
    EditOutcome out;
    if (model_->state(k).Count == 0) {
        // A kind with nothing to fill gets its first entry the way the add button gives it.
        out = editor_.add(k, onShowTexts());
        if (!out.done())
            return out;
        tabs_[kindIndex(k)] = entryTab(k, 1);
    }
    out.status = EditStatus::Done;
    const std::vector<catalogue::FieldText> texts =
        catalogue::fieldTexts(row, model_->state(k).Orientation);
    std::vector<std::string>& shown = tabs_[kindIndex(k)].texts;
    for (std::size_t i = 0; i < texts.size() && i < shown.size(); ++i)
        shown[i] = texts[i].text;
    push(QStringLiteral("выбор из сортамента"), out.delta, {before}, {k});
    return out;
}

void SectionDocument::place(Kind k, const std::string& xc, const std::string& yc) {
    if (model_->state(k).Count == 0)
        return;
    const TabState before = tab(k);
    std::vector<std::string>& shown = tabs_[kindIndex(k)].texts;
    shown.at(static_cast<std::size_t>(fieldIndex(k, "Xc"))) = xc;
    shown.at(static_cast<std::size_t>(fieldIndex(k, "Yc"))) = yc;
    push(QStringLiteral("приставку"), {}, {before}, {k});
}

CommitResult SectionDocument::commit(Kind k) {
    EditOutcome out = editor_.commit(k, onShowTexts());
    return out.commit;
}

OnShowCommit SectionDocument::commitOnShow(const CommitNotice& notice) {
    return editor_.commitOnShow(onShowTexts(), notice);
}

void SectionDocument::loadTabs() {
    for (Kind k : TabOrder)
        setTab(k, entryTab(k, model_->state(k).Count > 0 ? 1 : 0));
}

LoadReport SectionDocument::open(const QString& path) {
    // Loaded into a model of its own and swapped in only whole.
    const auto loaded = std::make_unique<TSectionModel>();
    LoadReport report = LoadSectionFile(path, *loaded);
    if (!report.ok())
        return report;
    editor_.replace(*loaded);
    undo_->clear();
    fileName_ = QFileInfo(path).absoluteFilePath();
    loadTabs();
    emit sectionReplaced();
    emit fileNameChanged(fileName_);
    updateModified();
    return report;
}

bool SectionDocument::save(const QString& path, QString* error) {
    if (!SaveSectionFile(path, *model_, error))
        return false;
    fileName_ = QFileInfo(path).absoluteFilePath();
    undo_->setClean();
    emit fileNameChanged(fileName_);
    updateModified();
    return true;
}

void SectionDocument::reset() {
    editor_.reset();
    undo_->clear();
    fileName_.clear();
    for (Kind k : TabOrder)
        setTab(k, entryTab(k, 0));
    emit sectionReplaced();
    emit fileNameChanged(fileName_);
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
    emit modifiedChanged(now);
}

} // namespace karo
