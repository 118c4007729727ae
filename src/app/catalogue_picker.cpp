#include "app/catalogue_picker.h"

#include "catalogue/field_texts.h"
#include "catalogue/lookup.h"
#include "io/to_qstring.h"
#include "texts/message_text.h"
#include "texts/standard_text.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

namespace karo::app {

namespace {

QString unitOf(Unit u) {
    switch (u) {
    case Unit::Cm2:
        return QCoreApplication::translate("karo::app::TCataloguePicker", "см²");
    case Unit::Cm4:
        return QCoreApplication::translate("karo::app::TCataloguePicker", "см⁴");
    case Unit::Cm:
        break;
    }
    return QCoreApplication::translate("karo::app::TCataloguePicker", "см");
}

// Dimensions that the kind's fields do not take but that tell the profiles apart, in mm.
struct ExtraColumn {
    const char* header;
    std::string catalogue::ProfileRow::*value;
};

std::vector<ExtraColumn> extraColumns(Kind k) {
    using R = catalogue::ProfileRow;
    if (k == Kind::Dt || k == Kind::Sh)
        return {{QT_TRANSLATE_NOOP("karo::app::TCataloguePicker", "s, мм"), &R::s},
                {QT_TRANSLATE_NOOP("karo::app::TCataloguePicker", "t, мм"), &R::t}};
    return {};
}

} // namespace

TCataloguePicker::TCataloguePicker(Kind kind, int code, QWidget* parent,
                                   const catalogue::ProfileRow* shown)
    : QDialog(parent), shown_(shown) {
    setObjectName(QStringLiteral("CataloguePicker"));
    setWindowTitle(tr("Сортамент"));
    rows_ = catalogue::kindRows(kind);

    auto* layout = new QVBoxLayout(this);
    QString standards;
    for (const catalogue::ProfileRow* r : rows_) {
        const QString standard = StandardText(r->standard);
        if (!standards.contains(standard))
            standards += (standards.isEmpty() ? QString() : QStringLiteral(", ")) + standard;
    }
    auto* title = new QLabel(
        tr("%1 (%2). Значения — для положения на вкладке%3.")
            .arg(TermText(kindInfo(kind).caption), standards,
                 catalogue::swapsAxes(kind, code) ? tr(": профиль повёрнут") : QString()),
        this);
    title->setObjectName(QStringLiteral("lbPickerTitle"));
    layout->addWidget(title);

    auto* filterRow = new QHBoxLayout;
    auto* filterLabel = new QLabel(tr("Обозначение:"), this);
    filter_ = new QLineEdit(this);
    filter_->setObjectName(QStringLiteral("edCatalogueFilter"));
    filter_->setPlaceholderText(tr("например, %1").arg(TermText(kindInfo(kind).catalogueExample)));
    filter_->setClearButtonEnabled(true);
    filterLabel->setBuddy(filter_);
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(filter_, 1);
    layout->addLayout(filterRow);

    // Standard, designation, the dimensions no field takes, then every field a pick fills.
    const std::vector<ExtraColumn> extra = extraColumns(kind);
    QStringList headers = {tr("ГОСТ"), tr("Обозначение")};
    for (const ExtraColumn& c : extra)
        headers << tr(c.header);
    for (const FieldInfo& f : kindInfo(kind).fields) {
        if (f.catalogue)
            headers << ToQString(f.label) + QStringLiteral(", ") + unitOf(f.unit);
    }
    table_ =
        new QTableWidget(static_cast<int>(rows_.size()), static_cast<int>(headers.size()), this);
    table_->setObjectName(QStringLiteral("tbCatalogue"));
    table_->setHorizontalHeaderLabels(headers);
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setFocusPolicy(Qt::ClickFocus);
    table_->setWordWrap(false);
    for (int i = 0; i < static_cast<int>(rows_.size()); ++i) {
        const catalogue::ProfileRow& r = *rows_[static_cast<std::size_t>(i)];
        int column = 0;
        const auto cell = [&](const QString& text, bool right) {
            auto* item = new QTableWidgetItem(text);
            if (right)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (r.computed) {
                // Not published: computed from the nominal dimensions.
                QFont f = item->font();
                f.setItalic(true);
                item->setFont(f);
                item->setToolTip(
                    tr("Справочные значения вычислены по номинальным размерам профиля"));
            }
            table_->setItem(i, column++, item);
        };
        cell(StandardText(r.standard), false);
        cell(DesignationText(r.designation), false);
        for (const ExtraColumn& c : extra)
            cell(ToQString(r.*c.value), true);
        for (const catalogue::FieldText& f : catalogue::fieldTexts(r, code))
            cell(ToQString(f.text), true);
    }
    table_->resizeColumnsToContents();
    for (int c = 0; c < table_->columnCount(); ++c)
        table_->setColumnWidth(c, table_->columnWidth(c) + 12);
    table_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table_, 1);

