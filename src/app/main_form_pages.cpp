// Layout of the main window: every control keeps the object name the rest of the program,
// the tests and the tools look it up by.

#include "app/glyphs.h"
#include "app/main_form.h"
#include "app/profile_edit.h"
#include "app/spin_edit.h"

#include "io/to_qstring.h"
#include "picture/section_picture.h"
#include "picture/sketches.h"
#include "texts/message_text.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>
#include <future>

namespace karo::app {

namespace {

constexpr int kClientWidth = 624;
constexpr int kClientHeight = 460;
constexpr int kBottomStrip = 15;
constexpr int kPanelBorder = 5;
constexpr int kPanelSize = 392;

// Rows of values on the kind and result tabs.
constexpr int kSymbolX = 424;
constexpr int kEqualsX = 456;
constexpr int kFieldX = 472;
constexpr int kFieldW = 90;
constexpr int kFieldH = 19;
constexpr int kUnitX = 568;
constexpr int kSuperX = 590;
constexpr int kRowStep = 24;
constexpr int kResultRowsY = 16; // the first row of the result tab

QFont fontOf(const char* family, int pixelSize, bool bold = false) {
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

// "Ix" reads as I with a lowered x, as in the textbooks.
QString symbolHtml(std::string_view symbol) {
    const QString s = ToQString(symbol);
    if (s.size() <= 1)
        return s;
    return s.left(1) + QStringLiteral("<sub>") + s.mid(1) + QStringLiteral("</sub>");
}

QLabel* label(QWidget* parent, const QString& text, const QFont& font, int x, int y, int w = -1) {
    auto* l = new QLabel(text, parent);
    l->setFont(font);
    l->adjustSize();
    l->move(x, y);
    if (w > 0)
        l->resize(w, l->height());
    return l;
}

QString pictureName(Kind k, int code) {
    const KindInfo& info = kindInfo(k);
    const QString name = ToQString(info.pictureName);
    return info.codeCount == 0 ? name : name + QString::number(code);
}

// What the kind's picture `index` shows: a profile's code (index + 1), or the plate's view.
int pictureCode(Kind k, int index) {
    return k == Kind::List ? index : index + 1;
}

QImage sketch(Kind k, int code) {
    if (k == Kind::List) {
        const PlateView views[] = {PlateView::Tab, PlateView::Horizontal, PlateView::Vertical};
        return PlatePicture(views[std::clamp(code, 0, 2)]);
    }
    return OrientationPicture(k, code);
}

// An orientation picture drawn when it is first shown: at start only the picture on show
// is drawn, the other positions and tabs wait until the user turns to them.
class SketchLabel : public QLabel {
  public:
    SketchLabel(Kind kind, int code, QWidget* parent) : QLabel(parent), kind_(kind), code_(code) {}

    // The picture drawn ahead on another thread (see TMainForm::firstSketch_).
    void takeAhead(std::future<QImage> ahead) { ahead_ = std::move(ahead); }

  protected:
    void showEvent(QShowEvent* e) override {
        if (!drawn_) {
            drawn_ = true;
            setPixmap(QPixmap::fromImage(ahead_.valid() ? ahead_.get() : sketch(kind_, code_)));
        }
        QLabel::showEvent(e);
    }

  private:
    Kind kind_;
    int code_;
    bool drawn_ = false;
    std::future<QImage> ahead_;
};

QFrame* picturePanel(QWidget* parent, const char* name) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameShape(QFrame::Box);
    panel->setLineWidth(1);
    panel->setGeometry(7, 7, kPanelSize, kPanelSize);
    panel->setAutoFillBackground(true);
    QPalette colours = panel->palette();
    colours.setColor(QPalette::Window, QColor::fromRgb(PageColor));
    panel->setPalette(colours);
    return panel;
}

} // namespace

void TMainForm::buildWindow() {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(tr(kMainCaption));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(fontOf("MS Sans Serif", 11));

    auto* outer = new QWidget(this);
    outer->setObjectName(QStringLiteral("Panel1"));
    outer->setGeometry(0, 0, kClientWidth, kClientHeight - kBottomStrip);
    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("Panel2"));
    strip->setGeometry(0, kClientHeight - kBottomStrip, kClientWidth, kBottomStrip);

