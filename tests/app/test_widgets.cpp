// The spin box, the number keys, the orientation buttons and the arithmetic-fault guard.

#include "app/karo_application.h"
#include "app/profile_edit.h"
#include "form_fixture.h"
#include "model/arith.h"
#include "picture/sketches.h"

#include <QKeyEvent>
#include <QLabel>
#include <QSignalSpy>

#include <tuple>

namespace karo::app::test {
namespace {

TEST(SpinEdit, ClampsExceptWhenTheRangeIsOneValue) {
    TSpinEdit se;
    QSignalSpy changes(&se, &TSpinEdit::changed);
    EXPECT_EQ(se.value(), 0);
    // min = max: taken unchanged.
    se.setValue(7);
    EXPECT_EQ(se.value(), 7);
    EXPECT_EQ(changes.count(), 1);
    // The same text again raises nothing.
    se.setValue(7);
    EXPECT_EQ(changes.count(), 1);
    // A new range does not move the value.
    se.setMinValue(1);
    se.setMaxValue(3);
    EXPECT_EQ(se.value(), 7);
    se.setValue(9);
    EXPECT_EQ(se.value(), 3);
    se.setValue(-4);
    EXPECT_EQ(se.value(), 1);
    EXPECT_EQ(changes.count(), 3);
    // Clamped onto the value shown: no change.
    se.setValue(0);
    EXPECT_EQ(changes.count(), 3);
}

TEST(SpinEdit, ArrowsStayInRangeAndTheEditorIsReadOnly) {
    TSpinEdit se;
    se.setMinValue(1);
    se.setMaxValue(2);
    se.setValue(1);
    QSignalSpy changes(&se, &TSpinEdit::changed);
    se.stepDown();
    EXPECT_EQ(se.value(), 1);
    se.stepUp();
    se.stepUp();
    EXPECT_EQ(se.value(), 2);
    EXPECT_EQ(changes.count(), 1);
    se.setEnabled(false);
    se.stepDown();
    EXPECT_EQ(se.value(), 2);
    auto* editor = se.findChild<QLineEdit*>("editor");
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isReadOnly());
}

TEST(SpinEdit, HomeEndAndPageKeysJumpInOneChange) {
    const struct {
        Qt::Key key;
        int from, to;
    } cases[] = {
        {Qt::Key_Home, 17, 1},    {Qt::Key_End, 3, 25},      {Qt::Key_PageUp, 3, 13},
        {Qt::Key_PageUp, 20, 25}, {Qt::Key_PageDown, 17, 7}, {Qt::Key_PageDown, 8, 1},
        {Qt::Key_Home, 1, 1},     {Qt::Key_End, 25, 25},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QKeySequence(c.key).toString().toStdString() + " from " +
                     std::to_string(c.from));
        TSpinEdit se;
        se.setMinValue(1);
        se.setMaxValue(25);
        se.setValue(c.from);
        QSignalSpy changes(&se, &TSpinEdit::changed);
        QTest::keyClick(&se, c.key);
        EXPECT_EQ(se.value(), c.to);
        EXPECT_EQ(changes.count(), c.from == c.to ? 0 : 1);
    }
}

