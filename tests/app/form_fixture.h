#pragma once
// A main window with recorded message boxes, driven the way the user drives it.

#include "app/dialogs.h"
#include "app/main_form.h"
#include "app/spin_edit.h"

#include <QApplication>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace karo::app::test {

struct Message {
    QString caption;
    QString text;
    bool error = false;
};

class RecordingDialogs : public UserDialogs {
  public:
    std::vector<Message> messages;
    void warning(QWidget*, const QString& caption, const QString& text) override {
        messages.push_back({caption, text, false});
    }
    void error(QWidget*, const QString& caption, const QString& text) override {
        messages.push_back({caption, text, true});
    }
    // What the next file dialog answers (empty: the user cancels), and what it was shown.
    QString openAnswer, saveAnswer, lastDialogPath;
    QString openFileName(QWidget*, const QString&, const QString& dir, const QString&) override {
        lastDialogPath = dir;
        return openAnswer;
    }
    QString saveFileName(QWidget*, const QString&, const QString& initial,
                         const QString& filter) override {
        lastDialogPath = initial;
        lastFilter = filter;
        return saveAnswer;
    }
    QString lastFilter;
    // Answers of the overwrite question, and the files it was asked about.
    bool allowOverwrite = false;
    std::vector<QString> overwriteAsked;
    bool confirmOverwrite(QWidget*, const QString& path) override {
        overwriteAsked.push_back(path);
        return allowOverwrite;
    }
    // The question before unsaved changes are lost: its answer, and what was asked.
    SaveChangesAnswer saveChangesAnswer = SaveChangesAnswer::Cancel;
    std::vector<QString> saveChangesAsked;
    SaveChangesAnswer askSaveChanges(QWidget*, const QString& text) override {
        saveChangesAsked.push_back(text);
        return saveChangesAnswer;
    }
    // The print dialog: prints to this PDF file with this many copies; empty cancels.
    QString printToPdf;
    int printCopies = 1;
    bool printSetup(QWidget*, QPrinter& printer) override;
    // Documents handed to the desktop, and whether an application took them.
    std::vector<QString> opened;
    bool openSucceeds = true;
    bool openDocument(const QString& path) override {
        opened.push_back(path);
        return openSucceeds;
    }
};

inline bool RecordingDialogs::printSetup(QWidget*, QPrinter& printer) {
    if (printToPdf.isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printToPdf);
    printer.setCopyCount(printCopies);
    return true;
}

// The window with its dialogs recorded; a test that drives a dialog itself brings its own.
template <class Dialogs> class FormTestWith : public ::testing::Test {
  protected:
    void SetUp() override {
        // The list of recent files goes to a configuration folder of the case's own, never
        // the user's.
        ASSERT_TRUE(config.isValid());
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        form = std::make_unique<TMainForm>(document, dialogs);
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        // The tabs not on show are built after the first paint.
        ASSERT_TRUE(QTest::qWaitFor([this] { return form->allTabsBuilt(); }));
    }

    template <class T> T* w(const char* name) {
        T* p = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(p, nullptr) << name;
        return p;
    }
    QLineEdit* field(const char* name) { return w<QLineEdit>(name); }
    TSpinEdit* spin(const char* name) { return w<TSpinEdit>(name); }
    void click(const char* button) { w<QPushButton>(button)->click(); }
    // The arrow buttons of a spin box, as the user presses them.
    void spinDown(const char* name) {
        spin(name)->template findChild<QToolButton*>("down")->click();
    }
    void spinUp(const char* name) { spin(name)->template findChild<QToolButton*>("up")->click(); }
    // A tab chosen by the user.
    void chooseTab(int number) { w<QTabWidget>("PageControl1")->setCurrentIndex(number - 1); }
    QWidget* focused() const { return QApplication::focusWidget(); }
    QString focusedName() const { return focused() ? focused()->objectName() : QString(); }

    void typeDt(const char* h, const char* b = "10", const char* A = "26.8",
                const char* Ix = "1840", const char* Iy = "115", const char* Xc = "0",
                const char* Yc = "0") {
        field("meDth")->setText(QString::fromLatin1(h));
        field("meDtb")->setText(QString::fromLatin1(b));
        field("meDtA")->setText(QString::fromLatin1(A));
        field("meDtIx")->setText(QString::fromLatin1(Ix));
        field("meDtIy")->setText(QString::fromLatin1(Iy));
        field("meDtXc")->setText(QString::fromLatin1(Xc));
        field("meDtYc")->setText(QString::fromLatin1(Yc));
    }
    // Adds I-beams with the given heights, each typed in full.
    void addDts(std::initializer_list<const char*> heights) {
        for (const char* h : heights) {
            click("bbDtAdd");
            typeDt(h);
        }
    }

    bool onlyVisible(const std::vector<const char*>& all, const char* shown) {
        for (const char* name : all) {
            const bool visible = !w<QWidget>(name)->isHidden();
            if (visible != (QString::fromLatin1(name) == QString::fromLatin1(shown)))
                return false;
        }
        return true;
    }

    // A refused field's box, or a cross-check's, whose second line names the check.
    bool isInputWarning(const Message& m) const {
        return !m.error && m.caption == QStringLiteral("Внимание!") &&
               m.text.section(QLatin1Char('\n'), 0, 0) ==
                   QStringLiteral("Ошибка в исходных данных.");
    }

    QTemporaryDir config;
    SectionDocument document;
    const TSectionModel& model = document.model();
    const TSectionResult& result = document.result();
    Dialogs dialogs;
    std::unique_ptr<TMainForm> form;
};

using FormTest = FormTestWith<RecordingDialogs>;

} // namespace karo::app::test