    tabs_ = new QTabWidget(outer);
    tabs_->setObjectName(QStringLiteral("PageControl1"));
    tabs_->setTabPosition(QTabWidget::South);
    tabs_->setUsesScrollButtons(false);
    tabs_->tabBar()->setElideMode(Qt::ElideNone);
    tabs_->tabBar()->setExpanding(false);
    // Seven captions must fit the fixed width in one row.
    tabs_->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 2px 5px; }"));
    tabs_->setGeometry(kPanelBorder, kPanelBorder, kClientWidth - 2 * kPanelBorder,
                       kClientHeight - kBottomStrip - 2 * kPanelBorder);

    // Each tab's sheet exists from the start; what is on it is built when needed.
    for (Kind k : TabOrder) {
        KindPage& p = pages_[kindIndex(k)];
        p.kind = k;
        p.sheet = new QWidget;
        p.sheet->setObjectName(QStringLiteral("TabSheet_") + ToQString(kindInfo(k).prefix));
        tabs_->addTab(p.sheet, TermText(kindInfo(k).caption));
    }
    tabs_->addTab(buildResultTab(), tr("РЕШЕНИЕ"));
    auto* about = new QWidget;
    about->setObjectName(QStringLiteral("TabSheet_About"));
    tabs_->addTab(about, tr("О программе ..."));
    buildTab(1);
    // A tab the user turns to is built before anything else looks at it.
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int i) { buildTab(i + 1); });
    connect(tabs_, &QTabWidget::currentChanged, this, [this] { PageControl1Change(); });
}

TMainForm::KindPage& TMainForm::page(Kind k) {
    buildTab(kindInfo(k).tabNumber);
    return pages_[kindIndex(k)];
}

bool TMainForm::allTabsBuilt() const {
    return aboutBuilt_ && resultRowsBuilt_ &&
           std::all_of(pages_.begin(), pages_.end(), [](const KindPage& p) { return p.built; });
}

void TMainForm::buildRemainingTabs() {
    for (int number = 1; number <= AboutTabNumber; ++number)
        buildTab(number);
}

void TMainForm::buildTab(int number) {
    QWidget* sheet = tabs_->widget(number - 1);
    if (isKindTab(number)) {
        KindPage& p = pages_[kindIndex(kindOfTab(number))];
        if (p.built)
            return;
        buildKindPage(p);
    } else if (number == ResultTabNumber && !resultRowsBuilt_) {
        resultRowsBuilt_ = true;
        buildResultRows(sheet);
    } else if (number == AboutTabNumber && !aboutBuilt_) {
        aboutBuilt_ = true;
        buildAboutTab(sheet);
    } else {
        return;
    }
    // What is made on a sheet already on show stays hidden until it is shown itself.
    if (sheet->isVisible())
        for (QWidget* w : sheet->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!w->testAttribute(Qt::WA_WState_ExplicitShowHide))
                w->show();
}

std::future<QImage> TMainForm::drawFirstSketch() {
    const Kind k = kindOfTab(1);
    return std::async(std::launch::async, [k] { return sketch(k, pictureCode(k, 0)); });
}

