#include "app/karo_application.h"

#include "picture/fonts.h"

#include "app/dialogs.h"
#include "io/to_qstring.h"
#include "model/arith.h"
#include "model/messages.h"

#include <QFont>

namespace karo::app {

void ReportArithmeticError(UserDialogs& dialogs, QWidget* parent, const std::exception& e) {
    dialogs.error(parent, ToQString(kAppTitle), QString::fromUtf8(e.what()) + QLatin1Char('.'));
}

void RunGuarded(UserDialogs& dialogs, QWidget* parent, const std::function<void()>& body) {
    try {
        body();
    } catch (const ArithmeticError& e) {
        ReportArithmeticError(dialogs, parent, e);
    }
}

KaroApplication::KaroApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(ToQString(kAppTitle));
    // No display name: the platform would append it to the window caption.
    // Without these the sans faces fall to DejaVu Sans, which is wider and clips the labels
    // of the fixed-size window.
    karo::InstallFontSubstitutes();
    // No translation here: the program installs the language it starts in (main.cpp), and
    // the tests, which make this object too, run in the source language whatever the
    // machine's locale or the user's choice.
}

bool KaroApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const ArithmeticError& e) {
        if (dialogs_)
            ReportArithmeticError(*dialogs_, activeWindow(), e);
        return true;
    }
}

} // namespace karo::app
