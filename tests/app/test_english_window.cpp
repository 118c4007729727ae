// The window in English: no Russian letter in any text a user reads on a tab, a menu or a
// dialog; and the language chosen in the menu, which the next start takes.

#include "app/catalogue_picker.h"
#include "app/dialogs.h"
#include "app/place_dialog.h"
#include "app/properties_window.h"
#include "form_fixture.h"
#include "texts/language.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabBar>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>

namespace karo::app::test {
namespace {

bool russian(const QString& text) {
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    return text.contains(cyrillic);
}

// Every text of `root` and its visible children a user can read, with where it is, that has
// a Russian letter.
class Walk {
  public:
    QStringList found;

    void widget(QWidget* root) {
        QList<QWidget*> all = root->findChildren<QWidget*>();
        all.prepend(root);
        for (QWidget* w : all) {
            if (!w->isVisible())
                continue;
            const QString at = w->objectName().isEmpty()
                                   ? QString::fromLatin1(w->metaObject()->className())
                                   : w->objectName();
            if (w->isWindow())
                check(at, w->windowTitle());
            check(at, w->toolTip());
            if (auto* l = qobject_cast<QLabel*>(w))
                check(at, l->text());
            if (auto* b = qobject_cast<QAbstractButton*>(w))
                check(at, b->text());
            if (auto* e = qobject_cast<QLineEdit*>(w)) {
                check(at, e->text());
                check(at, e->placeholderText());
            }
            if (auto* c = qobject_cast<QComboBox*>(w))
                for (int i = 0; i < c->count(); ++i)
                    check(at, c->itemText(i));
            if (auto* t = qobject_cast<QTabBar*>(w))
                for (int i = 0; i < t->count(); ++i)
                    check(at, t->tabText(i) + t->tabToolTip(i));
            if (auto* t = qobject_cast<QTableWidget*>(w))
                table(at, *t);
            if (auto* t = qobject_cast<QTreeWidget*>(w))
                tree(at, *t);
            if (auto* b = qobject_cast<QTextBrowser*>(w))
                check(at, b->toPlainText());
            if (auto* m = qobject_cast<QMenuBar*>(w))
                actions(at, m->actions());
        }
    }

  private:
    void check(const QString& at, const QString& text) {
        const QString line = at + QStringLiteral(": ") + text.left(80);
        if (russian(text) && !found.contains(line))
            found << line;
    }
    void actions(const QString& at, const QList<QAction*>& list) {
        for (QAction* a : list) {
            // Each language is named in itself.
            if (a->objectName().startsWith(QStringLiteral("actLanguage_")))
                continue;
            check(at, a->text());
            check(at, a->toolTip());
            if (a->menu())
                actions(at + QLatin1Char('/') + a->text(), a->menu()->actions());
        }
    }
    void table(const QString& at, const QTableWidget& t) {
        for (int c = 0; c < t.columnCount(); ++c)
            check(at, t.horizontalHeaderItem(c) ? t.horizontalHeaderItem(c)->text() : QString());
        for (int r = 0; r < t.rowCount(); ++r)
            for (int c = 0; c < t.columnCount(); ++c)
                if (const QTableWidgetItem* i = t.item(r, c))
                    check(at, i->text() + i->toolTip());
    }
    void tree(const QString& at, const QTreeWidget& t) {
        for (int c = 0; c < t.columnCount(); ++c)
            check(at, t.headerItem()->text(c));
        for (QTreeWidgetItemIterator i(const_cast<QTreeWidget*>(&t)); *i; ++i)
            for (int c = 0; c < t.columnCount(); ++c)
                check(at, (*i)->text(c) + (*i)->toolTip(c));
    }
};

// The dialogs the window opens, each walked while it is open and then cancelled.
class WalkingDialogs : public RecordingDialogs {
  public:
    Walk walk;
    int pickers = 0, placements = 0;

    const catalogue::ProfileRow* pickProfile(QWidget* parent, Kind kind, int code,
                                             const catalogue::ProfileRow* shown) override {
        ++pickers;
        TCataloguePicker picker(kind, code, parent, shown);
        picker.show();
        walk.widget(&picker);
        return nullptr;
    }
    std::optional<PlaceRequest> askPlacement(QWidget* parent, const ProfilePlacer& placer,
                                             const TSectionModel& section) override {
        ++placements;
        PlaceDialog d(placer, section, parent);
        d.show();
        walk.widget(&d);
        return std::nullopt;
    }
};

class EnglishWindow : public FormTestWith<WalkingDialogs> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(InstallLanguage(*QCoreApplication::instance(), QStringLiteral("en")));
        FormTestWith<WalkingDialogs>::SetUp();
    }
    void TearDown() override {
        form.reset();
        InstallLanguage(*QCoreApplication::instance(), QStringLiteral("ru"));
    }
    Walk& walk() { return dialogs.walk; }
};

TEST_F(EnglishWindow, ShowsNoRussianOnAnyTabMenuOrDialog) {
    ASSERT_TRUE(form->openSection(QStringLiteral(KARO_SOURCE_DIR "/examples/textbook.karo")));
    for (int tab = 1; tab <= 7; ++tab) {
        chooseTab(tab);
        walk().widget(form.get());
        // Every kind's catalogue, and the placement of every profile on show.
        if (tab <= 4)
            w<QAction>("actCatalogue")->trigger();
        if (tab <= 5 && w<QAction>("actPlace")->isEnabled())
            w<QAction>("actPlace")->trigger();
    }
    EXPECT_EQ(dialogs.pickers, 4);
    EXPECT_EQ(dialogs.placements, 3); // the tabs with a profile

    // The English guide, which tells of every tab by its English name.
    w<QAction>("actManual")->trigger();
    auto* guide = form->findChild<QTextBrowser*>(QStringLiteral("ManualText"));
    ASSERT_NE(guide, nullptr);
    walk().widget(guide->window());
    auto* tabs = w<QTabWidget>("PageControl1");
    for (int i = 0; i < tabs->count(); ++i)
        EXPECT_TRUE(guide->toPlainText().contains(tabs->tabText(i)))
            << tabs->tabText(i).toStdString();

    w<QAction>("actProperties")->trigger();
    PropertiesWindow* properties = form->propertiesWindow();
    ASSERT_NE(properties, nullptr);
    if (properties->running()) {
        ASSERT_TRUE(QSignalSpy(properties, &PropertiesWindow::settled).wait(60000));
    }
    walk().widget(properties);

    // A refused field's warning, and the question before changes are lost.
    chooseTab(1);
    field("meDth")->setText(QStringLiteral("x"));
    chooseTab(2);
    w<QAction>("actNewSection")->trigger();
    ASSERT_FALSE(dialogs.messages.empty());
    ASSERT_FALSE(dialogs.saveChangesAsked.empty());
    for (const Message& m : dialogs.messages)
        EXPECT_FALSE(russian(m.caption + m.text))
            << m.caption.toStdString() << m.text.toStdString();
    EXPECT_FALSE(russian(dialogs.saveChangesAsked.back()));

    // The real question box, with its buttons.
    QTimer::singleShot(0, [this] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        walk().widget(box);
        box->close();
    });
    MessageBoxDialogs().askSaveChanges(form.get(), dialogs.saveChangesAsked.back());

    EXPECT_TRUE(walk().found.isEmpty()) << walk().found.join(QLatin1Char('\n')).toStdString();
}

} // namespace
} // namespace karo::app::test