void TMainForm::buildKindPage(KindPage& p) {
    p.built = true;
    const Kind k = p.kind;
    const KindInfo& info = kindInfo(k);
    const QString prefix = ToQString(info.prefix);
    QWidget* sheet = p.sheet;

    // The orientation pictures, stacked; one is visible at a time.
    QFrame* panel = picturePanel(sheet, "");
    panel->setObjectName(QStringLiteral("pn") + prefix + QStringLiteral("Picture"));
    const int pictureCount = k == Kind::List ? 3 : info.codeCount;
    for (int i = 0; i < pictureCount; ++i) {
        auto* im = new SketchLabel(k, pictureCode(k, i), panel);
        QString name = pictureName(k, i + 1);
        if (k == Kind::List) {
            const char* plateNames[] = {"imlist", "Imlist_g", "Imlist_v"};
            name = QString::fromLatin1(plateNames[i]);
        }
        im->setObjectName(name);
        im->setGeometry((kPanelSize - SketchSize) / 2, (kPanelSize - SketchSize) / 2, SketchSize,
                        SketchSize);
        im->setVisible(i == 0);
        if (i == 0 && info.tabNumber == 1 && firstSketch_.valid())
            im->takeAhead(std::move(firstSketch_));
        p.pictures.push_back(im);
    }

    // Entry number, add and erase.
    p.number = new TSpinEdit(sheet);
    p.number->setObjectName(QStringLiteral("se") + prefix + QStringLiteral("Number"));
    p.number->setGeometry(440, 8, 41, 22);
    p.number->setEnabled(false);

    p.add = new QPushButton(sheet);
    p.add->setObjectName(QStringLiteral("bb") + prefix + QStringLiteral("Add"));
    p.add->setIcon(AddGlyph());
    p.add->setGeometry(496, 7, 33, 25);
    p.add->setToolTip(tr("Добавить"));
    p.erase = new QPushButton(sheet);
    p.erase->setObjectName(QStringLiteral("bb") + prefix + QStringLiteral("Erase"));
    p.erase->setIcon(EraseGlyph());
    p.erase->setGeometry(536, 7, 33, 25);
    p.erase->setToolTip(tr("Удалить"));

    // Turning and mirroring.
    if (info.codeCount > 0) {
        p.rotate = new QPushButton(tr("Повернуть"), sheet);
        p.rotate->setObjectName(QStringLiteral("bb") + prefix + QStringLiteral("Rotate"));
        p.rotate->setToolTip(tr("Поворот против часовой стрелки"));
        if (k == Kind::Un) {
            p.rotate->setGeometry(416, 40, 85, 25);
            p.mirror = new QPushButton(tr("Отразить"), sheet);
            p.mirror->setObjectName(QStringLiteral("bbUnMirror"));
            p.mirror->setToolTip(tr("Зеркальное отражение"));
            p.mirror->setGeometry(510, 40, 85, 25);
        } else {
            p.rotate->setGeometry(440, 40, 129, 25);
        }
    }

    // One row per typed field; the catalogue values, a separator, then the position.
    const QFont symbolFont = fontOf("Times New Roman", 19);
    const QFont unitFont = fontOf("MS Sans Serif", 16);
    const QFont superFont = fontOf("MS Sans Serif", 13);
    int y = 96;
    QWidget* previous = p.number;
    for (std::size_t i = 0; i < info.fields.size(); ++i) {
        const FieldInfo& f = info.fields[i];
        if (!f.positive && (i == 0 || info.fields[i - 1].positive)) {
            // The separator stands one step below the last catalogue row; Xc follows 32
            // pixels below it.
            auto* sep = label(sheet, QStringLiteral("—————————"), font(), kSymbolX, y + 2, 171);
            sep->setObjectName(QStringLiteral("lb") + prefix + QStringLiteral("Separator"));
            y += 32;
        }
        const QString key = ToQString(f.key);
        const QString hint = TermText(f.hint);

        auto* sym = label(sheet, symbolHtml(f.label), symbolFont, kSymbolX, y - 4, 30);
        sym->setObjectName(QStringLiteral("lb") + prefix + key);
        sym->setToolTip(hint);
        auto* eq = label(sheet, QStringLiteral("="), font(), kEqualsX, y + 3);
        eq->setObjectName(QStringLiteral("lbEq") + prefix + key);
        eq->setToolTip(hint);

        auto* edit = new TProfileEdit(sheet);
        edit->setObjectName(QStringLiteral("me") + prefix + key);
        edit->setGeometry(kFieldX, y, kFieldW, kFieldH);
        edit->setToolTip(hint);
        edit->setEnabled(false);
        const int index = static_cast<int>(i);
        connect(edit, &TProfileEdit::nextField, this, [this, k, index] { moveFocus(k, index, 1); });
        connect(edit, &TProfileEdit::previousField, this,
                [this, k, index] { moveFocus(k, index, -1); });
        setTabOrder(previous, edit);
        previous = edit;

        auto* unit = label(sheet, tr("см."), unitFont, kUnitX, y);
        unit->setObjectName(QStringLiteral("lbUnit") + prefix + key);
        p.rowLabels.insert(p.rowLabels.end(), {sym, eq, unit});
        if (f.unit != Unit::Cm) {
            auto* sup =
                label(sheet, f.unit == Unit::Cm2 ? QStringLiteral("2") : QStringLiteral("4"),
                      superFont, kSuperX, y - 3);
            sup->setObjectName(QStringLiteral("lbSup") + prefix + key);
            p.rowLabels.push_back(sup);
        }
        for (QWidget* w : p.rowLabels)
            w->setEnabled(false);
        p.fields.push_back(edit);
        y += kRowStep;
    }
    setTabOrder(previous, p.add);
    setTabOrder(p.add, p.erase);
    if (p.rotate)
        setTabOrder(p.erase, p.rotate);
    if (p.mirror)
        setTabOrder(p.rotate, p.mirror);

    connect(p.add, &QPushButton::clicked, this, [this, k] { guarded([=, this] { addClick(k); }); });
    connect(p.erase, &QPushButton::clicked, this,
            [this, k] { guarded([=, this] { eraseClick(k); }); });
    connect(p.number, &TSpinEdit::changed, this,
            [this, k] { guarded([=, this] { numberChange(k); }); });
    if (p.rotate)
        connect(p.rotate, &QPushButton::clicked, this,
                [this, k] { guarded([=, this] { rotateClick(k); }); });
    if (p.mirror)
        connect(p.mirror, &QPushButton::clicked, this,
                [this, k] { guarded([=, this] { mirrorClick(k); }); });
    buildCatalogueControls(k, sheet);
    buildPlaceControls(k, sheet);
    watchFields(p);
    showKind(k);
}

