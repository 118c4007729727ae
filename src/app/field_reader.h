#pragma once
// Shared by the window's source files: the commit and the solver read the kind's fields
// straight from the tab.

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

} // namespace karo::app
