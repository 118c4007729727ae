// The menu bar above the tabs: files, the result tab's actions, undo and redo, the catalogue,
// the user's guide, the language. Its items call what the buttons and keys of the window call, so
// that the two roads never differ.

#include "app/main_form.h"

#include "app/manual_window.h"
#include "app/recent_files.h"
#include "app/settings.h"
#include "io/safe_file.h"
#include "io/to_qstring.h"
#include "model/messages.h"
#include "picture/primitives.h"
#include "texts/language.h"
#include "texts/message_text.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QUndoStack>

namespace karo::app {

namespace {

// Keeps an item's enabled state equal to a button's, whatever changes the button.
class EnabledFollower : public QObject {
  public:
    EnabledFollower(QPushButton* button, QAction* action)
        : QObject(action), button_(button), action_(action) {
        button->installEventFilter(this);
        action->setEnabled(button->isEnabled());
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched == button_ && e->type() == QEvent::EnabledChange)
            action_->setEnabled(button_->isEnabled());
        return false;
    }

  private:
    QPushButton* button_;
    QAction* action_;
};

QString reportFilter() {
    return QCoreApplication::translate("karo::app::TMainForm", "Документ Word (*.docx)");
}

} // namespace

void TMainForm::buildMenu() {
    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName(QStringLiteral("MainMenu"));

    const auto item = [this](QMenu* menu, const char* name, const QString& text,
                             QList<QKeySequence> keys, auto body) {
        auto* a = menu->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcuts(keys);
        connect(a, &QAction::triggered, this, [this, body] { guarded([this, body] { body(); }); });
        return a;
    };

    QMenu* file = menuBar_->addMenu(tr("&Файл"));
    file->setObjectName(QStringLiteral("FileMenu"));
    item(file, "actNewSection", tr("&Новое сечение"), {QKeySequence(Qt::CTRL | Qt::Key_N)},
         [this] { newSectionClick(); });
    item(file, "actOpen", tr("&Открыть…"), {QKeySequence(Qt::CTRL | Qt::Key_O)},
         [this] { openClick(); });
    recentMenu_ = file->addMenu(tr("Последние &файлы"));
    recentMenu_->setObjectName(QStringLiteral("RecentMenu"));
    recentMenu_->menuAction()->setObjectName(QStringLiteral("actRecent"));
    item(file, "actSave", tr("&Сохранить"), {QKeySequence(Qt::CTRL | Qt::Key_S)},
         [this] { saveClick(); });
    item(file, "actSaveAs", tr("Сохранить &как…"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
         [this] { saveAsClick(); });
    file->addSeparator();
    // The result tab's buttons themselves are pressed: the same handler, the same state. The
    // sheet shows the section solved as it stands, so the result tab is chosen first, as the
    // user would choose it; a refused section stays on its own tab and nothing is written. The
    // report solves the section itself.
    const auto press = [this, &item](QMenu* menu, const char* name, const QString& text,
                                     QList<QKeySequence> keys, QPushButton* button,
                                     bool solveFirst) {
        QAction* a = item(menu, name, text, keys, [this, button, solveFirst] {
            if (solveFirst && currentTabNumber() != ResultTabNumber) {
                tabs_->setCurrentIndex(ResultTabNumber - 1);
                if (currentTabNumber() != ResultTabNumber || !button->isEnabled())
                    return;
            }
            button->click();
        });
        new EnabledFollower(button, a);
    };
    press(file, "actSaveSheet", tr("Сохранить &лист результатов…"), {}, bbSave_, true);
    press(file, "actPrintSheet", tr("&Печать листа…"), {QKeySequence(Qt::CTRL | Qt::Key_P)},
          bbPrint_, true);
    press(file, "actReportOpen", tr("Отчёт: открыть в текстовом &редакторе"), {}, bbWord_, false);
    QAction* reportSaveAs = item(file, "actReportSaveAs", tr("Отчё&т: сохранить как…"), {},
                                 [this] { reportSaveAsClick(); });
    new EnabledFollower(bbWord_, reportSaveAs);
    item(file, "actExportProperties", tr("&Экспорт характеристик…"), {},
         [this] { exportPropertiesClick(); });
    file->addSeparator();
    item(file, "actQuit", tr("&Выход"), {QKeySequence(Qt::CTRL | Qt::Key_Q)}, [this] { close(); });

    QMenu* edit = menuBar_->addMenu(tr("&Правка"));
    edit->setObjectName(QStringLiteral("EditMenu"));
    // Each names the step it takes back or does again.
    QAction* undo = undoStack()->createUndoAction(edit, tr("&Отменить"));
    undo->setObjectName(QStringLiteral("actUndo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* redo = undoStack()->createRedoAction(edit, tr("Повто&рить"));
    redo->setObjectName(QStringLiteral("actRedo"));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addAction(undo);
    edit->addAction(redo);
    edit->addSeparator();
    QAction* catalogue = item(edit, "actCatalogue", tr("&Сортамент…"), {QKeySequence(Qt::Key_F4)},
                              [this] { catalogueKey(); });
    QAction* place = item(edit, "actPlace", tr("&Приставить…"), {QKeySequence(Qt::Key_F5)},
                          [this] { placeKey(); });
    // The catalogue serves the rolled-profile tabs only, the placement every kind tab.
    const auto followTab = [this, catalogue, place] {
        const int n = currentTabNumber();
        catalogue->setEnabled(
            isKindTab(n) &&
            catalogueButtons_[static_cast<std::size_t>(kindIndex(kindOfTab(n)))] != nullptr);
        place->setEnabled(isKindTab(n));
    };
    connect(tabs_, &QTabWidget::currentChanged, this, followTab);
    followTab();

    QMenu* section = menuBar_->addMenu(tr("С&ечение"));
    section->setObjectName(QStringLiteral("SectionMenu"));
    item(section, "actProperties", tr("&Характеристики сечения…"), {QKeySequence(Qt::Key_F6)},
         [this] { showProperties(); });

    QMenu* view = menuBar_->addMenu(tr("&Вид"));
    view->setObjectName(QStringLiteral("ViewMenu"));
    buildLanguageMenu(view->addMenu(tr("&Язык")));

    QMenu* help = menuBar_->addMenu(tr("&Справка"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    item(help, "actManual", tr("&Руководство"), {QKeySequence(Qt::Key_F1)},
         [this] { showManual(); });
    // As if the user chose the tab: the tab being left is committed as usual.
    item(help, "actAbout", tr("&О программе"), {},
         [this] { tabs_->setCurrentIndex(AboutTabNumber - 1); });

    // F10 opens the first menu, as Alt alone does.
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    f10->setContext(Qt::WindowShortcut);
    connect(f10, &QShortcut::activated, this,
            [this] { menuBar_->setActiveAction(menuBar_->actions().constFirst()); });

    // The form keeps its layout below the menu bar: the window grows by the bar's height.
    const int barHeight = menuBar_->sizeHint().height();
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (child != menuBar_ && !child->isWindow())
            child->move(child->pos() + QPoint(0, barHeight));
    menuBar_->setGeometry(0, 0, width(), barHeight);
    setFixedSize(width(), height() + barHeight);

    fillRecentMenu();
}

// Each language by its own name, the one the window starts in next time checked. The window's
// texts are made once, so a choice takes effect at the next start, as the menu says.
void TMainForm::buildLanguageMenu(QMenu* menu) {
    menu->setObjectName(QStringLiteral("LanguageMenu"));
    auto* group = new QActionGroup(menu);
    const QString chosen = StartLanguage(StoredLanguage());
    for (const QString& language : InterfaceLanguages()) {
        QAction* a = menu->addAction(LanguageName(language));
        a->setObjectName(QStringLiteral("actLanguage_") + language);
        a->setCheckable(true);
        a->setChecked(language == chosen);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [language] { StoreLanguage(language); });
    }
    menu->addSeparator();
    menu->addAction(tr("Язык сменится при следующем запуске"))->setEnabled(false);
}

// ---- the file items ------------------------------------------------------------------------

void TMainForm::newSectionClick() {
    if (!askSaveChanges())
        return;
    // What the first show of the window does, and no results of the section that went.
    ActivateForm();
    clearResultFields();
}

void TMainForm::fillRecentMenu() {
    recentMenu_->clear();
    const QStringList files = RecentFiles::files();
    int n = 0;
    for (const QString& f : files) {
        // "&1" … "&9", then "1&0": each has a key of its own.
        ++n;
        const QString number = n < 10 ? QStringLiteral("&%1").arg(n) : QStringLiteral("1&0");
        QAction* a = recentMenu_->addAction(
            number + QLatin1Char(' ') +
            QDir::toNativeSeparators(f).replace(QLatin1Char('&'), QStringLiteral("&&")));
        a->setData(f);
        connect(a, &QAction::triggered, this,
                [this, f] { guarded([this, f] { openRecentClick(f); }); });
    }
    recentMenu_->menuAction()->setEnabled(!files.isEmpty());
}

void TMainForm::recentFileUsed(const QString& path) {
    RecentFiles::add(path);
    fillRecentMenu();
}

void TMainForm::openRecentClick(const QString& path) {
    if (!io::FileExists(path)) {
        RecentFiles::remove(path);
        fillRecentMenu();
        dialogs_.warning(
            this, MessageText(MessageCode::WarningCaption),
            tr("Файл «%1» не найден и убран из списка.").arg(QDir::toNativeSeparators(path)));
        return;
    }
    if (askSaveChanges())
        openSection(path);
}

QString TMainForm::askOutputPath(const QString& caption, const QString& plain,
                                 const QString& suffix, const QString& filter,
                                 const QString& extension) {
    const QString name =
        sectionFile().isEmpty() ? plain : QFileInfo(sectionFile()).completeBaseName() + suffix;
    QString path = dialogs_.saveFileName(this, caption, QDir(lastFolder_).filePath(name), filter);
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    path += extension;
    // The dialog asked about the name without the extension.
    if (QFileInfo::exists(path) && !dialogs_.confirmOverwrite(this, path))
        return {};
    return path;
}

void TMainForm::reportSaveAsClick() {
    const QString path = askOutputPath(tr("Сохранить отчет"), tr("Отчет.docx"), tr("-отчет.docx"),
                                       reportFilter(), QStringLiteral(".docx"));
    if (path.isEmpty())
        return;
    if (!writeReport(path).isEmpty())
        rememberFolder(path);
}

// ---- help ----------------------------------------------------------------------------------

void TMainForm::showManual() {
    if (!manual_)
        manual_ = new ManualWindow(this);
    manual_->present();
}

} // namespace karo::app
