#include "model/section_editor.h"
#include "solver/solver.h"

#include "model/arith.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

using namespace karo;

namespace {

class Typed : public FieldTexts {
  public:
    std::map<std::string, std::string> texts;
    std::string fieldText(Kind k, int field) const override {
        auto it = texts.find(std::string(kindInfo(k).fields[static_cast<std::size_t>(field)].key));
        return it == texts.end() ? std::string() : it->second;
    }
};

// Appends an entry of the kind committed from the given texts.
void add(TSectionModel& m, Kind k, std::map<std::string, std::string> texts, int code = 0) {
    TKindState& st = m.state(k);
    if (code)
        st.Orientation = code;
    st.CurrentNumber = ++st.Count;
    Typed t;
    t.texts = std::move(texts);
    ASSERT_EQ(CommitEntry(m, k, st.Count, t).Code, 0);
}

void plate(TSectionModel& m, const char* h, const char* b, const char* xc, const char* yc) {
    add(m, Kind::List, {{"h", h}, {"b", b}, {"Xc", xc}, {"Yc", yc}});
}

void equalAngle(TSectionModel& m, int code) {
    add(m, Kind::Ur,
        {{"b", "5"},
         {"d", "0.5"},
         {"A", "4.8"},
         {"Ix", "11.2"},
         {"Iu", "4.63"},
         {"Zo", "1.42"},
         {"Xc", "0"},
         {"Yc", "0"}},
        code);
}

std::vector<std::string> texts(const TSectionResult& r) {
    return {r.Texts.begin(), r.Texts.end()};
}

TSectionResult solve(TSectionModel& m) {
    TSectionResult r;
    const SolveOutcome o = SolveSection(m, r);
    EXPECT_EQ(o.status, SolveStatus::Solved);
    return r;
}

} // namespace

TEST(Solver, SinglePlateTwoByTen) {
    TSectionModel m;
    plate(m, "2", "10", "0", "0");
    const TSectionResult r = solve(m);
    EXPECT_EQ(r.A, 20);
    EXPECT_EQ(r.Alpha0, 0);
    EXPECT_EQ(r.RotatedYMax, 1);
    EXPECT_EQ(r.RotatedXMax, 5);
    EXPECT_EQ(texts(r),
              (std::vector<std::string>{"0", "0", "20", "6.6667", "166.67", "0", "0", "6.6667",
                                        "166.67", "0.57735", "2.8868", "6.6667", "33.333"}));
}

TEST(Solver, SquarePlateHasItsVAxisAtZero) {
    TSectionModel m;
    plate(m, "4", "4", "1", "-2");
    const TSectionResult r = solve(m);
    EXPECT_EQ(r.Ix, r.Iy);
    EXPECT_EQ(r.Alpha0, 0);
    EXPECT_FALSE(AxisAtAlphaIsU(r));
    // Ix ≥ Iy: u is across the axis at 0°, so Wu = Iu / RotatedXMax.
    EXPECT_EQ(r.Texts[rfXc], "1");
    EXPECT_EQ(r.Texts[rfYc], "-2");
    EXPECT_EQ(r.Texts[rfWu], "10.667");
    EXPECT_EQ(r.Texts[rfWv], "10.667");
}

TEST(Solver, EqualLegAngleProductSignFollowsTheHeel) {
    TSectionModel m;
    equalAngle(m, 1); // heel bottom right
    TSectionResult r = solve(m);
    EXPECT_DOUBLE_EQ(r.Ixy, 6.57);
    EXPECT_EQ(r.Alpha0, -45);
    EXPECT_EQ(texts(r)[rfIu], "4.63");
    EXPECT_EQ(texts(r)[rfIv], "17.77");
    EXPECT_EQ(texts(r)[rfAlpha0], "-45");
    EXPECT_EQ(texts(r)[rfIxy], "6.57");

    TSectionModel m2;
    equalAngle(m2, 2); // heel bottom left
    r = solve(m2);
    EXPECT_DOUBLE_EQ(r.Ixy, -6.57);
    EXPECT_EQ(r.Alpha0, 45);
}