    auto* bottom = new QHBoxLayout;
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("lbCatalogueCount"));
    bottom->addWidget(count_, 1);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("Выбрать"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Отмена"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    bottom->addWidget(buttons);
    layout->addLayout(bottom);

    connect(filter_, &QLineEdit::textChanged, this, [this] { applyFilter(); });
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row) {
        table_->selectRow(row);
        pick();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { pick(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    filter_->installEventFilter(this);
    table_->installEventFilter(this);

    int width = 0;
    for (int c = 0; c < table_->columnCount(); ++c)
        width += table_->columnWidth(c);
    resize(std::clamp(width + 60, 560, 980), 480);
    applyFilter();
    filter_->setFocus();
}

const catalogue::ProfileRow* TCataloguePicker::selectedRow() const {
    const QList<QTableWidgetItem*> items = table_->selectedItems();
    if (items.isEmpty() || table_->isRowHidden(items.front()->row()))
        return nullptr;
    return rows_[static_cast<std::size_t>(items.front()->row())];
}

const catalogue::ProfileRow* TCataloguePicker::pickedRow() const {
    return result() == QDialog::Accepted ? selectedRow() : nullptr;
}

void TCataloguePicker::applyFilter() {
    const std::vector<const catalogue::ProfileRow*> shown = catalogue::filterProfiles(
        rows_.empty() ? Kind::Dt : rows_.front()->kind, filter_->text().toStdString());
    const std::set<const catalogue::ProfileRow*> keep(shown.begin(), shown.end());
    int first = -1;
    for (int i = 0; i < static_cast<int>(rows_.size()); ++i) {
        const bool visible = keep.count(rows_[static_cast<std::size_t>(i)]) > 0;
        table_->setRowHidden(i, !visible);
        if (visible && first < 0)
            first = i;
    }
    // Before anything is typed, Enter keeps the profile on show; once a filter is typed, the
    // first profile found is the one Enter picks.
    if (filter_->text().isEmpty() && shown_) {
        const auto at = std::find(rows_.begin(), rows_.end(), shown_);
        if (at != rows_.end())
            first = static_cast<int>(at - rows_.begin());
    }
    table_->clearSelection();
    if (first >= 0) {
        table_->selectRow(first);
        table_->scrollToItem(table_->item(first, 0), QAbstractItemView::PositionAtTop);
    }
    QString count = shown.empty() ? tr("Нет профиля с таким обозначением")
                                  : tr("Профилей: %1").arg(shown.size());
    if (std::any_of(shown.begin(), shown.end(),
                    [](const catalogue::ProfileRow* r) { return r->computed; }))
        count += tr("; курсивом — значения, вычисленные по размерам");
    count_->setText(count);
}

void TCataloguePicker::pick() {
    if (selectedRow())
        accept();
}

bool TCataloguePicker::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() != QEvent::KeyPress || (watched != filter_ && watched != table_))
        return QDialog::eventFilter(watched, e);
    const auto* key = static_cast<QKeyEvent*>(e);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        pick();
        return true;
    }
    if (watched != filter_)
        return QDialog::eventFilter(watched, e);
    // The arrows move through the profiles found while the focus stays in the filter.
    int step = 0;
    switch (key->key()) {
    case Qt::Key_Up:
        step = -1;
        break;
    case Qt::Key_Down:
        step = 1;
        break;
    case Qt::Key_PageUp:
        step = -10;
        break;
    case Qt::Key_PageDown:
        step = 10;
        break;
    default:
        return QDialog::eventFilter(watched, e);
    }
    std::vector<int> visible;
    for (int i = 0; i < table_->rowCount(); ++i) {
        if (!table_->isRowHidden(i))
            visible.push_back(i);
    }
    if (visible.empty())
        return true;
    const QList<QTableWidgetItem*> items = table_->selectedItems();
    const int current = items.isEmpty() ? visible.front() : items.front()->row();
    const auto at = std::find(visible.begin(), visible.end(), current);
    const int index = static_cast<int>(at == visible.end() ? 0 : at - visible.begin());
    const int next = std::clamp(index + step, 0, static_cast<int>(visible.size()) - 1);
    table_->selectRow(visible[static_cast<std::size_t>(next)]);
    table_->scrollToItem(table_->item(visible[static_cast<std::size_t>(next)], 0));
    return true;
}

} // namespace karo::app
