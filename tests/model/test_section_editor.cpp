// The editor's rules on small I-beam lists: every action, what it leaves, and that its delta
// played backwards gives back exactly the kind as it was, and forwards again what the action
// left.

#include "model/section_editor.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace karo;

namespace {

// I-beam fields with the height given and the other values valid; `b` may be spoiled.
class DtTexts : public FieldTexts {
  public:
    explicit DtTexts(std::string h, std::string b = "10") : h_(std::move(h)), b_(std::move(b)) {}
    std::string fieldText(Kind, int field) const override {
        static const char* rest[] = {"", "", "26.8", "1840", "115", "0", "0"};
        return field == 0 ? h_ : field == 1 ? b_ : rest[field];
    }

  private:
    std::string h_, b_;
};

std::string height(int i) {
    return std::to_string(18 + 2 * i);
}

// Entries 1..count with heights 20, 22, ... and codes 2, 1, 2, ...; `current` on show.
void fill(SectionEditor& ed, int count, int current) {
    for (int i = 1; i <= count; ++i) {
        if (i > 1)
            ASSERT_TRUE(ed.add(Kind::Dt, DtTexts(height(i - 1))).done());
        else
            ASSERT_TRUE(ed.add(Kind::Dt, DtTexts("")).done());
        ed.setOrientation(Kind::Dt, i % 2 ? 2 : 1);
    }
    if (count > 0) {
        ASSERT_TRUE(ed.commit(Kind::Dt, DtTexts(height(count))).done());
        ASSERT_TRUE(ed.select(Kind::Dt, current, DtTexts(height(count))).done());
    }
}

// The whole I-beam list as the editor sees it, places beyond Count included.
struct KindImage {
    int count, current, orientation;
    std::vector<StoredEntry> entries;
    bool operator==(const KindImage&) const = default;
};

KindImage image(const SectionEditor& ed) {
    const TKindState& st = ed.model().state(Kind::Dt);
    KindImage im{st.Count, st.CurrentNumber, st.Orientation, {}};
    for (int n = 1; n <= MaxEntriesPerKind; ++n)
        im.entries.push_back(ed.stored(Kind::Dt, n));
    return im;
}

std::vector<std::string> heights(const SectionEditor& ed) {
    std::vector<std::string> out;
    for (int n = 1; n <= ed.model().Dt.Count; ++n)
        out.push_back(ed.model().Dt.texts(n)[dt::h].text);
    return out;
}

struct Case {
    const char* name;
    int count, current; // the list before
    std::function<EditOutcome(SectionEditor&)> act;
    EditStatus status;
    int countAfter, currentAfter, orientationAfter;
    std::vector<std::string> heightsAfter;
};

} // namespace

TEST(SectionEditor, EachActionAndItsUndo) {
    using S = EditStatus;
    const auto add = [](const char* h, const char* b = "10") {
        return [=](SectionEditor& ed) { return ed.add(Kind::Dt, DtTexts(h, b)); };
    };
    const auto erase = [](SectionEditor& ed) { return ed.erase(Kind::Dt); };
    const auto select = [](int n, const char* h, const char* b = "10") {
        return [=](SectionEditor& ed) { return ed.select(Kind::Dt, n, DtTexts(h, b)); };
    };
    const auto commit = [](const char* h) {
        return [=](SectionEditor& ed) { return ed.commit(Kind::Dt, DtTexts(h)); };
    };
    const auto rotate = [](SectionEditor& ed) { return ed.rotate(Kind::Dt); };
    const Case cases[] = {
        // Adding commits the entry on show first; the new entry is empty and takes no code.
        {"first add", 0, 0, add(""), S::Done, 1, 1, 1, {""}},
        {"add keeps typing", 3, 1, add("30"), S::Done, 4, 4, 2, {"30", "22", "24", ""}},
        {"add refused", 2, 2, add("30", "x"), S::Refused, 2, 2, 1, {"20", "30"}},
        {"add to a full kind", 50, 50, add("118"), S::Nothing, 50, 50, 1, {}},
        // Erasing drops what was typed, closes the gap and shows the next entry's code.
        {"erase middle", 3, 2, erase, S::Done, 2, 2, 2, {"20", "24"}},
        {"erase last", 3, 3, erase, S::Done, 2, 2, 1, {"20", "22"}},
        {"erase only", 1, 1, erase, S::Done, 0, 0, 2, {}},
        {"erase nothing", 0, 0, erase, S::Nothing, 0, 0, 1, {}},
        {"select", 3, 3, select(1, "26"), S::Done, 3, 1, 2, {"20", "22", "26"}},
        {"select refused", 3, 3, select(1, "26", "0"), S::Refused, 3, 3, 2, {"20", "22", "26"}},
        {"commit", 2, 1, commit("21"), S::Done, 2, 1, 2, {"21", "22"}},
        {"rotate", 2, 2, rotate, S::Done, 2, 2, 2, {"20", "22"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto model = std::make_unique<TSectionModel>();
        SectionEditor ed(*model);
        fill(ed, c.count, c.current);
        const KindImage before = image(ed);

        const EditOutcome out = c.act(ed);
        EXPECT_EQ(out.status, c.status);
        EXPECT_EQ(model->Dt.Count, c.countAfter);
        EXPECT_EQ(model->Dt.CurrentNumber, c.currentAfter);
        EXPECT_EQ(model->Dt.Orientation, c.orientationAfter);
        if (c.count < MaxEntriesPerKind) {
            EXPECT_EQ(heights(ed), c.heightsAfter);
        }
        EXPECT_EQ(out.delta.empty(), c.status == S::Nothing);
        const KindImage after = image(ed);

        ed.undo(out.delta);
        EXPECT_TRUE(image(ed) == before) << "undo";
        ed.redo(out.delta);
        EXPECT_TRUE(image(ed) == after) << "redo";
    }
}
