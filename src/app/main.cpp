// Karo: sectional properties of a plane section built from rolled steel profiles.

#include "app/dialogs.h"
#include "app/karo_application.h"
#include "app/main_form.h"
#include "app/single_instance.h"
#include "io/safe_file.h"

namespace {

// The last result lives as long as the program; the section is the document's.
karo::TSectionResult gResult;

} // namespace

int main(int argc, char** argv) {
    karo::app::KaroApplication app(argc, argv);

    // `karo FILE.karo` opens the section. A second copy only brings the first one to the
    // front, handing it the file.
    // The name is taken as the system gives it, so that names in any encoding open.
    const QString file = argc > 1 ? karo::io::DecodeFileName(QByteArray(argv[1])) : QString();
    karo::app::SingleInstance instance;
    if (!instance.start(file))
        return 0;

    karo::app::MessageBoxDialogs dialogs;
    app.setDialogs(&dialogs);

    karo::SectionDocument document;
    karo::app::TMainForm form(document, gResult, dialogs);
    QObject::connect(&instance, &karo::app::SingleInstance::raiseRequested, &form, [&form] {
        form.raise();
        form.activateWindow();
    });
    // Direct: the instance already hands requests over from the event loop, one at a time, and
    // holds the next one back while this one's question or message box is on show.
    QObject::connect(&instance, &karo::app::SingleInstance::openRequested, &form,
                     [&form](const QString& path) { form.openHandedOver(path); });
    form.show();
    if (!file.isEmpty())
        form.openSection(file);
    return app.exec();
}
