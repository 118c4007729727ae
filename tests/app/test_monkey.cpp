// Thousands of random clicks, keys, texts, undos and redos on the window's controls. After
// every one the model and the tabs must still agree: counts within their bounds, the spin box
// showing the entry on show, and nothing crashed. At the end, undoing everything gives back
// the empty start and redoing everything the section as it was shown: no change escaped the
// undo stack.

#include "form_fixture.h"

#include "app/profile_edit.h"

#include <QTabWidget>
#include <QUndoStack>

#include <random>

namespace karo::app::test {
namespace {

class Monkey : public FormTest {
  protected:
    std::mt19937 rng{20261207};

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

    QString randomText() {
        static const char* pool[] = {"",      "20",   "10",  "26.8", "1840", "115",   "0",
                                     "-5",    "1,5",  "7 ",  " 7",   ".",    "1e999", "abc",
                                     "1e308", "3.32", "1.5", "127",  "39.2", "23.4",  "-"};
        return QString::fromLatin1(pool[pick(static_cast<int>(std::size(pool)))]);
    }

    std::vector<std::string> trace;

    void checkInvariants(int step) {
        for (Kind k : TabOrder) {
            const KindInfo& info = kindInfo(k);
            const TKindState& st = model.state(k);
            std::string where =
                std::string(info.prefix) + " after step " + std::to_string(step) + ":";
            for (std::size_t i = trace.size() > 8 ? trace.size() - 8 : 0; i < trace.size(); ++i)
                where += " " + trace[i];
            ASSERT_GE(st.Count, 0) << where;
            ASSERT_LE(st.Count, MaxEntriesPerKind) << where;
            TSpinEdit* s = spin(("se" + std::string(info.prefix) + "Number").c_str());
            if (st.Count > 0) {
                ASSERT_GE(st.CurrentNumber, 1) << where;
                ASSERT_LE(st.CurrentNumber, st.Count) << where;
                ASSERT_EQ(s->value(), st.CurrentNumber) << where;
            } else {
                ASSERT_EQ(s->value(), 0) << where;
            }
            ASSERT_EQ(s->maxValue(), st.Count) << where;
            ASSERT_EQ(s->isEnabled(), st.Count >= 2) << where;
            // Erasing the last entry leaves the state as it was: nothing reads it until the
            // next add overwrites it.
            if (st.Count > 0) {
                ASSERT_EQ(form->listEditState(k), lesIdle) << where;
            }
        }
    }

