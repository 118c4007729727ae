#pragma once
// The entry-number spin box of a kind tab. Its editor is read-only: the value changes only
// through the arrow buttons, which stay within the range, and through the program.
//
// Unlike QSpinBox it keeps three rules the list editing relies on:
// - setting the value clamps it into minimum..maximum, except when minimum equals maximum,
//   when the value is taken as it is;
// - changing minimum or maximum does not move the value;
// - `changed` is emitted whenever the shown text changes, and only then, at once, inside the
//   call that changed it.

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace karo::app {

class TSpinEdit : public QWidget {
    Q_OBJECT
  public:
    explicit TSpinEdit(QWidget* parent = nullptr);

    int minValue() const { return min_; }
    int maxValue() const { return max_; }
    void setMinValue(int v) { min_ = v; }
    void setMaxValue(int v) { max_ = v; }

    // The shown number; a text that is no whole number reads as the minimum.
    int value() const;
    void setValue(int v);
    QString text() const;

    // What the arrow buttons do.
    void stepUp();
    void stepDown();
    // Home, End, Page Up and Page Down: straight to `target`, kept within the range.
    void stepTo(int target);
    // Whether the change in progress came from a key pressed in the spin box: the user goes
    // on leafing with the keys, so the focus stays here.
    bool steppingByKey() const { return steppingByKey_; }

  signals:
    void changed();

  protected:
    void wheelEvent(QWheelEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

  private:
    int min_ = 0;
    int max_ = 0;
    bool steppingByKey_ = false;
    QLineEdit* edit_;
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace karo::app
