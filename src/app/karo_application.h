#pragma once
// The application object. An arithmetic fault that escapes an event handler is caught here,
// at the top of the event dispatch: its message is shown with a full stop appended in an
// error box captioned with the application title, and the program goes on.

#include <QApplication>

#include <exception>
#include <functional>

namespace karo::app {

class UserDialogs;

// Shows `e` the way the program reports arithmetic faults.
void ReportArithmeticError(UserDialogs& dialogs, QWidget* parent, const std::exception& e);

// Runs `body`; an arithmetic fault it throws is reported through `dialogs` and ends only
// the handler, never the program. Every handler of the window runs inside this, so no
// exception ever crosses Qt's own frames.
void RunGuarded(UserDialogs& dialogs, QWidget* parent, const std::function<void()>& body);

class KaroApplication : public QApplication {
  public:
    KaroApplication(int& argc, char** argv);
    void setDialogs(UserDialogs* dialogs) { dialogs_ = dialogs; }
    bool notify(QObject* receiver, QEvent* event) override;

  private:
    UserDialogs* dialogs_ = nullptr;
};

} // namespace karo::app
