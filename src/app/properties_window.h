#pragma once
// The window of the section's engineering properties: the table grouped as an engineer reads
// it and the picture of the solid beside it. It follows the document: every change of the
// section is computed again on a worker thread while the last values stay on show, greyed;
// a newer change cancels the run before it, and at most one worker runs at a time.

#include "document/section_document.h"
#include "properties_view/properties_table.h"

#include <QWidget>

#include <atomic>
#include <cstdint>
#include <future>
#include <memory>
#include <optional>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSplitter;
class QTreeWidget;

namespace karo::app {

class UserDialogs;
class PropertiesPictureView;

class PropertiesWindow : public QWidget {
    Q_OBJECT
  public:
    PropertiesWindow(SectionDocument& document, UserDialogs& dialogs, QWidget* owner);
    ~PropertiesWindow() override;

    // Shows the window, brought to the front, with the section as it stands.
    void present();

    // Whether a run is under way, and the document's revision the values on show belong to
    // (0 before the first).
    bool running() const { return worker_.valid(); }
    std::uint64_t shownRevision() const { return shownRevision_; }
    const properties::PropertiesSnapshot& snapshot() const { return snapshot_; }
    const std::vector<properties::PropertiesRow>& rows() const { return rows_; }

    // «Копировать»: the table on the clipboard, tab-separated.
    void copyTable();
    // The table as CSV to `path`, once the values of the section as it stands are in: at
    // once when they are, else when the run ends. False with the reason shown when the write
    // failed or the section has no properties.
    void exportTable(const QString& path);
    // The picture to PNG or SVG, by the name's extension; asks for the name.
    void savePictureClick();
    bool savePicture(const QString& path);

  signals:
    // The user wants the catalogue for a profile the properties refused.
    void catalogueRequested(Kind kind, int number);
    // A run ended and its values are on show (or its refusal).
    void settled();

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    void documentChanged();
    void start();
    void finished(std::uint64_t revision, properties::PropertiesSnapshot s);
    void progressed(std::uint64_t revision, const properties::PropertiesProgress& p);
    void showValues();
    void showRefusal();
    void setStale(bool stale);
    bool writeExport(const QString& path);

    SectionDocument& document_;
    UserDialogs& dialogs_;

    QTreeWidget* table_ = nullptr;
    PropertiesPictureView* picture_ = nullptr;
    QCheckBox* meshBox_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* savePicture_ = nullptr;
    QLabel* status_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QWidget* refusal_ = nullptr;
    QLabel* refusalText_ = nullptr;
    QPushButton* refusalCatalogue_ = nullptr;

    properties::PropertiesSnapshot snapshot_;
    std::vector<properties::PropertiesRow> rows_;
    std::uint64_t shownRevision_ = 0;

    // The one worker, its cancel flag and the revision it computes; a change while it runs
    // cancels it and starts the next run when it has stopped.
    std::future<void> worker_;
    std::shared_ptr<std::atomic<bool>> cancel_;
    std::uint64_t runRevision_ = 0;
    bool pending_ = false;
    QString pendingExport_;
};

} // namespace karo::app
