#pragma once
// Every dialog of the window goes through this interface, so tests can record the messages
// instead of waiting on a modal window, and so the program knows when one is open.

#include "model/kinds.h"
#include "placement/placement.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <optional>

class QPrinter;
class QWidget;

namespace karo::catalogue {
struct ProfileRow;
}

namespace karo::app {

// The answers to the question before changes not saved would be lost.
enum class SaveChangesAnswer { Save, Discard, Cancel };

class UserDialogs {
  public:
    virtual ~UserDialogs() = default;

    // How many of the program's dialogs are open now. A file dialog of the desktop (native or
    // a portal's) is no widget of ours, so only this count sees it.
    int openCount() const { return open_; }
    // Called each time the last open dialog has closed.
    void setOnAllClosed(std::function<void()> f) { onAllClosed_ = std::move(f); }

    // A warning box with one OK button (refused input data).
    virtual void warning(QWidget* parent, const QString& caption, const QString& text) = 0;
    // An error box with one OK button (an arithmetic fault, a failed platform call).
    virtual void error(QWidget* parent, const QString& caption, const QString& text) = 0;

    // File dialogs; an empty name means the user cancelled. The save dialog asks before it
    // overwrites a file.
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& dir,
                                 const QString& filter) {
        (void)parent, (void)caption, (void)dir, (void)filter;
        return {};
    }
    virtual QString saveFileName(QWidget* parent, const QString& caption,
                                 const QString& initialPath, const QString& filter) {
        (void)parent, (void)caption, (void)initialPath, (void)filter;
        return {};
    }
    // Asks whether an existing file may be replaced; false keeps it. Needed where the program
    // changes the chosen name (adds or replaces the extension) after the dialog has asked.
    virtual bool confirmOverwrite(QWidget* parent, const QString& path) {
        (void)parent, (void)path;
        return false;
    }
    // Asks `text` with the answers "Сохранить", "Не сохранять" and "Отмена".
    virtual SaveChangesAnswer askSaveChanges(QWidget* parent, const QString& text) {
        (void)parent, (void)text;
        return SaveChangesAnswer::Cancel;
    }
    // The print dialog with copies; false when the user cancelled.
    virtual bool printSetup(QWidget* parent, QPrinter& printer) {
        (void)parent, (void)printer;
        return false;
    }
    // Opens a written document with the desktop's default application; false when none could.
    virtual bool openDocument(const QString& path) {
        (void)path;
        return false;
    }
    // The catalogue picker for `kind`, its values shown for orientation code `code`, opening
    // on the profile on show (`shown`, may be null); the profile picked, or null when the user
    // cancelled.
    virtual const catalogue::ProfileRow* pickProfile(QWidget* parent, Kind kind, int code,
                                                     const catalogue::ProfileRow* shown) {
        (void)parent, (void)kind, (void)code, (void)shown;
        return nullptr;
    }
    // The "Приставить профиль" dialog for the profile `placer` moves (ready to place) in
    // `section`; the choices made, or nothing when the user cancelled.
    virtual std::optional<PlaceRequest> askPlacement(QWidget* parent, const ProfilePlacer& placer,
                                                     const TSectionModel& section) {
        (void)parent, (void)placer, (void)section;
        return std::nullopt;
    }

  private:
    friend class DialogScope;
    int open_ = 0;
    std::function<void()> onAllClosed_;
};

// Counts one dialog as open for as long as it lives. Every implementation of the interface
// that shows something modal holds one around it:
//     DialogScope open(*this);
//     return dialog.exec() == QDialog::Accepted;
class DialogScope {
  public:
    explicit DialogScope(UserDialogs& dialogs) : dialogs_(dialogs) { ++dialogs_.open_; }
    ~DialogScope();
    DialogScope(const DialogScope&) = delete;
    DialogScope& operator=(const DialogScope&) = delete;

  private:
    UserDialogs& dialogs_;
};

// The real boxes.
class MessageBoxDialogs : public UserDialogs {
    Q_DECLARE_TR_FUNCTIONS(MessageBoxDialogs)

  public:
    void warning(QWidget* parent, const QString& caption, const QString& text) override;
    void error(QWidget* parent, const QString& caption, const QString& text) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& dir,
                         const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& initialPath,
                         const QString& filter) override;
    bool confirmOverwrite(QWidget* parent, const QString& path) override;
    SaveChangesAnswer askSaveChanges(QWidget* parent, const QString& text) override;
    bool printSetup(QWidget* parent, QPrinter& printer) override;
    bool openDocument(const QString& path) override;
    const catalogue::ProfileRow* pickProfile(QWidget* parent, Kind kind, int code,
                                             const catalogue::ProfileRow* shown) override;
    std::optional<PlaceRequest> askPlacement(QWidget* parent, const ProfilePlacer& placer,
                                             const TSectionModel& section) override;
};

} // namespace karo::app