TEST(Solver, AnglePointsInTheirThreeOrders) {
    // B1 = 10, b2 = 6, d = 1, Xo = 1, Yo = 2 at the origin; the points are listed in
    // central coordinates after the run, which here equal x'y'.
    const struct {
        int code;
        std::vector<TPoint> points;
    } cases[] = {
        {1, {{0, 8}, {1, 8}, {1, -2}, {-5, -1}, {-5, -2}}}, // first
        {2, {{5, -1}, {5, -2}, {0, 8}, {-1, 8}, {-1, -2}}}, // second
        {6, {{0, -8}, {-1, -8}, {5, 1}, {5, 2}, {-1, 2}}},  // third
        {7, {{0, -4}, {1, -4}, {1, 2}, {-9, 1}, {-9, 2}}},  // first, b2 vertical
        {4, {{9, -1}, {9, -2}, {0, 4}, {-1, 4}, {-1, -2}}}, // second, b2 vertical
    };
    for (const auto& c : cases) {
        TSectionModel m;
        add(m, Kind::Un,
            {{"B1", "10"},
             {"b2", "6"},
             {"d", "1"},
             {"A", "20"},
             {"Ix", "100"},
             {"Iy", "50"},
             {"Iu", "20"},
             {"Xo", "1"},
             {"Yo", "2"},
             {"Xc", "0"},
             {"Yc", "0"}},
            c.code);
        TSectionResult r;
        SolveSection(m, r);
        ASSERT_EQ(r.OutlinePoints.size(), 5u);
        for (int i = 0; i < 5; ++i) {
            EXPECT_DOUBLE_EQ(r.OutlinePoints[i].x, c.points[i].x) << c.code << " point " << i;
            EXPECT_DOUBLE_EQ(r.OutlinePoints[i].y, c.points[i].y) << c.code << " point " << i;
        }
    }
}

TEST(Solver, BoxesOfChannelsAndIBeams) {
    const struct {
        Kind kind;
        int code;
        double xL, xR, yB, yT;
    } cases[] = {
        {Kind::Sh, 1, -6, 2, -10, 10}, {Kind::Sh, 2, -2, 6, -10, 10}, {Kind::Sh, 3, -10, 10, -2, 6},
        {Kind::Sh, 4, -10, 10, -6, 2}, {Kind::Dt, 1, -4, 4, -10, 10}, {Kind::Dt, 2, -10, 10, -4, 4},
    };
    for (const auto& c : cases) {
        TSectionModel m;
        if (c.kind == Kind::Sh)
            add(m, c.kind,
                {{"h", "20"},
                 {"b", "8"},
                 {"A", "20"},
                 {"Ix", "10"},
                 {"Iy", "5"},
                 {"Zo", "2"},
                 {"Xc", "0"},
                 {"Yc", "0"}},
                c.code);
        else
            add(m, c.kind,
                {{"h", "20"},
                 {"b", "8"},
                 {"A", "20"},
                 {"Ix", "10"},
                 {"Iy", "5"},
                 {"Xc", "0"},
                 {"Yc", "0"}},
                c.code);
        TSectionResult r;
        SolveSection(m, r);
        const SolvedEntry& s = r.Entries.at(0);
        EXPECT_EQ(s.xL, c.xL) << c.code;
        EXPECT_EQ(s.xR, c.xR) << c.code;
        EXPECT_EQ(s.yB, c.yB) << c.code;
        EXPECT_EQ(s.yT, c.yT) << c.code;
        // Corners in the order (xR, yT), (xR, yB), (xL, yT), (xL, yB); here xc = yc = 0.
        EXPECT_EQ(r.OutlinePoints[1].x, c.xR);
        EXPECT_EQ(r.OutlinePoints[1].y, c.yB);
        EXPECT_EQ(r.OutlinePoints[2].x, c.xL);
        EXPECT_EQ(r.OutlinePoints[2].y, c.yT);
        EXPECT_EQ(r.XMin, c.xL);
        EXPECT_EQ(r.YMax, c.yT);
    }
}

