// The catalogue on the rolled-profile tabs: a pick fills the fields of the entry on show for
// the position on show, a turn keeps a catalogue profile's values right for the new
// position, and a label names the profile whose values the fields hold.

#include "app/main_form.h"

#include "app/profile_edit.h"
#include "catalogue/field_texts.h"
#include "catalogue/lookup.h"
#include "io/to_qstring.h"

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

    auto* button = new QPushButton(QStringLiteral("Сортамент…"), sheet);
    button->setObjectName(QStringLiteral("bb") + prefix + QStringLiteral("Catalogue"));
    button->setToolTip(QStringLiteral("Выбрать профиль из сортамента (F4)"));
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

    for (TProfileEdit* f : page(k).fields)
        connect(f, &QLineEdit::textChanged, this, [this, k] { updateCatalogueLabel(k); });
}

void TMainForm::catalogueKey() {
    const int n = currentTabNumber();
    if (n < 1 || n > KindCount)
        return;
    const Kind shown = TabOrder[static_cast<std::size_t>(n - 1)];
    if (catalogueButtons_[static_cast<std::size_t>(kindIndex(shown))])
        guarded([=, this] { catalogueClick(shown); });
}

std::vector<std::string> TMainForm::catalogueFieldTexts(Kind k) const {
    std::vector<std::string> texts;
    for (const TProfileEdit* f : pages_[static_cast<std::size_t>(kindIndex(k))].fields)
        texts.push_back(f->text().toStdString());
    return texts;
}

void TMainForm::catalogueClick(Kind k) {
    const catalogue::ProfileRow* row = dialogs_.pickProfile(this, k, model_.state(k).Orientation);
    if (!row)
        return;
    KindPage& p = page(k);
    if (model_.state(k).Count == 0) {
        // A kind with nothing to fill gets its first entry the way the add button gives it.
        p.add->click();
        if (model_.state(k).Count == 0)
            return;
    }
    const std::vector<catalogue::FieldText> texts =
        catalogue::fieldTexts(*row, model_.state(k).Orientation);
    for (std::size_t i = 0; i < texts.size() && i < p.fields.size(); ++i)
        p.fields[i]->setText(ToQString(texts[i].text));
    // Where the profile stands is left to the user: Xc follows the catalogue fields.
    if (texts.size() < p.fields.size()) {
        p.fields[texts.size()]->setFocus();
        p.fields[texts.size()]->selectAll();
    }
}

void TMainForm::refillFromCatalogue(Kind k, int oldCode, int newCode) {
    if (k == Kind::List || oldCode == newCode || model_.state(k).Count == 0)
        return;
    const catalogue::ProfileRow* row = catalogue::recognise(k, oldCode, catalogueFieldTexts(k));
    if (!row)
        return; // typed by hand: the user answers for the values, as always
    KindPage& p = page(k);
    const std::vector<catalogue::FieldText> texts = catalogue::fieldTexts(*row, newCode);
    for (std::size_t i = 0; i < texts.size() && i < p.fields.size(); ++i) {
        if (p.fields[i]->text() != ToQString(texts[i].text))
            p.fields[i]->setText(ToQString(texts[i].text));
    }
}

void TMainForm::updateCatalogueLabel(Kind k) {
    QLabel* label = catalogueLabels_[static_cast<std::size_t>(kindIndex(k))];
    if (!label)
        return;
    const catalogue::ProfileRow* row =
        model_.state(k).Count > 0
            ? catalogue::recognise(k, model_.state(k).Orientation, catalogueFieldTexts(k))
            : nullptr;
    const QString title = row ? ToQString(catalogue::profileTitle(*row)) : QString();
    label->setText(label->fontMetrics().elidedText(title, Qt::ElideRight, label->width()));
    label->setToolTip(row && row->computed
                          ? title + QStringLiteral(". Справочные значения этого профиля "
                                                   "вычислены по его номинальным размерам")
                          : title);
}

} // namespace karo::app