QWidget* TMainForm::buildResultTab() {
    auto* sheet = new QWidget;
    sheet->setObjectName(QStringLiteral("TabSheet_Res"));
    sheet->installEventFilter(this);

    QFrame* panel = picturePanel(sheet, "pnResPicture");
    image1_ = new QLabel(panel);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setGeometry(1, 1, SectionPicture::Size, SectionPicture::Size);
    // Blank until the result tab is first shown, which solves.
    QImage blank(SectionPicture::Size, SectionPicture::Size, QImage::Format_RGB32);
    blank.fill(Qt::white);
    image1_->setPixmap(QPixmap::fromImage(blank));

    // Below the rows of results.
    const int buttonsY = kResultRowsY + ResultFieldCount * kRowStep + 6;
    bbSave_ = new QPushButton(tr("Сохранить"), sheet);
    bbSave_->setObjectName(QStringLiteral("bbSave"));
    bbSave_->setToolTip(tr("Сохранить результаты"));
    bbSave_->setGeometry(424, buttonsY, 85, 25);
    bbPrint_ = new QPushButton(tr("Печатать"), sheet);
    bbPrint_->setObjectName(QStringLiteral("bbPrint"));
    bbPrint_->setToolTip(tr("Печатать результаты"));
    bbPrint_->setGeometry(515, buttonsY, 85, 25);
    bbPrint_->setDefault(true);
    bbWord_ = new QPushButton(tr("Создать отчет в MsWord"), sheet);
    bbWord_->setObjectName(QStringLiteral("bbWord"));
    bbWord_->setToolTip(tr("Создать отчет"));
    bbWord_->setGeometry(424, buttonsY + 32, 176, 25);
    buildPropertiesButton(sheet, buttonsY + 59);
    // Saving, printing and the report are connected by their own parts of the program.

    panel9_ = new QWidget(sheet);
    panel9_->setObjectName(QStringLiteral("Panel9"));
    panel9_->setGeometry((tabs_->width() - kPanelSize) / 2, 180, kPanelSize, 35);
    progress_ = new QProgressBar(panel9_);
    progress_->setObjectName(QStringLiteral("ProgressBar1"));
    progress_->setRange(0, 20);
    progress_->setValue(0);
    progress_->setGeometry(8, 8, kPanelSize - 16, 19);
    panel9_->hide();
    return sheet;
}