TEST(Solver, WalkOrderAndTiesKeepTheFirstPoint) {
    TSectionModel m;
    plate(m, "2", "2", "5", "0");
    plate(m, "2", "2", "-5", "0");
    equalAngle(m, 1);
    const TSectionResult r = solve(m);
    ASSERT_EQ(r.Entries.size(), 3u);
    EXPECT_EQ(r.Entries[0].kind, Kind::Ur) << "angles are walked before plates";
    EXPECT_EQ(r.Entries[1].number, 1);
    EXPECT_EQ(r.OutlinePoints.size(), 13u);

    // Two plates alone: both outer edges are 6 from the y axis and 1 from the x axis.
    TSectionModel two;
    plate(two, "2", "2", "-5", "0");
    plate(two, "2", "2", "5", "0");
    const TSectionResult t = solve(two);
    EXPECT_EQ(t.RotatedXMax, 6);
    EXPECT_EQ(t.RotatedXMaxPoint, 3) << "(xL, yT) of the first plate";
    EXPECT_EQ(t.RotatedYMax, 1);
    EXPECT_EQ(t.RotatedYMaxPoint, 1);
    EXPECT_EQ(t.Entries[1].ai, 0);
    EXPECT_EQ(t.Entries[1].bi, 5);
    EXPECT_EQ(t.Entries[0].bi, -5);
}

TEST(Solver, EachEntryEntersTheSumsWhole) {
    // Ix += Ixᵢ + aᵢ²·Aᵢ: the entry's own moment and its transfer term are added first. Both
    // sections sum to an exact half in the fifth digit, which adding left to right misses by
    // the last binary digit and shows one unit lower.
    TSectionModel plates; // Ix = 5012.25 (the plate's own b·h³/12 with the cube first)
    plate(plates, "12", "4", "0", "10.5");
    plate(plates, "15", "13", "0", "15");
    EXPECT_EQ(solve(plates).Texts[rfIx], "5012.3");

    TSectionModel angles; // Ixy = 16.4 + 29.1 + 2 · 12.3 · 0.75 · 3.5 = 110.075
    const auto angle = [&](const char* ix, const char* iu, const char* xc, const char* yc) {
        add(angles, Kind::Ur,
            {{"b", "10"},
             {"d", "1"},
             {"A", "12.3"},
             {"Ix", ix},
             {"Iu", iu},
             {"Zo", "2.8"},
             {"Xc", xc},
             {"Yc", yc}},
            1);
    };
    angle("29", "12.6", "0.5", "-6");
    angle("48.6", "19.5", "7.5", "-4.5");
    EXPECT_EQ(solve(angles).Texts[rfIxy], "110.08");
}

TEST(Solver, ZeroProductTakesThePrincipalMomentsFromIxAndIy) {
    // Four equal-leg angles about a plate: their products cancel, so Iu is Iy itself and is
    // shown as Iy is, not as (Ix + Iy)/2 − R rounds.
    TSectionModel m;
    const auto angle = [&](int code, const char* xc, const char* yc) {
        add(m, Kind::Ur,
            {{"b", "7.5"},
             {"d", "0.8"},
             {"A", "11.5"},
             {"Ix", "59.84"},
             {"Iu", "24.8"},
             {"Zo", "2.15"},
             {"Xc", xc},
             {"Yc", yc}},
            code);
    };
    angle(4, "2.65", "12.85");
    angle(3, "-2.65", "12.85");
    angle(2, "2.65", "-12.85");
    angle(1, "-2.65", "-12.85");
    plate(m, "30", "1", "0", "0");
    const TSectionResult r = solve(m);
    EXPECT_TRUE(ProductIsZero(r));
    EXPECT_EQ(r.Iu, r.Iy);
    EXPECT_EQ(r.Iv, r.Ix);
    EXPECT_EQ(r.Texts[rfIu], "564.89");
    EXPECT_EQ(r.Texts[rfIu], r.Texts[rfIy]);
}

