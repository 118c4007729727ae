#include "app/properties_window.h"

#include "app/dialogs.h"
#include "io/safe_file.h"
#include "io/to_qstring.h"
#include "model/messages.h"
#include "properties_view/properties_picture.h"
#include "solver/format.h"
#include "solver/result_fields.h"
#include "texts/message_text.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace karo::app {

using properties::PropertiesSnapshot;
using properties::PropertiesStatus;

// The picture, drawn to the size the window gives it.
class PropertiesPictureView : public QWidget {
  public:
    PropertiesPictureView(const PropertiesSnapshot& s, PropertiesWindow* window)
        : QWidget(window), snapshot_(s), window_(window) {
        setObjectName(QStringLiteral("PropertiesPicture"));
        setMinimumSize(240, 240);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    bool mesh = false;
    void redraw() {
        image_ = QImage();
        update();
    }
    properties::PictureOptions options() const { return {width(), height(), mesh}; }

  protected:
    void paintEvent(QPaintEvent*) override {
        if (image_.size() != size())
            image_ = properties::DrawPropertiesPicture(snapshot_, options());
        QPainter(this).drawImage(0, 0, image_);
    }
    void contextMenuEvent(QContextMenuEvent* e) override {
        QMenu menu(this);
        QAction* save = menu.addAction(PropertiesWindow::tr("Сохранить рисунок…"));
        save->setEnabled(snapshot_.solved());
        if (menu.exec(e->globalPos()) == save)
            window_->savePictureClick();
    }

  private:
    const PropertiesSnapshot& snapshot_;
    PropertiesWindow* window_;
    QImage image_;
};

namespace {

// The columns of the table on screen.
enum Column { colName, colSymbol, colValue, colUnit, colNote, colCount };

const QColor kStale(150, 150, 150);

} // namespace

PropertiesWindow::PropertiesWindow(SectionDocument& document, UserDialogs& dialogs, QWidget* owner)
    : QWidget(owner, Qt::Window), document_(document), dialogs_(dialogs) {
    setObjectName(QStringLiteral("PropertiesWindow"));
    setWindowTitle(tr("Характеристики сечения — Karo"));

    table_ = new QTreeWidget;
    table_->setObjectName(QStringLiteral("PropertiesTable"));
    table_->setColumnCount(colCount);
    table_->setHeaderLabels(
        {tr("Величина"), tr("Обозначение"), tr("Значение"), tr("Единица"), tr("Примечание")});
    table_->setRootIsDecorated(false);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->header()->setStretchLastSection(true);

    picture_ = new PropertiesPictureView(snapshot_, this);
    meshBox_ = new QCheckBox(tr("Сетка конечных элементов"));
    meshBox_->setObjectName(QStringLiteral("cbMesh"));
    connect(meshBox_, &QCheckBox::toggled, this, [this](bool on) {
        picture_->mesh = on;
        picture_->redraw();
    });
    savePicture_ = new QPushButton(tr("Сохранить рисунок…"));
    savePicture_->setObjectName(QStringLiteral("bbSavePicture"));
    connect(savePicture_, &QPushButton::clicked, this, &PropertiesWindow::savePictureClick);
    copy_ = new QPushButton(tr("Копировать"));
    copy_->setObjectName(QStringLiteral("bbCopy"));
    copy_->setToolTip(tr("Таблица в буфер обмена: столбцы через табуляцию, "
                         "единицы в отдельном столбце"));
    connect(copy_, &QPushButton::clicked, this, &PropertiesWindow::copyTable);

    status_ = new QLabel;
    status_->setObjectName(QStringLiteral("lbStatus"));
    progress_ = new QProgressBar;
    progress_->setObjectName(QStringLiteral("pbProperties"));
    progress_->setMaximumWidth(220);
    progress_->hide();

    refusal_ = new QWidget;
    refusalText_ = new QLabel;
    refusalText_->setObjectName(QStringLiteral("lbRefusal"));
    refusalText_->setWordWrap(true);
    refusalCatalogue_ = new QPushButton(tr("Сортамент…"));
    refusalCatalogue_->setObjectName(QStringLiteral("bbRefusalCatalogue"));
    connect(refusalCatalogue_, &QPushButton::clicked, this,
            [this] { emit catalogueRequested(snapshot_.result.kind, snapshot_.result.number); });
    auto* refusalRow = new QHBoxLayout(refusal_);
    refusalRow->setContentsMargins(0, 0, 0, 0);
    refusalRow->addWidget(refusalText_, 1);
    refusalRow->addWidget(refusalCatalogue_);
    refusal_->hide();

    auto* left = new QWidget;
    auto* leftColumn = new QVBoxLayout(left);
    leftColumn->setContentsMargins(0, 0, 0, 0);
    leftColumn->addWidget(refusal_);
    leftColumn->addWidget(table_, 1);
    auto* right = new QWidget;
    auto* rightColumn = new QVBoxLayout(right);
    rightColumn->setContentsMargins(0, 0, 0, 0);
    rightColumn->addWidget(picture_, 1);
    auto* pictureRow = new QHBoxLayout;
    pictureRow->addWidget(meshBox_);
    pictureRow->addStretch(1);
    pictureRow->addWidget(savePicture_);
    rightColumn->addLayout(pictureRow);

    auto* split = new QSplitter;
    split->addWidget(left);
    split->addWidget(right);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    split->setSizes({640, 400}); // the table's names and values whole, the picture beside
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(status_, 1);
    bottom->addWidget(progress_);
    bottom->addWidget(copy_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(split, 1);
    layout->addLayout(bottom);
    resize(1100, 640);

    connect(&document_, &SectionDocument::changed, this, [this] { documentChanged(); });
    showValues();
}

PropertiesWindow::~PropertiesWindow() {
    // The worker posts to this window: it has to stop first.
    if (cancel_)
        cancel_->store(true);
    if (worker_.valid())
        worker_.wait();
}

void PropertiesWindow::present() {
    show();
    raise();
    activateWindow();
    documentChanged();
}

void PropertiesWindow::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    documentChanged();
}

void PropertiesWindow::documentChanged() {
    // A hidden window computes nothing; it catches up when shown.
    if (!isVisible() || document_.revision() == shownRevision_)
        return;
    if (worker_.valid()) {
        if (runRevision_ == document_.revision())
            return;
        cancel_->store(true);
        pending_ = true;
        return;
    }
    start();
}

void PropertiesWindow::start() {
    pending_ = false;
    runRevision_ = document_.revision();
    cancel_ = std::make_shared<std::atomic<bool>>(false);
    setStale(true);
    // The worker has its own copy of the section: the document goes on changing.
    std::optional<std::array<double, ResultFieldCount>> values;
    if (document_.outcome().status == SolveStatus::Solved && !document_.fault())
        values = ResultValues(document_.result());
    worker_ = std::async(std::launch::async, [this, model = document_.model(), values,
                                              cancel = cancel_, revision = runRevision_] {
        PropertiesSnapshot s = properties::ComputePropertiesSnapshot(
            model, cancel.get(), [this, revision](const properties::PropertiesProgress& p) {
                QMetaObject::invokeMethod(
                    this, [this, revision, p] { progressed(revision, p); }, Qt::QueuedConnection);
            });
        s.sectionValues = values;
        QMetaObject::invokeMethod(
            this,
            [this, revision, s = std::move(s)]() mutable { finished(revision, std::move(s)); },
            Qt::QueuedConnection);
    });
}

void PropertiesWindow::progressed(std::uint64_t revision, const properties::PropertiesProgress& p) {
    if (revision != runRevision_ || pending_)
        return;
    // Meshes are refined until It settles, seldom past a dozen.
    progress_->setRange(0, 12);
    progress_->setValue(std::min(p.mesh, 12));
    progress_->setFormat(tr("сетка %1").arg(p.mesh));
}

void PropertiesWindow::finished(std::uint64_t revision, PropertiesSnapshot s) {
    worker_.get();
    if (pending_ || revision != document_.revision() ||
        s.result.status == PropertiesStatus::Cancelled) {
        if (isVisible() && document_.revision() != shownRevision_)
            start();
        else
            setStale(false);
        return;
    }
    snapshot_ = std::move(s);
    shownRevision_ = revision;
    rows_ = properties::PropertiesTable(snapshot_);
    showValues();
    setStale(false);
    if (!pendingExport_.isEmpty()) {
        const QString path = std::exchange(pendingExport_, QString());
        writeExport(path);
    }
    emit settled();
}

void PropertiesWindow::setStale(bool stale) {
    progress_->setVisible(stale);
    if (stale) {
        progress_->setRange(0, 0); // busy until the first mesh is solved
        progress_->setFormat(QString());
    }
    const QColor colour = stale ? kStale : palette().color(QPalette::Text);
    for (int g = 0; g < table_->topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = table_->topLevelItem(g);
        for (int i = 0; i < group->childCount(); ++i) {
            QTreeWidgetItem* item = group->child(i);
            for (int c = 0; c < colCount; ++c)
                item->setForeground(c, colour);
            if (QWidget* symbol = table_->itemWidget(item, colSymbol))
                symbol->setEnabled(!stale);
        }
    }
    if (stale)
        status_->setText(tr("пересчёт…"));
    else if (snapshot_.solved()) {
        const properties::SectionPropertiesResult& r = snapshot_.result;
        QString text = tr("Частей: %1, замкнутых контуров: %2. Сетка: %3 узлов, "
                          "изменение It на последнем шаге %4")
                           .arg(r.parts)
                           .arg(r.closedCells)
                           .arg(r.meshNodes)
                           .arg(ToQString(FormatShort(r.ItChange)));
        if (!r.converged)
            text += tr(" — It не установился");
        status_->setText(text);
    } else
        status_->setText(QString());
}

void PropertiesWindow::showValues() {
    table_->clear();
    QTreeWidgetItem* group = nullptr;
    for (const properties::PropertiesRow& r : rows_) {
        if (!group || group->text(colName) != r.group) {
            group = new QTreeWidgetItem(table_, {r.group});
            group->setFirstColumnSpanned(true);
            QFont bold = group->font(colName);
            bold.setBold(true);
            group->setFont(colName, bold);
        }
        auto* item = new QTreeWidgetItem(group, {r.name, QString(), r.text, r.unit, r.note});
        item->setTextAlignment(colValue, Qt::AlignRight | Qt::AlignVCenter);
        for (int c = 0; c < colCount; ++c)
            item->setToolTip(c, r.tip);
        // A note is a sentence, longer than the column can show beside the picture.
        if (!r.note.isEmpty())
            item->setToolTip(colNote, r.note);
        auto* symbol = new QLabel(r.symbol);
        symbol->setTextFormat(Qt::RichText);
        symbol->setToolTip(r.tip);
        table_->setItemWidget(item, colSymbol, symbol);
    }
    table_->expandAll();
    showRefusal();
    copy_->setEnabled(!rows_.empty());
    savePicture_->setEnabled(snapshot_.solved());
    picture_->redraw();
}

void PropertiesWindow::showRefusal() {
    const properties::SectionPropertiesResult& r = snapshot_.result;
    const bool unknown = r.status == PropertiesStatus::UnknownThicknesses;
    refusalCatalogue_->setVisible(unknown);
    refusal_->setVisible(shownRevision_ != 0 && !snapshot_.solved());
    const bool refused =
        r.status != PropertiesStatus::Solved && r.status != PropertiesStatus::Cancelled;
    refusalText_->setText(refused ? MessageText(properties::PropertiesRefusal(r)) : QString());
}

void PropertiesWindow::copyTable() {
    if (!rows_.empty())
        QApplication::clipboard()->setText(properties::PropertiesTabText(rows_));
}

void PropertiesWindow::exportTable(const QString& path) {
    if (document_.revision() == shownRevision_ && !running()) {
        writeExport(path);
        return;
    }
    pendingExport_ = path;
    present();
}

bool PropertiesWindow::writeExport(const QString& path) {
    if (!snapshot_.solved()) {
        dialogs_.warning(this, MessageText(MessageCode::WarningCaption),
                         tr("Характеристики не записаны: %1").arg(refusalText_->text()));
        return false;
    }
    QString reason;
    if (!io::WriteFileSafely(path, properties::PropertiesCsv(rows_), &reason)) {
        dialogs_.error(this, ToQString(kAppTitle),
                       tr("Не удалось записать файл «%1»: %2").arg(path, reason));
        return false;
    }
    return true;
}

void PropertiesWindow::savePictureClick() {
    QString path = dialogs_.saveFileName(this, tr("Сохранить рисунок"), tr("Характеристики.png"),
                                         tr("Рисунок PNG (*.png);;Рисунок SVG (*.svg)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".png");
    savePicture(path);
}

bool PropertiesWindow::savePicture(const QString& path) {
    const properties::PictureOptions options = picture_->options();
    QByteArray bytes;
    if (QFileInfo(path).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0) {
        bytes = properties::PropertiesPictureSvg(snapshot_, options);
    } else {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        properties::DrawPropertiesPicture(snapshot_, options).save(&buffer, "PNG");
    }
    QString reason;
    if (!io::WriteFileSafely(path, bytes, &reason)) {
        dialogs_.error(this, ToQString(kAppTitle),
                       tr("Не удалось записать файл «%1»: %2").arg(path, reason));
        return false;
    }
    return true;
}

} // namespace karo::app