TEST(NumberKeys, RefusedCharactersTypeTheUsKeyOfTheSamePosition) {
    // Key codes of the US keyboard: 10..19 digits, 20 minus, 21 equals, 26 E, 60 period,
    // 91 keypad decimal.
    EXPECT_EQ(LatinNumberText(26, false, QStringLiteral("у")), QStringLiteral("e"));
    EXPECT_EQ(LatinNumberText(26, true, QStringLiteral("У")), QStringLiteral("E"));
    EXPECT_EQ(LatinNumberText(60, false, QStringLiteral("ю")), QStringLiteral("."));
    EXPECT_EQ(LatinNumberText(91, false, QStringLiteral(",")), QStringLiteral("."));
    EXPECT_EQ(LatinNumberText(17, false, QStringLiteral("8")), QStringLiteral("8"));
    // French layout: the plain number keys give "&é\"(" and ")" where the US gives digits and
    // "-", ":" stands on the period key; Shift+digit gives the digit and stays.
    EXPECT_EQ(LatinNumberText(10, false, QStringLiteral("&")), QStringLiteral("1"));
    EXPECT_EQ(LatinNumberText(11, false, QStringLiteral("é")), QStringLiteral("2"));
    EXPECT_EQ(LatinNumberText(20, false, QStringLiteral(")")), QStringLiteral("-"));
    EXPECT_EQ(LatinNumberText(60, false, QStringLiteral(":")), QStringLiteral("."));
    EXPECT_EQ(LatinNumberText(10, true, QStringLiteral("1")), QStringLiteral("1"));
    // Already usable, or not a number key: unchanged.
    EXPECT_EQ(LatinNumberText(61, false, QStringLiteral(".")), QStringLiteral("."));
    EXPECT_EQ(LatinNumberText(21, true, QStringLiteral("+")), QStringLiteral("+"));
    EXPECT_EQ(LatinNumberText(24, false, QStringLiteral("й")), QStringLiteral("й"));
    EXPECT_EQ(LatinNumberText(59, false, QStringLiteral(",")), QStringLiteral(","));
    EXPECT_EQ(LatinNumberText(60, true, QStringLiteral("Ю")), QStringLiteral("Ю"));
    EXPECT_EQ(LatinNumberText(26, false, QString()), QString());

    TProfileEdit edit;
    const auto press = [&](int key, quint32 scan, const QString& text) {
        QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier, scan, 0, 0, text);
        QApplication::sendEvent(&edit, &e);
    };
    press(Qt::Key_1, 10, QStringLiteral("1"));
    press(Qt::Key_unknown, 60, QStringLiteral("ю"));
    press(Qt::Key_5, 14, QStringLiteral("5"));
    press(Qt::Key_unknown, 26, QStringLiteral("у"));
    press(Qt::Key_2, 11, QStringLiteral("2"));
    EXPECT_EQ(edit.text(), QStringLiteral("1.5e2"));
}

TEST_F(FormTest, AFieldReachedByEnterOrArrowsIsSelected) {
    // What is typed after the move replaces the value: "10" and a typed 5 give "5".
    addDts({"20"});
    field("meDth")->setFocus();
    for (auto [key, from, to] :
         {std::tuple{Qt::Key_Return, "meDth", "meDtb"}, std::tuple{Qt::Key_Down, "meDtb", "meDtA"},
          std::tuple{Qt::Key_Up, "meDtA", "meDtb"}}) {
        QTest::keyClick(field(from), key);
        ASSERT_EQ(focusedName(), QString::fromLatin1(to));
        EXPECT_EQ(field(to)->selectedText(), field(to)->text()) << to;
    }
    QTest::keyClick(field("meDtb"), Qt::Key_5);
    EXPECT_EQ(field("meDtb")->text(), QStringLiteral("5"));
}

// The codes each press gives are the orientation tables' (Orientation.*); here the buttons
// reach them and the picture on show follows the code.
TEST_F(FormTest, RotateAndMirrorButtonsTurnTheCodeAndItsPicture) {
    const std::vector<const char*> dts = {"imdt_1", "imdt_2"};
    click("bbDtRotate");
    EXPECT_EQ(model.Dt.Orientation, 2);
    EXPECT_TRUE(onlyVisible(dts, "imdt_2"));
    click("bbDtRotate");
    EXPECT_EQ(model.Dt.Orientation, 1);
    EXPECT_TRUE(onlyVisible(dts, "imdt_1"));

    // Channel, from its start code 2: 2 → 3 → 1 → 4 → 2.
    const std::vector<const char*> shs = {"imsh_1", "imsh_2", "imsh_3", "imsh_4"};
    const int shCodes[] = {3, 1, 4, 2};
    for (int code : shCodes) {
        click("bbShRotate");
        EXPECT_EQ(model.Sh.Orientation, code);
        EXPECT_TRUE(onlyVisible(shs, shs[static_cast<std::size_t>(code - 1)]));
    }
    // Equal-leg angle, from 2.
    click("bbUrRotate");
    EXPECT_EQ(model.Ur.Orientation, 1);
    EXPECT_TRUE(onlyVisible({"imUr_1", "imUr_2", "imUr_3", "imUr_4"}, "imUr_1"));

    const std::vector<const char*> uns = {"imUn_1", "imUn_2", "imUn_3", "imUn_4",
                                          "imUn_5", "imUn_6", "imUn_7", "imUn_8"};
    click("bbUnMirror");
    EXPECT_EQ(model.Un.Orientation, 1);
    EXPECT_TRUE(onlyVisible(uns, "imUn_1"));
    click("bbUnRotate");
    EXPECT_EQ(model.Un.Orientation, 7);
    EXPECT_TRUE(onlyVisible(uns, "imUn_7"));
    // The buttons touch neither entries nor fields.
    EXPECT_EQ(model.Un.Count, 0);
    EXPECT_TRUE(dialogs.messages.empty());
}

