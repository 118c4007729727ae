#pragma once
// Shared by the window's source files: how the commit reads the tab's fields, and how the
// user hears of what the solver's commits found.

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

// Tells the user what the solver's commits found: a refused field or a warning.
class TMainForm::SolveHooks : public SolveObserver {
  public:
    explicit SolveHooks(TMainForm& form) : form_(form) {}
    void committed(Kind k, const CommitResult& c) override { form_.reportCommit(k, c); }

  private:
    TMainForm& form_;
};

} // namespace karo::app
