#pragma once
// An input field of a kind tab. Enter and Down ask for the next field of the ring, Up for
// the previous one; Enter itself never reaches the text. Number keys are read by their
// physical position, so a user with a Cyrillic layout active still types Latin digits,
// ".", "e", "+" and "-" without switching layouts.

#include <QLineEdit>

namespace karo::app {

// The Latin text that the key with X11/xkb key code `scanCode` gives in the US layout, when
// that key types part of a number and `produced` (what the active layout gave) is not
// already usable; otherwise `produced` unchanged.
QString LatinNumberText(quint32 scanCode, bool shift, const QString& produced);

class TProfileEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit TProfileEdit(QWidget* parent = nullptr);

  signals:
    void nextField();
    void previousField();

  protected:
    void keyPressEvent(QKeyEvent* e) override;
};

} // namespace karo::app