// At start only the picture on show is drawn; the others wait until they are first shown,
// and are then the same pictures.
TEST_F(FormTest, OrientationPicturesAreDrawnWhenFirstShown) {
    const auto drawn = [this](const char* name) { return !w<QLabel>(name)->pixmap().isNull(); };
    EXPECT_TRUE(drawn("imdt_1"));
    EXPECT_FALSE(drawn("imdt_2"));
    EXPECT_FALSE(drawn("imUn_2"));
    chooseTab(3);
    ASSERT_TRUE(drawn("imUn_2"));
    EXPECT_EQ(w<QLabel>("imUn_2")->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
              OrientationPicture(Kind::Un, 2));
    EXPECT_FALSE(drawn("imUn_1"));
}

// The window comes up with the tab on show and builds the others after its first paint. A tab
// the user turns to before that, and a tab whose kind changed meanwhile, show every control
// and the document as it stands.
TEST(LateTabs, ShowTheirControlsAndTheDocumentAsItStands) {
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    SectionDocument document;
    RecordingDialogs dialogs;
    TMainForm form(document, dialogs);
    form.show();
    ASSERT_FALSE(form.allTabsBuilt());
    document.add(Kind::Sh);
    form.findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(2);
    const auto controls = [&form](const char* sheet) {
        return form.findChild<QWidget*>(QString::fromLatin1(sheet))->findChildren<TProfileEdit*>();
    };
    ASSERT_FALSE(controls("TabSheet_Un").isEmpty());
    for (TProfileEdit* f : controls("TabSheet_Un"))
        EXPECT_TRUE(f->isVisible()) << f->objectName().toStdString();
    const QList<QLabel*> pictures =
        form.findChild<QWidget*>(QStringLiteral("pnUnPicture"))->findChildren<QLabel*>();
    EXPECT_EQ(std::count_if(pictures.begin(), pictures.end(),
                            [](const QLabel* p) { return p->isVisible(); }),
              1);

    ASSERT_TRUE(QTest::qWaitFor([&form] { return form.allTabsBuilt(); }));
    for (TProfileEdit* f : controls("TabSheet_Sh"))
        EXPECT_TRUE(f->isEnabled()) << f->objectName().toStdString();
    EXPECT_EQ(form.findChild<QLineEdit*>(QStringLiteral("meShh"))->text(), QString());
}

TEST(ArithmeticFaults, AreShownWithAFullStopAndTheProgramGoesOn) {
    RecordingDialogs dialogs;
    bool after = false;
    RunGuarded(dialogs, nullptr,
               [] { throw ArithmeticError(ArithmeticError::Fault::DivisionByZero); });
    RunGuarded(dialogs, nullptr, [&] { after = true; });
    EXPECT_TRUE(after);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].error);
    EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("Karo 2006"));
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Floating point division by zero."));
}

// An object whose handler fails the way the arithmetic does.
class Faulty : public QObject {
  public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User)
            throw ArithmeticError(ArithmeticError::Fault::Overflow);
        return QObject::event(e);
    }
};

TEST(ArithmeticFaults, AreCaughtAtTheTopOfTheEventDispatch) {
    auto* app = dynamic_cast<KaroApplication*>(QCoreApplication::instance());
    ASSERT_NE(app, nullptr);
    RecordingDialogs dialogs;
    app->setDialogs(&dialogs);
    Faulty target;
    QCoreApplication::postEvent(&target, new QEvent(QEvent::User));
    QCoreApplication::sendPostedEvents(&target);
    app->setDialogs(nullptr);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Floating point overflow."));
    EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("Karo 2006"));
}

} // namespace
} // namespace karo::app::test