TEST(Solver, CompositeAgainstHandWork) {
    // A 20 × 1 plate on top of a 1 × 10 plate standing on its end: a T section.
    // Flange: A = 20 at y = 10.5; web: A = 10 at y = 5. yc = (210 + 50) / 30 = 8.6667.
    TSectionModel m;
    plate(m, "1", "20", "0", "10.5");
    plate(m, "10", "1", "0", "5");
    const TSectionResult r = solve(m);
    EXPECT_DOUBLE_EQ(r.yc, 260.0 / 30);
    const double yc = 260.0 / 30;
    const double ix =
        20.0 / 12 + 20 * (10.5 - yc) * (10.5 - yc) + 1000.0 / 12 + 10 * (5 - yc) * (5 - yc);
    EXPECT_DOUBLE_EQ(r.Ix, ix);
    EXPECT_DOUBLE_EQ(r.Iy, 8000.0 / 12 + 10.0 / 12);
    EXPECT_EQ(r.Texts[rfYc], "8.6667");
    EXPECT_EQ(r.Texts[rfIx], "286.67");
    // Ix < Iy: u lies along x; the farthest point from x is the web's foot, 8.6667 below.
    EXPECT_TRUE(AxisAtAlphaIsU(r));
    EXPECT_DOUBLE_EQ(r.RotatedYMax, yc);
    EXPECT_DOUBLE_EQ(r.Wu, ix / yc);
    EXPECT_DOUBLE_EQ(r.Wv, r.Iy / 10);
}

TEST(Solver, EmptySectionAndRejectedCommitKeepTheTexts) {
    TSectionModel m;
    TSectionResult r;
    r.Texts[rfA] = "old";
    SolveOutcome o = SolveSection(m, r);
    EXPECT_EQ(o.status, SolveStatus::EmptySection);
    EXPECT_EQ(r.reached, SolveStage::Areas);
    EXPECT_EQ(r.Texts[rfA], "old");

    plate(m, "2", "10", "0", "0");
    Typed onShow; // the plate's fields hold nothing: the first field is refused
    int told = 0;
    SectionEditor editor(m);
    const OnShowCommit refused = editor.commitOnShow(onShow, [&](Kind k, const CommitResult& c) {
        ++told;
        EXPECT_EQ(k, Kind::List);
        EXPECT_TRUE(c.rejected());
    });
    EXPECT_EQ(told, 1);
    EXPECT_FALSE(refused.accepted());
    EXPECT_EQ(refused.refusedKind, Kind::List);
    EXPECT_EQ(refused.refused.rejectedField, 0);

    onShow.texts = {{"h", "4"}, {"b", "10"}, {"Xc", "0"}, {"Yc", "0"}};
    EXPECT_TRUE(editor.commitOnShow(onShow).accepted());
    EXPECT_EQ(SolveSection(m, r).status, SolveStatus::Solved);
    EXPECT_EQ(r.Texts[rfA], "40") << "the entry on show is committed before the sums";
    EXPECT_EQ(r.reached, SolveStage::Done);
    EXPECT_EQ(r.summedEntries, 1);
}

TEST(Solver, ArithmeticFaultsStopTheRun) {
    TSectionModel m;
    plate(m, "1e200", "1e200", "0", "0");
    TSectionResult r;
    try {
        SolveSection(m, r);
        FAIL() << "no fault";
    } catch (const ArithmeticError& e) {
        EXPECT_STREQ(e.what(), "Floating point overflow");
    }
    EXPECT_EQ(r.reached, SolveStage::None) << "the plate's own area overflows";

    // Centroid at 0, a = ±1e160: the first central term overflows. The result says how far
    // the run got, for the picture and the report.
    TSectionModel far;
    plate(far, "1", "1", "0", "1e160");
    plate(far, "1", "1", "0", "-1e160");
    EXPECT_THROW(SolveSection(far, r), ArithmeticError);
    EXPECT_EQ(r.reached, SolveStage::Centroid);
    EXPECT_EQ(r.summedEntries, 0);
    EXPECT_EQ(r.yc, 0);
    // An angle whose own product is larger than its moments allow: Iu < 0.
    TSectionModel bad;
    add(bad, Kind::Ur,
        {{"b", "5"},
         {"d", "0.5"},
         {"A", "4.8"},
         {"Ix", "11.2"},
         {"Iu", "0.001"},
         {"Zo", "1.42"},
         {"Xc", "0"},
         {"Yc", "0"}},
        1);
    // Ix = Iy = 11.2, Ixy = 11.199: Iu = 0.001 ≥ 0 still solves.
    EXPECT_NO_THROW(SolveSection(bad, r));
}
