#pragma once
// The "Приставить профиль" dialog: the profile on show put against another profile of the
// section, on a side, aligned along it and a gap apart, with the section drawn as it would
// then be.

#include "placement/placement.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace karo::app {

class PlaceDialog : public QDialog {
    Q_OBJECT
  public:
    // `placer` must be ready (status Placed) and outlive the dialog; `section` is the section
    // the window holds, whose texts name the other profiles.
    PlaceDialog(const ProfilePlacer& placer, const TSectionModel& section,
                QWidget* parent = nullptr);

    QComboBox* targetBox() const { return target_; }
    QComboBox* sideBox() const { return side_; }
    QComboBox* alignBox() const { return align_; }
    QLineEdit* gapField() const { return gap_; }
    QPushButton* okButton() const { return ok_; }

    // The choices as they stand; the gap is NaN while its text is not a number.
    PlaceRequest request() const;
    // Where the choices put the profile.
    PlaceOutcome outcome() const;
    // The section picture with the profile at that place (white while it cannot be placed).
    const QImage& preview() const { return previewImage_; }

  private:
    void fillAlignments();
    void update();

    const ProfilePlacer& placer_;
    QComboBox* target_ = nullptr;
    QComboBox* side_ = nullptr;
    QComboBox* align_ = nullptr;
    QLineEdit* gap_ = nullptr;
    QLabel* message_ = nullptr;
    QLabel* picture_ = nullptr;
    QPushButton* ok_ = nullptr;
    QImage previewImage_;
};

} // namespace karo::app
