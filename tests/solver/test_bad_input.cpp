// Every typed field of every kind against texts a user (or a pasted clipboard) may put in:
// each commits or is refused at that very field, and whatever commits either solves to
// finite results or stops with one of the arithmetic messages, never "NAN" or "INF".

#include "model/arith.h"
#include "model/commit.h"
#include "solver/solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

using namespace karo;

namespace {

class Texts : public FieldTexts {
  public:
    std::vector<std::string> t;
    std::string fieldText(Kind, int field) const override {
        return t.at(static_cast<std::size_t>(field));
    }
};

// A good entry of each kind in input order.
std::vector<std::string> good(Kind k) {
    switch (k) {
    case Kind::Dt:
        return {"20", "10", "26.8", "1840", "115", "0", "0"};
    case Kind::Sh:
        return {"20", "7.6", "23.4", "113", "1520", "2.07", "3", "-2"};
    case Kind::Un:
        return {"10", "6.3", "0.8", "12.6", "127", "39.2", "23.4", "1.5", "3.32", "1", "1"};
    case Kind::Ur:
        return {"5", "0.5", "4.8", "11.2", "4.63", "1.42", "-3", "0"};
    case Kind::List:
        break;
    }
    return {"1", "20", "0", "-5"};
}

struct Input {
    std::string text;
    enum { Accept, Reject, PositiveOnly } expect; // PositiveOnly: accepted only in Xc, Yc
};

std::vector<Input> inputs() {
    return {
        {"", Input::Reject},
        {"-", Input::Reject},
        {"+", Input::Reject},
        {"1,5", Input::Reject},
        {"7 ", Input::Reject},
        {" 7", Input::Accept},
        {"1e308", Input::Accept},
        {"1e-308", Input::Accept},
        {"1e999", Input::Reject},
        {"nan", Input::Reject},
        {"inf", Input::Reject},
        {"0x10", Input::Reject},
        {std::string(400, '9'), Input::Reject},
        {"0." + std::string(400, '3'), Input::Accept},
        {"\xd9\xa1\xd9\xa2", Input::Reject}, // Arabic-Indic digits 12
        {"\xe2\x80\x8f"
         "5",
         Input::Reject}, // right-to-left mark before 5
        {"5\xe2\x80\x8f", Input::Reject},
        {"0", Input::PositiveOnly},
        {"-0", Input::PositiveOnly},
        {".", Input::PositiveOnly},
        {"-3.5", Input::PositiveOnly},
        {"-1e-308", Input::PositiveOnly},
    };
}

bool finiteTexts(const TSectionResult& r) {
    for (const std::string& t : r.Texts) {
        if (t.empty() || t.find("NAN") != std::string::npos || t.find("INF") != std::string::npos)
            return false;
    }
    return true;
}

} // namespace

TEST(BadInput, EveryFieldOfEveryKind) {
    int accepted = 0, refused = 0, faults = 0;
    for (Kind k : TabOrder) {
        const KindInfo& info = kindInfo(k);
        for (std::size_t f = 0; f < info.fields.size(); ++f) {
            for (const Input& in : inputs()) {
                TSectionModel m;
                TKindState& st = m.state(k);
                st.Count = st.CurrentNumber = 1;
                Texts t;
                t.t = good(k);
                t.t[f] = in.text;
                const CommitResult c = CommitEntry(m, k, 1, t);
                const bool shouldAccept =
                    in.expect == Input::Accept ||
                    (in.expect == Input::PositiveOnly && !info.fields[f].positive);
                const std::string where = std::string(info.prefix) + "." +
                                          std::string(info.fields[f].key) + " = \"" + in.text +
                                          "\"";
                // Iu of the unequal-leg angle may be refused for its place among Ix and Iy,
                // whichever of the three was changed.
                int iu = -1;
                for (std::size_t i = 0; i < info.fields.size(); ++i)
                    if (info.fields[i].rule == FieldRule::DistinctFromIxIy)
                        iu = static_cast<int>(i);
                const bool iuMayRefuse =
                    iu >= 0 && (info.fields[f].key == "Ix" || info.fields[f].key == "Iy" ||
                                static_cast<int>(f) == iu);
                if (!shouldAccept) {
                    EXPECT_NE(c.Code, 0) << where;
                    EXPECT_EQ(c.rejectedField, static_cast<int>(f)) << where;
                } else if (c.rejected()) {
                    EXPECT_TRUE(iuMayRefuse && c.rejectedField == iu) << where;
                }
                if (c.rejected()) {
                    ++refused;
                    continue;
                }
                ++accepted;
                for (int s = 0; s < info.slotCount; ++s)
                    EXPECT_TRUE(std::isfinite(m.value(k, 1, s))) << where;
                TSectionResult r;
                try {
                    const SolveOutcome o = SolveSection(m, r);
                    if (o.status == SolveStatus::Solved) {
                        EXPECT_TRUE(finiteTexts(r)) << where;
                    }
                } catch (const ArithmeticError& e) {
                    ++faults;
                    const std::string msg = e.what();
                    EXPECT_TRUE(msg == "Floating point overflow" ||
                                msg == "Invalid floating point operation" ||
                                msg == "Floating point division by zero")
                        << where << ": " << msg;
                }
            }
        }
    }
    EXPECT_GT(accepted, 0);
    EXPECT_GT(refused, 0);
    EXPECT_GT(faults, 0) << "1e308 squared must stop some runs";
}

TEST(BadInput, OverflowInsideTheSolverIsAnError) {
    // Two plates far apart: the centroid is finite, the squares of the offsets are not.
    TSectionModel m;
    Texts a, b;
    a.t = {"1", "1", "1e200", "0"};
    b.t = {"1", "1", "-1e200", "0"};
    m.List.Count = 2;
    ASSERT_EQ(CommitListEntry(m, 1, a).Code, 0);
    ASSERT_EQ(CommitListEntry(m, 2, b).Code, 0);
    TSectionResult r;
    r.Texts[rfIy] = "before";
    try {
        SolveSection(m, r);
        FAIL() << "no fault";
    } catch (const ArithmeticError& e) {
        EXPECT_STREQ(e.what(), "Floating point overflow");
    }
    EXPECT_EQ(r.Texts[rfIy], "before") << "no result text is written after a fault";
}
