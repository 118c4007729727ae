#pragma once
// The main window: five kind tabs that edit the section, the result tab and the about tab.
//
// The window shows the section document and hands the user's actions to it: typing, add,
// erase, choosing an entry, turning and mirroring, picks from the catalogue. It keeps no
// section state of its own: texts, the solve's result and the section picture are the
// document's, and the window tells the user what the document found at the moments the user
// expects it (leaving a kind tab, the result tab, the report). The title names the file and
// marks a section changed since it was opened or saved.

#include "app/dialogs.h"
#include "document/section_document.h"
#include "model/commit.h"
#include "model/kinds.h"
#include "model/section_model.h"
#include "picture/result_sheet.h"
#include "solver/solver.h"

#include <QColor>
#include <QImage>
#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>
#include <future>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QProgressBar;
class QPushButton;
class QShortcut;
class QTabWidget;
class QUndoStack;
class QCloseEvent;
class QDragEnterEvent;
class QDropEvent;

namespace karo::report {
class Document;
}

namespace karo::app {

class ManualWindow;
class PropertiesWindow;
class TProfileEdit;
class TSpinEdit;

// Who moved a kind's spin box, as its change handler needs to know.
enum TListEditState {
    lesIdle = 0,         // the user chose another entry
    lesIgnoreChange = 2, // the program moved it itself
};

// The result and the about tab follow the kinds' tabs.
inline constexpr int ResultTabNumber = KindCount + 1;
inline constexpr int AboutTabNumber = KindCount + 2;

inline bool isKindTab(int number) {
    return number >= 1 && number <= KindCount;
}

inline Kind kindOfTab(int number) {
    return TabOrder[static_cast<std::size_t>(number - 1)];
}

inline constexpr const char* kMainCaption =
    QT_TRANSLATE_NOOP("karo::app::TMainForm", " Геометрические характеристики плоских сечений");

class TMainForm : public QWidget {
    Q_OBJECT
  public:
    TMainForm(SectionDocument& document, UserDialogs& dialogs, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Puts the model and every tab into the start state. Runs on the first show.
    void ActivateForm();

    // The window comes up with the tabs it shows; the others are built after its first paint,
    // or sooner when they are needed. True once every tab is built.
    bool allTabsBuilt() const;

    int LastTabNumber() const { return lastTabNumber_; }
    int NewTabNumber() const { return newTabNumber_; }
    TListEditState listEditState(Kind k) const { return pages_[kindIndex(k)].state; }

    // Brings the tab with `number` (1..7) to the front without running the tab-change
    // handler: only the user's own choice of a tab does that.
    void showTab(int number);
    int currentTabNumber() const;

    // What the commit of the kind's entry on show found, with the tab, message and focus that
    // tell the user about a refused field. Gives the commit's Code.
    int commitKind(Kind k);

    // What the user sees when a commit refused a field or warned.
    void reportCommit(Kind k, const CommitResult& c);

    // Section files. Opening puts every entry through the commit; a refused file is named in
    // a message and changes nothing on screen. Saving writes the section as it stands,
    // unfinished entries as typed, atomically; the warnings of the entries on show come
    // first, as leaving their tabs gives them. Both return whether they succeeded; failures
    // have been shown to the user.
    bool openSection(const QString& path);
    bool saveSection(const QString& path);
    QString sectionFile() const { return document_.fileName(); }
    void openClick();
    bool saveClick();
    bool saveAsClick();
    // A file handed over by a second copy of the program.
    void openHandedOver(const QString& path);

    // Before the section is closed or replaced: when it holds changes not saved, asks whether
    // to save them. True when the caller may go on (saved, nothing to save, or not wanted);
    // false when the user cancelled or the save failed.
    bool askSaveChanges();
    // The document holds changes that closing would lose.
    bool hasUnsavedChanges() const { return document_.isModified(); }
    QUndoStack* undoStack() const;
    SectionDocument& document() const { return document_; }

    // The result tab's buttons (main_form_results.cpp): the result sheet saved as a bitmap or
    // printed, and the worked-solution report.
    void bbSaveClick();
    void bbPrintClick();
    void bbWordClick();

    // The menu bar above the tabs (main_form_menu.cpp).
    QMenuBar* menuBar() const { return menuBar_; }
    // Asks about changes not saved, then starts an empty section with no file.
    void newSectionClick();
    // The report written to a .docx file the user names.
    void reportSaveAsClick();
    // The user's guide beside the window (F1).
    void showManual();
    // A file chosen from the recent files; a missing one leaves the list with a message.
    void openRecentClick(const QString& path);

    // The engineering properties beside the window (main_form_properties.cpp): F6 and the
    // result tab's button show them; their table exported as CSV.
    void showProperties();
    void exportPropertiesClick();
    PropertiesWindow* propertiesWindow() const;

  signals:
    // The close has been accepted: the window goes, and nothing handed over to it may be
    // acted on any more.
    void closeAccepted();

  protected:
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    struct KindPage {
        Kind kind = Kind::Dt;
        QWidget* sheet = nullptr;
        TSpinEdit* number = nullptr;
        QPushButton* add = nullptr;
        QPushButton* erase = nullptr;
        QPushButton* place = nullptr;
        QPushButton* rotate = nullptr;
        QPushButton* mirror = nullptr;
        std::vector<TProfileEdit*> fields; // input order, which is also the ring order
        std::vector<QWidget*> rowLabels;   // enabled exactly while the kind has entries
        std::vector<QLabel*> pictures; // picture k-1 shows code k; the plate: tab, lying, upright
        TListEditState state = lesIdle;
        int spinMin = 0; // the spin box's lower bound, which the list editing moves to 1
        bool built = false;
    };

    // The document shown (main_form_undo.cpp): undo and redo keys, the title, the tabs
    // following the document, the fields' typing handed to it.
    void buildUndo();
    void watchFields(const KindPage& p);
    void connectDocument();
    void documentChanged(const DocumentChange& c);
    void updateTitle();
    bool fieldEvent(QObject* watched, QEvent* e);
    // Kind k's tab as the document holds it: list, code, texts, picture and label.
    void showKind(Kind k);
    void showText(Kind k, int field);
    void setSpinValue(Kind k, int value);

    // Section files (main_form_files.cpp).
    void buildFileControls();
    void showLoadedSection();
    void rememberFolder(const QString& path);
    // Asks where to write an output of the section: named after the section file with
    // `suffix`, or `plain` for a new section, `extension` added when the user typed none.
    // Empty when the user cancels.
    QString askOutputPath(const QString& caption, const QString& plain, const QString& suffix,
                          const QString& filter, const QString& extension);
    void connectResultButtons();
    // The document's picture into Image1.
    void showSectionPicture();
    void showSolveOutcome(const SolveOutcome& o);

    // The menu bar (main_form_menu.cpp), built once all controls exist.
    void buildMenu();
    void buildLanguageMenu(QMenu* menu);
    void fillRecentMenu();
    void recentFileUsed(const QString& path);
    // Writes the report to `outputPath` (empty: a new numbered file in this user's temporary
    // folder) after its solve, telling the user what went wrong; the file written or empty.
    QString writeReport(const QString& outputPath);

    // Building (main_form_pages.cpp).
    void buildWindow();
    // Builds the contents of tab `number` if they are not built yet.
    void buildTab(int number);
    void buildRemainingTabs();
    void buildKindPage(KindPage& p);
    // The first tab's first picture, the one on show at start.
    static std::future<QImage> drawFirstSketch();
    QWidget* buildResultTab();
    // The result tab's rows, built with the rest of the tabs.
    void buildResultRows(QWidget* sheet);
    void buildAboutTab(QWidget* sheet);
    void buildPropertiesButton(QWidget* sheet, int y);
    // A profile the properties refused, shown on its tab with the catalogue open.
    void propertiesCatalogue(Kind k, int number);
    // The report's last chapter: the window's values when they are the section's as it
    // stands, else computed here.
    void writePropertiesChapter(report::Document& d, const TSectionResult& r);

    // The catalogue of standard profiles (main_form_catalogue.cpp): the picker button, F4 and
    // the label that names the profile on show.
    void buildCatalogueControls(Kind k, QWidget* sheet);
    void catalogueClick(Kind k);
    // F4: the picker of the rolled-profile tab in front, if one is.
    void catalogueKey();
    // After a turn or a mirror: a profile whose texts are a catalogue row's for the old code
    // gets that row's texts for the new one.
    void updateCatalogueLabel(Kind k);

    // List editing.
    void addClick(Kind k);
    void eraseClick(Kind k);
    void numberChange(Kind k);
    void rotateClick(Kind k);
    void mirrorClick(Kind k);
    void turnClick(Kind k, EditOutcome (SectionDocument::*turn)(Kind));
    // The profile on show placed against another one of the section (main_form_place.cpp).
    void buildPlaceControls(Kind k, QWidget* sheet);
    void placeClick(Kind k);
    // F5: the placement of the kind tab in front, if one is.
    void placeKey();
    void moveFocus(Kind k, int field, int step);

    // Tab flow.
    void PageControl1Change();
    // What the commits of the entries on show found, told in tab order: each warning, and
    // the first refusal, which ends the walk. With `refusals` false a refusal is not told.
    SolveOutcome reportChecks(bool refusals = true);
    SolveOutcome solve();
    void fillResultFields();
    void clearResultFields();

    void showPicture(Kind k, int code);
    void setRowsEnabled(Kind k, bool enabled);
    void updateCapacity(Kind k);
    void guarded(const std::function<void()>& body);

    // A kind's page, built first if it is not yet.
    KindPage& page(Kind k);

    // The section, read by the window and changed only through the document.
    SectionDocument& document_;
    const TSectionModel& model_;
    UserDialogs& dialogs_;

    std::array<KindPage, KindCount> pages_;
    QTabWidget* tabs_ = nullptr;
    std::array<QLineEdit*, ResultFieldCount> resultFields_{};
    QLabel* image1_ = nullptr;
    QWidget* panel9_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* bbSave_ = nullptr;
    QPushButton* bbPrint_ = nullptr;
    QPushButton* bbWord_ = nullptr;
    bool aboutBuilt_ = false;
    bool resultRowsBuilt_ = false;
    bool restScheduled_ = false;
    // The picture on show at start is drawn on another thread from the moment the window is
    // begun: neither then waits for the other.
    std::future<QImage> firstSketch_ = drawFirstSketch();
    std::array<QPushButton*, KindCount> catalogueButtons_{};
    std::array<QLabel*, KindCount> catalogueLabels_{};
    QMenuBar* menuBar_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    ManualWindow* manual_ = nullptr;
    QPointer<PropertiesWindow> properties_;
    QPushButton* bbProperties_ = nullptr;

    QMetaObject::Connection focusWatch_; // the result tab's default button follows the focus

    QString lastFolder_; // where the file dialogs start

    int lastTabNumber_ = 1;
    int newTabNumber_ = 1;
    int programmaticTabChange_ = 0;
    int showingDocument_ = 0; // the fields are being set from the document, not typed
    bool activated_ = false;
    bool centred_ = false;
};

} // namespace karo::app
