// Placing the profile on show against another profile of the section: the button beside the
// erase button, F5, and the dialog. The placement fills Xc and Yc in one undo step.

#include "app/glyphs.h"
#include "app/main_form.h"
#include "io/to_qstring.h"
#include "model/messages.h"
#include "placement/placement.h"
#include "texts/message_text.h"

#include <QPushButton>

namespace karo::app {

void TMainForm::buildPlaceControls(Kind k, QWidget* sheet) {
    KindPage& p = page(k);
    p.place = new QPushButton(sheet);
    p.place->setObjectName(QStringLiteral("bb") + ToQString(kindInfo(k).prefix) +
                           QStringLiteral("Place"));
    p.place->setIcon(PlaceGlyph());
    p.place->setGeometry(574, 8, 33, 25);
    p.place->setToolTip(tr("Приставить к другому профилю (F5)"));
    p.place->setEnabled(false);
    setTabOrder(p.erase, p.place);
    connect(p.place, &QPushButton::clicked, this,
            [this, k] { guarded([=, this] { placeClick(k); }); });
}

void TMainForm::placeKey() {
    const int n = currentTabNumber();
    if (isKindTab(n))
        guarded([=, this] { placeClick(kindOfTab(n)); });
}

void TMainForm::placeClick(Kind k) {
    if (model_.state(k).Count == 0)
        return;
    // The document holds every entry on show committed; one that refuses a field is simply
    // not offered as a target.
    const int shown = model_.state(k).CurrentNumber;
    const ProfilePlacer placer(model_, {k, shown}, EntryTexts(model_, shown));
    if (placer.status() == PlaceStatus::ShapeRefused) {
        reportCommit(k, placer.shapeCommit());
        return;
    }
    if (placer.status() != PlaceStatus::Placed) {
        dialogs_.warning(this, MessageText(MessageCode::WarningCaption),
                         MessageText(placer.message()));
        return;
    }
    const std::optional<PlaceRequest> request = dialogs_.askPlacement(this, placer, model_);
    if (!request)
        return;
    const PlaceOutcome placed = placer.place(*request);
    if (!placed.placed()) {
        dialogs_.warning(this, MessageText(MessageCode::WarningCaption),
                         MessageText(placed.message));
        return;
    }
    document_.place(k, placed.XcText, placed.YcText);
}

} // namespace karo::app
