#pragma once
// An input field of a kind tab. Enter and Down ask for the next field of the ring, Up for
// the previous one, and the field reached has its text selected; Enter itself never reaches
// the text. A key whose character no number holds is read by its physical position, so a
// user with a Cyrillic or French layout active still types digits, ".", "e", "+" and "-"
// without switching layouts.

#include <QLineEdit>

namespace karo::app {

// The text that the key with X11/xkb key code `scanCode` gives in the US layout, when that
// key types part of a number there and `produced` (what the active layout gave) is a
// character that no number holds; otherwise `produced` unchanged.
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

  private:
    void selectFocusedField();
};

} // namespace karo::app
