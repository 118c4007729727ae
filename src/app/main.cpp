// Karo: sectional properties of a plane section built from rolled steel profiles.

#include "app/dialogs.h"
#include "app/karo_application.h"
#include "app/main_form.h"
#include "app/settings.h"
#include "app/single_instance.h"
#include "io/safe_file.h"
#include "texts/language.h"

#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <thread>

int main(int argc, char** argv) {
    // The window's first text waits for fontconfig to read its configuration and font caches;
    // they are read beside the start of Qt instead of after it. Qt's own call then finds
    // them read (fontconfig makes its configuration once, whichever thread asks first).
    const std::jthread fonts([] { FcInit(); });
    // Before Qt looks for the runtime folder, so that it neither warns nor makes one of its own.
    karo::io::SettleRuntimeFolder();
    karo::app::KaroApplication app(argc, argv);
    // The language the user chose in the menu, else the system's; Qt's own dialogs (files,
    // printing) follow it.
    karo::InstallLanguage(app, karo::StartLanguage(karo::app::StoredLanguage()));

    // `karo FILE.karo` opens the section. A second copy only brings the first one to the
    // front, handing it the file.
    // The name is taken as the system gives it, so that names in any encoding open.
    const QString file = argc > 1 ? karo::io::DecodeFileName(QByteArray(argv[1])) : QString();
    karo::app::SingleInstance instance;
    switch (instance.start(file)) {
    case karo::app::SingleInstance::Start::First:
        break;
    case karo::app::SingleInstance::Start::HandedOver:
        return 0;
    case karo::app::SingleInstance::Start::NotTaken:
        if (file.isEmpty())
            return 0; // only a raise was lost
        std::fprintf(stderr, "%s\n",
                     QCoreApplication::translate(
                         "karo::app::Main", "karo: окно программы занято, файл «%1» не открыт.")
                         .arg(file)
                         .toUtf8()
                         .constData());
        return 1;
    }

    karo::app::MessageBoxDialogs dialogs;
    app.setDialogs(&dialogs);

    karo::SectionDocument document;
    karo::app::TMainForm form(document, dialogs);
    const auto raise = [&form] {
        form.raise();
        form.activateWindow();
        // A dialog of ours in front stays in front: it is what holds a request back.
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->raise();
            modal->activateWindow();
        }
    };
    QObject::connect(&instance, &karo::app::SingleInstance::raiseRequested, &form, raise);
    // Direct: the instance already hands requests over from the event loop, one at a time, and
    // only while no dialog of the program is open.
    instance.setHoldWhile([&dialogs] { return dialogs.openCount() > 0; });
    dialogs.setOnAllClosed([&instance] { instance.resume(); });
    QObject::connect(&instance, &karo::app::SingleInstance::openRequested, &form,
                     [&form, raise](const QString& path) {
                         form.openHandedOver(path);
                         raise();
                     });
    // Once the window has agreed to close, the copies still waiting start windows of their own.
    QObject::connect(&form, &karo::app::TMainForm::closeAccepted, &instance,
                     &karo::app::SingleInstance::shutDown);
    form.show();
    if (!file.isEmpty())
        form.openSection(file);
    return app.exec();
}
