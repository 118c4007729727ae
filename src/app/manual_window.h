#pragma once
// The user's guide in a window of its own beside the main window. It does not block the main
// window: the user can read and work at the same time.

#include <QWidget>

class QTextBrowser;

namespace karo::app {

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

  private:
    QTextBrowser* browser_;
    bool placed_ = false;
};

} // namespace karo::app
