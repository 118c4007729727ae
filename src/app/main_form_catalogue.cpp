// The catalogue on the rolled-profile tabs: a pick fills the fields of the entry on show for
// the position on show, a turn keeps a catalogue profile's values right for the new
// position, and a label names the profile whose values the fields hold.

#include "app/main_form.h"

#include "app/profile_edit.h"
#include "catalogue/field_texts.h"
#include "catalogue/lookup.h"
#include "io/to_qstring.h"
#include "texts/message_text.h"

#include <QLabel>
#include <QPushButton>

namespace karo::app {

namespace {

// Where the picker button stands: in the free strip under the turn buttons, as wide as they
// are together.
QRect buttonGeometry(Kind k) {
    return k == Kind::Un ? QRect(416, 68, 179, 23) : QRect(440, 68, 129, 23);
}

} // namespace

void TMainForm::buildCatalogueControls(Kind k, QWidget* sheet) {
    if (k == Kind::List)
        return;
    const QString prefix = ToQString(kindInfo(k).prefix);
    const auto index = static_cast<std::size_t>(kindIndex(k));

    auto* button = new QPushButton(tr("Сортамент…"), sheet);
    button->setObjectName(QStringLiteral("bb") + prefix + QStringLiteral("Catalogue"));
    button->setToolTip(tr("Выбрать профиль из сортамента (F4)"));
    button->setGeometry(buttonGeometry(k));
    connect(button, &QPushButton::clicked, this,
            [this, k] { guarded([=, this] { catalogueClick(k); }); });
    catalogueButtons_[index] = button;

    // The name of the profile on show, small, under the rule that closes the catalogue rows:
    // the values above it are that profile's.
    auto* rule =
        sheet->findChild<QLabel*>(QStringLiteral("lb") + prefix + QStringLiteral("Separator"));
    auto* label = new QLabel(sheet);
    label->setObjectName(QStringLiteral("lb") + prefix + QStringLiteral("Catalogue"));
    QFont small = font();
    small.setPixelSize(10);
    label->setFont(small);
    label->setGeometry(424, rule ? rule->y() + 13 : 76, 180, 14);
    catalogueLabels_[index] = label;
}

void TMainForm::catalogueKey() {
    const int n = currentTabNumber();
    if (!isKindTab(n))
        return;
    const Kind shown = kindOfTab(n);
    if (catalogueButtons_[static_cast<std::size_t>(kindIndex(shown))])
        guarded([=, this] { catalogueClick(shown); });
}

void TMainForm::catalogueClick(Kind k) {
    const catalogue::ProfileRow* row =
        dialogs_.pickProfile(this, k, model_.state(k).Orientation, document_.shownProfile(k));
    if (!row)
        return;
    const bool first = model_.state(k).Count == 0;
    const EditOutcome out = document_.pick(k, *row);
    reportCommit(k, out.commit);
    if (!out.done())
        return;
    KindPage& p = page(k);
    if (first) {
        p.spinMin = 1; // the first entry, as the add button gives it
        showKind(k);
    }
    // Where the profile stands is left to the user: Xc follows the catalogue fields.
    const std::size_t xc = catalogue::fieldTexts(*row, model_.state(k).Orientation).size();
    if (xc < p.fields.size()) {
        p.fields[xc]->setFocus();
        p.fields[xc]->selectAll();
    }
}

void TMainForm::updateCatalogueLabel(Kind k) {
    QLabel* label = catalogueLabels_[static_cast<std::size_t>(kindIndex(k))];
    if (!label)
        return;
    const catalogue::ProfileRow* row = document_.shownProfile(k);
    const QString title =
        row ? CatalogueTitleText(row->kind, row->designation, row->standard) : QString();
    label->setText(label->fontMetrics().elidedText(title, Qt::ElideRight, label->width()));
    label->setToolTip(row && row->computed ? title + tr(". Справочные значения этого профиля "
                                                        "вычислены по его номинальным размерам")
                                           : title);
}

} // namespace karo::app
