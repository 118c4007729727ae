#pragma once
// The user's guide in a window of its own beside the main window. It does not block the main
// window: the user can read and work at the same time.

#include <QWidget>

class QTextBrowser;

namespace karo::app {

// Where the guide's frame of size `frame` goes: beside the main window's frame on the
// screen's available area, on the right where it fits, else on the left; where neither
// side has room, over the main window's left part, clear of the strip of `fieldsStrip`
// pixels along its right edge where the fields stand.
QPoint ManualPosition(const QRect& screen, const QRect& mainFrame, const QSize& frame,
                      int fieldsStrip);

class ManualWindow : public QWidget {
    Q_OBJECT
  public:
    explicit ManualWindow(QWidget* owner);

    // Shows the guide, or brings it to the front when it is already open, placed beside
    // the owner the first time.
    void present();
    QTextBrowser* browser() const { return browser_; }

    // The guide's Markdown text, as the program carries it.
    static QString text();

  protected:
    void keyPressEvent(QKeyEvent* e) override;

  private:
    void wrapCodeBlocks();

    QTextBrowser* browser_;
    bool placed_ = false;
};

} // namespace karo::app