    void step() {
        const int tab = form->currentTabNumber();
        if (tab < 1 || tab > KindCount || pick(10) == 0) {
            const int to = 1 + pick(7);
            trace.push_back("tab" + std::to_string(to));
            chooseTab(to);
            return;
        }
        const Kind k = TabOrder[static_cast<std::size_t>(tab - 1)];
        const std::string prefix(kindInfo(k).prefix);
        const auto name = [&](const char* what) { return what + prefix; };
        if (pick(12) == 0) {
            const bool undo = pick(3) != 0;
            trace.push_back(undo ? "undo" : "redo");
            QWidget* target = focused() ? focused() : form.get();
            QTest::keyClick(target, undo ? Qt::Key_Z : Qt::Key_Y, Qt::ControlModifier);
            return;
        }
        const int action = pick(8);
        trace.push_back(prefix + ":" + std::to_string(action));
        switch (action) {
        case 0:
            click((name("bb") + "Add").c_str());
            break;
        case 1:
            if (pick(3) == 0) // erasing loses entries fast; keep some to browse
                click((name("bb") + "Erase").c_str());
            break;
        case 2:
            if (k != Kind::List)
                click((name("bb") + "Rotate").c_str());
            if (k == Kind::Un && pick(2))
                click("bbUnMirror");
            break;
        case 3:
            if (pick(2))
                spinUp((name("se") + "Number").c_str());
            else
                spinDown((name("se") + "Number").c_str());
            break;
        case 4:
        case 5: {
            const auto& fields = kindInfo(k).fields;
            const auto& f = fields[static_cast<std::size_t>(pick(static_cast<int>(fields.size())))];
            QLineEdit* e = field(("me" + prefix + std::string(f.key)).c_str());
            if (e->isEnabled()) {
                e->setText(randomText());
                trace.back() += "=" + e->text().toStdString();
            }
            break;
        }
        case 6: {
            // Fill the whole entry with good values, so the section grows and solves.
            static const std::vector<std::vector<const char*>> goods = {
                {"20", "10", "26.8", "1840", "115", "0", "0"},
                {"20", "7.6", "23.4", "1520", "113", "2.07", "7", "0"},
                {"10", "6.3", "0.8", "12.6", "127", "39.2", "23.4", "1.5", "3.32", "-4", "-6"},
                {"5", "0.5", "4.8", "11.2", "4.63", "1.42", "3", "3"},
                {"1", "20", "0", "-11"}};
            const auto& fields = kindInfo(k).fields;
            for (std::size_t i = 0; i < fields.size(); ++i) {
                QLineEdit* e = field(("me" + prefix + std::string(fields[i].key)).c_str());
                if (e->isEnabled())
                    e->setText(
                        QString::fromLatin1(goods[static_cast<std::size_t>(kindIndex(k))][i]));
            }
            break;
        }
        default: {
            QWidget* f = focused();
            if (f && qobject_cast<QLineEdit*>(f)) {
                static const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Up, Qt::Key_Down,
                                               Qt::Key_Tab};
                QTest::keyClick(f, keys[pick(4)]);
            }
            break;
        }
        }
    }
};

TEST_F(Monkey, FiveThousandRandomEventsKeepTheModelAndTabsConsistent) {
    const int events = qEnvironmentVariableIntValue("KARO_MONKEY_EVENTS") > 0
                           ? qEnvironmentVariableIntValue("KARO_MONKEY_EVENTS")
                           : 5000;
    for (int i = 0; i < events; ++i) {
        step();
        checkInvariants(i);
        if (HasFatalFailure())
            return;
        dialogs.messages.clear();
    }
    // The run reached real sections, not only empty ones.
    EXPECT_GT(model.totalCount(), 5);
    EXPECT_FALSE(result.Texts[rfA].empty());

    const auto section = [this] {
        std::vector<std::string> s;
        for (Kind k : TabOrder) {
            const TKindState& st = model.state(k);
            s.push_back(std::to_string(st.Count) + " " + std::to_string(st.CurrentNumber) + " " +
                        std::to_string(st.Orientation));
            for (int n = 1; n <= st.Count; ++n) {
                // The entry on show is what its fields show; the model holds its values as
                // of the last commit.
                std::vector<std::string> texts(static_cast<std::size_t>(kindInfo(k).slotCount));
                for (int slot = 0; slot < kindInfo(k).slotCount; ++slot)
                    texts[static_cast<std::size_t>(slot)] = model.text(k, n, slot);
                if (n == st.CurrentNumber)
                    for (std::size_t i = 0; i < kindInfo(k).fields.size(); ++i)
                        texts[static_cast<std::size_t>(kindInfo(k).fields[i].slot)] =
                            document.text(k, static_cast<int>(i));
                std::string entry = std::to_string(model.entryOrientation(k, n));
                for (const std::string& t : texts)
                    entry += " " + t;
                s.push_back(entry);
            }
        }
        return s;
    };
    const std::vector<std::string> end = section();
    QUndoStack* stack = form->undoStack();
    const int top = stack->index();
    stack->setIndex(0);
    EXPECT_EQ(model.totalCount(), 0);
    EXPECT_EQ(model.Dt.Orientation, 1);
    EXPECT_EQ(model.Un.Orientation, 2);
    checkInvariants(events);
    stack->setIndex(top);
    EXPECT_EQ(section(), end);
    checkInvariants(events + 1);
}

} // namespace
} // namespace karo::app::test