void TMainForm::buildResultRows(QWidget* sheet) {
    // The colours of the two moduli: those of their marks in the picture.
    const auto colour = [](int i) { return i == rfWu ? "blue" : i == rfWv ? "red" : ""; };
    const QFont symbolFont = fontOf("Times New Roman", 19);
    const QFont unitFont = fontOf("MS Sans Serif", 16);
    const QFont superFont = fontOf("MS Sans Serif", 13);
    const QFont valueFont = fontOf("MS Sans Serif", 11, true);
    for (const ResultFieldInfo& field : ResultFields) {
        const int i = field.key;
        const int y = kResultRowsY + field.row * kRowStep;
        const QString hint = TermText(field.hint);
        // The letter with its index lowered; the angle's index is also smaller.
        QString symbol = ToQString(field.letter);
        if (!field.index.empty())
            symbol +=
                i == rfAlpha0
                    ? QStringLiteral("<sub><small>%1</small></sub>").arg(ToQString(field.index))
                    : QStringLiteral("<sub>%1</sub>").arg(ToQString(field.index));
        if (*colour(i))
            symbol = QStringLiteral("<span style=\"color:%1\">%2</span>")
                         .arg(QString::fromLatin1(colour(i)), symbol);
        auto* sym = label(sheet, symbol, symbolFont, kSymbolX, y - 4, 34);
        sym->setToolTip(hint);
        auto* eq = label(sheet, QStringLiteral("="), font(), kEqualsX + 2, y + 3);
        eq->setToolTip(hint);
        auto* edit = new QLineEdit(sheet);
        edit->setObjectName(ToQString(field.objectName));
        edit->setReadOnly(true);
        edit->setFont(valueFont);
        edit->setGeometry(kFieldX, y, kFieldW, kFieldH);
        edit->setToolTip(hint);
        resultFields_[static_cast<std::size_t>(i)] = edit;
        label(sheet, TermText(field.unit), unitFont, kUnitX, y);
        if (field.power != 0)
            label(sheet, QString::number(field.power), superFont, kSuperX, y - 3);
    }

    // The rows come before the buttons when Tab goes round, as they stand above them.
    setTabOrder(resultFields_.back(), bbSave_);
    setTabOrder(bbSave_, bbPrint_);
    setTabOrder(bbPrint_, bbWord_);
    // The report's progress stands over the rows.
    panel9_->raise();
}

void TMainForm::buildAboutTab(QWidget* sheet) {
    auto* box = new QGroupBox(sheet);
    box->setObjectName(QStringLiteral("GroupBox1"));
    box->setGeometry(8, 4, 596, 396);

    auto* picture = new QLabel(box);
    picture->setObjectName(QStringLiteral("imAbout"));
    picture->setPixmap(AboutPicture(160));
    picture->setGeometry(24, 40, 160, 160);
    picture->setFrameShape(QFrame::Box);

    const int x = 220;
    auto* name = label(box, QStringLiteral("Karo"), fontOf("Times New Roman", 32, true), x, 36);
    name->setObjectName(QStringLiteral("lbProduct"));
    auto* year = label(box, QStringLiteral("2006"), fontOf("Times New Roman", 19), 0, 48);
    year->move(name->x() + name->width() + 8, 48);

    const QFont text = fontOf("MS Sans Serif", 13);
    int y = 92;
    for (const char* line :
         {QT_TR_NOOP("определение геометрических характеристик"),
          QT_TR_NOOP("плоских сечений, составленных из"), QT_TR_NOOP("прокатных профилей")}) {
        label(box, tr(line), text, x, y);
        y += 20;
    }
    y += 20;
    for (const char* line : {QT_TR_NOOP("Разработка: учебная группа «Каро»"),
                             QT_TR_NOOP("кафедра строительной механики")}) {
        label(box, tr(line), text, x, y);
        y += 20;
    }
    // No links: the project has no web site or mailbox that answers, and an address that
    // leads nowhere is worse than none.
}

} // namespace karo::app
