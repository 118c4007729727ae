// Picking a catalogue profile on a kind tab: F4, the picker's filter and Enter, the fields
// filled for the position on show, the recognition label and the refill on a turn.

#include "app/catalogue_picker.h"
#include "form_fixture.h"

#include <QLabel>
#include <QTableWidget>

namespace karo::app::test {
namespace {

// Drives the real picker the way a user does, without a modal loop.
class PickingDialogs : public RecordingDialogs {
  public:
    QString typed;               // what the user types into the filter
    int key = Qt::Key_Return;    // and the key that ends the dialog
    bool filterHadFocus = false; // seen while the picker was open
    QStringList found;           // designations on show when the key was pressed
    int opened = 0;

    const catalogue::ProfileRow* pickProfile(QWidget* parent, Kind kind, int code,
                                             const catalogue::ProfileRow* shown) override {
        ++opened;
        TCataloguePicker picker(kind, code, parent, shown);
        picker.show();
        filterHadFocus = picker.focusWidget() == picker.filterField();
        QTest::keyClicks(picker.filterField(), typed);
        found.clear();
        for (int i = 0; i < picker.table()->rowCount(); ++i) {
            if (!picker.table()->isRowHidden(i))
                found << picker.table()->item(i, 1)->text();
        }
        QTest::keyClick(picker.filterField(), static_cast<Qt::Key>(key));
        return picker.pickedRow();
    }
};

class CatalogueFormTest : public FormTestWith<PickingDialogs> {
  protected:
    QString label(const char* name) {
        return form->findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
};

TEST_F(CatalogueFormTest, F4TwentyEnterFillsTheIBeamForThePositionOnShow) {
    dialogs.typed = QStringLiteral("20");
    QTest::keyClick(form.get(), Qt::Key_F4);
    ASSERT_EQ(dialogs.opened, 1);
    EXPECT_TRUE(dialogs.filterHadFocus);
    EXPECT_EQ(dialogs.found, QStringList{QStringLiteral("20")});
    // The kind had no entry: the pick added one, as the add button does.
    EXPECT_EQ(model.Dt.Count, 1);
    const std::pair<const char*, const char*> filled[] = {
        {"meDth", "20"},   {"meDtb", "10"}, {"meDtA", "26.8"}, {"meDtIx", "1840"},
        {"meDtIy", "115"}, {"meDtXc", ""},  {"meDtYc", ""}};
    for (const auto& [name, text] : filled)
        EXPECT_EQ(field(name)->text(), QString::fromLatin1(text)) << name;
    EXPECT_EQ(QApplication::focusWidget(), field("meDtXc"));
    EXPECT_EQ(label("lbDtCatalogue"), QStringLiteral("Двутавр №20, ГОСТ 8239-89"));

    // Turned, the profile keeps its name and takes the values about the other axes.
    form->findChild<QPushButton*>("bbDtRotate")->click();
    EXPECT_EQ(field("meDtIx")->text(), QStringLiteral("115"));
    EXPECT_EQ(field("meDtIy")->text(), QStringLiteral("1840"));
    EXPECT_EQ(label("lbDtCatalogue"), QStringLiteral("Двутавр №20, ГОСТ 8239-89"));
    field("meDtXc")->setText(QStringLiteral("0"));
    field("meDtYc")->setText(QStringLiteral("0"));
    form->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(5);
    EXPECT_TRUE(dialogs.messages.empty()); // no cross-check trips
    EXPECT_EQ(form->currentTabNumber(), 6);
    EXPECT_EQ(model.Dt.entry(1).Orientation, 2);
    EXPECT_EQ(model.Dt.entry(1).Ix, 115.0);
    EXPECT_EQ(model.text(Kind::Dt, 1, dt::Iy), "1840");
}

TEST_F(CatalogueFormTest, HandTypedValuesAreNotRefilledAndEscapeChangesNothing) {
    form->showTab(2);
    dialogs.typed = QStringLiteral("20");
    QTest::keyClick(form.get(), Qt::Key_F4);
    EXPECT_EQ(dialogs.found, (QStringList{QStringLiteral("20У"), QStringLiteral("20П")}));
    EXPECT_EQ(label("lbShCatalogue"), QStringLiteral("Швеллер №20У, ГОСТ 8240-97"));
    field("meShIx")->setText(QStringLiteral("1500"));
    EXPECT_EQ(label("lbShCatalogue"), QString());
    form->findChild<QPushButton*>("bbShRotate")->click();
    EXPECT_EQ(field("meShIx")->text(), QStringLiteral("1500"));

    dialogs.key = Qt::Key_Escape;
    QTest::keyClick(form.get(), Qt::Key_F4);
    EXPECT_EQ(dialogs.opened, 2);
    EXPECT_EQ(field("meShIx")->text(), QStringLiteral("1500"));
    EXPECT_EQ(model.Sh.Count, 1);
}

} // namespace
} // namespace karo::app::test
