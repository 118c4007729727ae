#pragma once
// The main window: five kind tabs that edit the section, the result tab and the about tab.
//
// The window is the only writer of the section model besides the commit it calls: it adds,
// erases and chooses entries, turns and mirrors profiles, commits the kind tab being left
// and solves the section when the result tab is shown.

#include "app/dialogs.h"
#include "model/commit.h"
#include "model/kinds.h"
#include "model/section_model.h"
#include "solver/solver.h"

#include <QColor>
#include <QImage>
#include <QWidget>

#include <array>
#include <functional>
#include <vector>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QDragEnterEvent;
class TFormMagnet;
class QDropEvent;

namespace karo::app {

class TProfileEdit;
class TSpinEdit;

// Who moved a kind's spin box, as its change handler needs to know.
enum TListEditState {
    lesIdle = 0,         // the user chose another entry
    lesAdding = 1,       // an add moved it to the new Count
    lesIgnoreChange = 2, // the program moved it itself
};

inline constexpr int ResultTabNumber = 6;
inline constexpr int AboutTabNumber = 7;

inline constexpr const char* kMainCaption = " Геометрические характеристики плоских сечений";

class TMainForm : public QWidget {
    Q_OBJECT
  public:
    TMainForm(TSectionModel& model, TSectionResult& result, UserDialogs& dialogs,
              QWidget* parent = nullptr);
    ~TMainForm() override;

    // Puts the model and every tab into the start state. Runs on the first show.
    void ActivateForm();

    int LastTabNumber() const { return lastTabNumber_; }
    int NewTabNumber() const { return newTabNumber_; }
    bool ReportMode() const { return reportMode_; }
    QColor PageColor() const { return pageColor_; }
    TListEditState listEditState(Kind k) const { return pages_[kindIndex(k)].state; }

    // Brings the tab with `number` (1..7) to the front without running the tab-change
    // handler: only the user's own choice of a tab does that.
    void showTab(int number);
    int currentTabNumber() const;

    // The section picture: an observer that draws during the solve and the image it draws
    // on, shown in Image1 after each solve.
    void setSectionPicture(SolveObserver* observer, std::function<QImage()> image);

    // The commit of the kind's fields into entry `n`, with the tab, message and focus that
    // tell the user about a refused field. Gives the commit's Code.
    int commitKind(Kind k, int n);

    // What the user sees when a commit refused a field or warned.
    void reportCommit(Kind k, const CommitResult& c);

    // Section files. Opening puts every entry through the commit; a refused file is named in
    // a message and changes nothing on screen. Saving first commits the entry on show of
    // every kind, as leaving its tab does, and writes the file atomically. Both return
    // whether they succeeded; failures have been shown to the user.
    bool openSection(const QString& path);
    bool saveSection(const QString& path);
    QString sectionFile() const { return sectionFile_; }
    void openClick();
    void saveClick();
    void saveAsClick();

    // The result tab's buttons (main_form_results.cpp): the result sheet saved as a bitmap or
    // printed, and the worked-solution report.
    void bbSaveClick();
    void bbPrintClick();
    void bbWordClick();
    // The picture Image1 shows, which the sheet and the report copy.
    const QImage& shownPicture() const { return shownPicture_; }

  protected:
    void showEvent(QShowEvent* e) override;
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
        QPushButton* rotate = nullptr;
        QPushButton* mirror = nullptr;
        std::vector<TProfileEdit*> fields; // input order, which is also the ring order
        std::vector<QWidget*> rowLabels;   // enabled exactly while the kind has entries
        std::vector<QLabel*> pictures; // picture k-1 shows code k; the plate: tab, lying, upright
        TListEditState state = lesIdle;
    };

    class FieldReader;
    class SolveHooks;

    // Section files (main_form_files.cpp).
    void buildFileControls();
    void showLoadedSection();
    void rememberFolder(const QString& path);
    void connectResultButtons();
    void showSectionPicture(const QImage& picture);
    void showSolveOutcome(const SolveOutcome& o);

    // Building (main_form_pages.cpp).
    void buildWindow();
    QWidget* buildKindTab(Kind k);
    QWidget* buildResultTab();
    QWidget* buildAboutTab();

    // List editing.
    void addClick(Kind k);
    void eraseClick(Kind k);
    void numberChange(Kind k);
    void rotateClick(Kind k);
    void mirrorClick(Kind k);
    void moveFocus(Kind k, int field, int step);

    // Tab flow.
    void PageControl1Change();
    SolveOutcome solve();
    void fillResultFields();
    void clearResultFields();

    void showPicture(Kind k, int code);
    void showEntry(Kind k, int n);
    void setRowsEnabled(Kind k, bool enabled);
    void clearFields(Kind k);
    void updateCapacity(Kind k);
    void guarded(const std::function<void()>& body);

    KindPage& page(Kind k) { return pages_[kindIndex(k)]; }

    TSectionModel& model_;
    TSectionResult& result_;
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
    std::vector<QWidget*> picturePanels_;

    SolveObserver* pictureObserver_ = nullptr;
    std::function<QImage()> pictureImage_;

    TFormMagnet* FormMagnet1 = nullptr;

    QImage shownPicture_;
    QString sectionFile_; // the file the section was last opened from or saved to
    QString lastFolder_;  // where the file dialogs start

    int lastTabNumber_ = 1;
    int newTabNumber_ = 1;
    bool reportMode_ = false;
    QColor pageColor_ = QColor(0xFF, 0xFF, 0xFF);
    int programmaticTabChange_ = 0;
    bool activated_ = false;
    bool centred_ = false;
};

} // namespace karo::app
