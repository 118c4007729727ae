#pragma once
// Shared by the window's source files: how the commit reads the tab's fields, and how what they
// wrote becomes undoable.

#include "app/main_form.h"
#include "app/profile_edit.h"

namespace karo::app {

// The commit reads the kind's fields straight from the tab.
class TMainForm::FieldReader : public FieldTexts {
  public:
    explicit FieldReader(const TMainForm& form) : form_(form) {}
    std::string fieldText(Kind kind, int field) const override {
        const auto& fields = form_.pages_[kindIndex(kind)].fields;
        return fields.at(static_cast<std::size_t>(field))->text().toStdString();
    }

  private:
    const TMainForm& form_;
};

// Makes one undo command of whatever the commits made while it lives wrote into the entries
// on show: those of leaving a tab, of a solve, of a save, of a report. An arithmetic fault
// that ends the handler midway still leaves its stores recorded.
class TMainForm::CommitRecorder {
  public:
    explicit CommitRecorder(TMainForm& form) : form_(form), before_(form.editor_.onShow()) {
        for (Kind k : TabOrder)
            views_.push_back(form.captureView(k));
    }
    ~CommitRecorder() { form_.pushCommits(form_.editor_.changedSince(before_), views_); }
    CommitRecorder(const CommitRecorder&) = delete;
    CommitRecorder& operator=(const CommitRecorder&) = delete;

  private:
    TMainForm& form_;
    OnShowSnapshot before_;
    std::vector<TabView> views_;
};

} // namespace karo::app
