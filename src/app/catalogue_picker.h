#pragma once
// The "Сортамент" dialog: one kind's catalogue profiles, narrowed by a filter as it is typed,
// with the values a pick fills for the position on show.

#include "catalogue/catalogue.h"

#include <QDialog>

#include <vector>

class QLabel;
class QLineEdit;
class QTableWidget;

namespace karo::app {

class TCataloguePicker : public QDialog {
    Q_OBJECT
  public:
    // The rows of `kind`, their values shown for orientation code `code`; the row of `shown`
    // (the profile on show, may be null) is selected while the filter is empty.
    TCataloguePicker(Kind kind, int code, QWidget* parent = nullptr,
                     const catalogue::ProfileRow* shown = nullptr);

    QLineEdit* filterField() const { return filter_; }
    QTableWidget* table() const { return table_; }
    // The row selected, or null when no row is (an empty filter result).
    const catalogue::ProfileRow* selectedRow() const;
    // The row picked; null unless the dialog was accepted.
    const catalogue::ProfileRow* pickedRow() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    void applyFilter();
    void pick();

    std::vector<const catalogue::ProfileRow*> rows_; // table row i shows rows_[i]
    const catalogue::ProfileRow* shown_ = nullptr;
    QLineEdit* filter_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* count_ = nullptr;
};

} // namespace karo::app
