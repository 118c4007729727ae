#include "app/place_dialog.h"

#include "catalogue/field_texts.h"
#include "catalogue/lookup.h"
#include "io/to_qstring.h"
#include "model/arith.h"
#include "picture/section_picture.h"
#include "texts/message_text.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <limits>

namespace karo::app {
namespace {

constexpr PlaceSide kSides[] = {PlaceSide::Left, PlaceSide::Right, PlaceSide::Above,
                                PlaceSide::Below};

// "Двутавр 1 — Двутавр №20, ГОСТ 8239-89": the profile, and the catalogue row its texts are.
QString targetLabel(const TSectionModel& m, ProfileRef p) {
    QString label =
        TermText(kindInfo(p.kind).caption) + QLatin1Char(' ') + QString::number(p.number);
    if (kindInfo(p.kind).codeCount == 0)
        return label;
    std::vector<std::string> texts;
    for (const FieldInfo& f : kindInfo(p.kind).fields)
        texts.push_back(m.text(p.kind, p.number, f.slot));
    if (const catalogue::ProfileRow* row =
            catalogue::recognise(p.kind, m.entryOrientation(p.kind, p.number), texts))
        label +=
            QStringLiteral(" — ") + CatalogueTitleText(row->kind, row->designation, row->standard);
    return label;
}

} // namespace

PlaceDialog::PlaceDialog(const ProfilePlacer& placer, const TSectionModel& section, QWidget* parent)
    : QDialog(parent), placer_(placer),
      previewImage_(SectionPicture::Size, SectionPicture::Size, QImage::Format_RGB32) {
    setWindowTitle(tr("Приставить профиль"));
    setObjectName(QStringLiteral("PlaceDialog"));

    target_ = new QComboBox(this);
    target_->setObjectName(QStringLiteral("cbPlaceTarget"));
    for (const ProfileRef p : placer.targets())
        target_->addItem(targetLabel(section, p));
    side_ = new QComboBox(this);
    side_->setObjectName(QStringLiteral("cbPlaceSide"));
    for (PlaceSide s : kSides)
        side_->addItem(TermText(SideLabel(s)));
    side_->setCurrentIndex(1); // справа
    align_ = new QComboBox(this);
    align_->setObjectName(QStringLiteral("cbPlaceAlign"));
    gap_ = new QLineEdit(QStringLiteral("0"), this);
    gap_->setObjectName(QStringLiteral("mePlaceGap"));
    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("lbPlaceMessage"));
    message_->setWordWrap(true);
    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("imPlacePreview"));
    picture_->setFixedSize(SectionPicture::Size, SectionPicture::Size);
    picture_->setFrameShape(QFrame::Box);

    auto* form = new QFormLayout;
    form->addRow(tr("к профилю:"), target_);
    form->addRow(tr("сторона:"), side_);
    form->addRow(tr("выравнивание:"), align_);
    form->addRow(tr("зазор, см:"), gap_);
    auto* left = new QVBoxLayout;
    left->addLayout(form);
    left->addWidget(message_);
    left->addStretch(1);
    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(tr("ОК"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Отмена"), QDialogButtonBox::RejectRole);
    ok_->setDefault(true);
    left->addWidget(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(picture_);

    fillAlignments();
    connect(target_, &QComboBox::currentIndexChanged, this, [this] { update(); });
    connect(side_, &QComboBox::currentIndexChanged, this, [this] {
        fillAlignments();
        update();
    });
    connect(align_, &QComboBox::currentIndexChanged, this, [this] { update(); });
    connect(gap_, &QLineEdit::textChanged, this, [this] { update(); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    update();
    // Whatever the texts grow to, the buttons stay on the screen: long lines wrap.
    setFixedWidth(sizeHint().width());
}

// The alignments of the side chosen; the middle stays chosen across a change of side, as
// does the centroid.
void PlaceDialog::fillAlignments() {
    const int kept = align_->currentIndex();
    const QSignalBlocker quiet(align_);
    align_->clear();
    for (PlaceAlign a : AlignmentsOf(kSides[side_->currentIndex()]))
        align_->addItem(TermText(AlignLabel(a)));
    align_->setCurrentIndex(kept == 1 || kept == 3 ? kept : 1);
}

PlaceRequest PlaceDialog::request() const {
    PlaceRequest rq;
    const int t = target_->currentIndex();
    if (t >= 0)
        rq.target = placer_.targets()[static_cast<std::size_t>(t)];
    rq.side = kSides[side_->currentIndex()];
    rq.align = AlignmentsOf(rq.side)[static_cast<std::size_t>(align_->currentIndex())];
    rq.gap =
        ParseGap(gap_->text().toStdString()).value_or(std::numeric_limits<double>::quiet_NaN());
    return rq;
}

PlaceOutcome PlaceDialog::outcome() const {
    return placer_.place(request());
}

void PlaceDialog::update() {
    previewImage_.fill(PageColor);
    QString text;
    bool placed = false;
    try {
        const PlaceOutcome o = outcome();
        placed = o.placed();
        if (placed) {
            text = QStringLiteral("Xc = %1, Yc = %2").arg(ToQString(o.XcText), ToQString(o.YcText));
            const TSectionModel section = placer_.placedSection(o);
            TSectionResult r;
            try {
                SolveSection(section, r);
            } catch (const ArithmeticError&) {
                // The picture shows the section as far as the run got.
            }
            previewImage_ = DrawSectionPicture(section, r);
        } else {
            text = MessageText(o.message);
        }
    } catch (const ArithmeticError& e) {
        text = QString::fromUtf8(e.what()) + QLatin1Char('.');
    }
    ok_->setEnabled(placed);
    message_->setText(text);
    picture_->setPixmap(QPixmap::fromImage(previewImage_));
}

} // namespace karo::app
