// Karo: sectional properties of a plane section built from rolled steel profiles.

#include "app/dialogs.h"
#include "app/karo_application.h"
#include "app/main_form.h"
#include "app/single_instance.h"

#include "picture/section_picture.h"

namespace {

// The section and its last result live as long as the program.
karo::TSectionModel gModel;
karo::TSectionResult gResult;

} // namespace

int main(int argc, char** argv) {
    karo::app::KaroApplication app(argc, argv);

    // `karo FILE.karo` opens the section. A second copy only brings the first one to the
    // front, handing it the file.
    const QStringList args = app.arguments();
    const QString file = args.size() > 1 ? args.at(1) : QString();
    karo::app::SingleInstance instance;
    if (!instance.start(file))
        return 0;

    karo::app::MessageBoxDialogs dialogs;
    app.setDialogs(&dialogs);

    karo::app::TMainForm form(gModel, gResult, dialogs);
    karo::SectionPicture picture;
    form.setSectionPicture(&picture, [&picture] { return picture.image(); });
    QObject::connect(&instance, &karo::app::SingleInstance::raiseRequested, &form, [&form] {
        form.raise();
        form.activateWindow();
    });
    // Queued: the window may ask whether to save first, and that question must not run inside
    // the socket's own handler, whose connection may go away meanwhile.
    QObject::connect(
        &instance, &karo::app::SingleInstance::openRequested, &form,
        [&form](const QString& path) { form.openHandedOver(path); }, Qt::QueuedConnection);
    form.show();
    if (!file.isEmpty())
        form.openSection(file);
    return app.exec();
}
