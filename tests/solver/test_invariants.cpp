// Invariants of the solver over random sections: what a move, a split, a quarter turn or a
// mirror of the whole section must leave as it is, or change in a known way.

#include "model/commit.h"
#include "model/orientation.h"
#include "solver/solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

using namespace karo;

namespace {

// One profile as typed: its kind, its code and its fields by key.
struct Profile {
    Kind kind = Kind::List;
    int code = 0;
    std::map<std::string, double> v;
};

class Typed : public FieldTexts {
  public:
    explicit Typed(const Profile& p) : p_(p) {}
    std::string fieldText(Kind k, int field) const override {
        const auto key = std::string(kindInfo(k).fields[static_cast<std::size_t>(field)].key);
        char text[32];
        std::snprintf(text, sizeof text, "%.17g", p_.v.at(key));
        return text;
    }

  private:
    const Profile& p_;
};

TSectionResult solve(const std::vector<Profile>& section) {
    TSectionModel m;
    for (const Profile& p : section) {
        TKindState& st = m.state(p.kind);
        st.Orientation = p.code;
        st.CurrentNumber = ++st.Count;
        EXPECT_EQ(CommitEntry(m, p.kind, st.Count, Typed(p)).Code, 0);
    }
    TSectionResult r;
    EXPECT_EQ(SolveSection(m, r).status, SolveStatus::Solved);
    return r;
}

// Values in steps of 1/64, so that halves and quarters of them are exact.
double step(std::mt19937& g, int lo, int hi) {
    return std::uniform_int_distribution<int>(lo, hi)(g) / 64.0;
}

Profile randomProfile(std::mt19937& g) {
    Profile p;
    p.kind = static_cast<Kind>(std::uniform_int_distribution<int>(0, KindCount - 1)(g));
    const KindInfo& info = kindInfo(p.kind);
    if (info.codeCount > 0)
        p.code = std::uniform_int_distribution<int>(1, info.codeCount)(g);
    auto& v = p.v;
    v["Xc"] = step(g, -2000, 2000);
    v["Yc"] = step(g, -2000, 2000);
    switch (p.kind) {
    case Kind::List:
        v["h"] = step(g, 16, 1600);
        v["b"] = step(g, 16, 1600);
        break;
    case Kind::Dt:
    case Kind::Sh:
        v["h"] = step(g, 640, 2560);
        v["b"] = step(g, 256, 640);
        v["A"] = step(g, 640, 3200);
        v["Ix"] = step(g, 64000, 640000);
        v["Iy"] = step(g, 3200, 64000);
        v["Zo"] = step(g, 64, 160);
        break;
    case Kind::Un:
        v["B1"] = step(g, 400, 1000);
        v["b2"] = step(g, 256, 399);
        v["d"] = step(g, 32, 64);
        v["A"] = step(g, 320, 1280);
        v["Ix"] = step(g, 3200, 12800);
        v["Iy"] = step(g, 1280, 3199);
        v["Iu"] = step(g, 320, 1279);
        v["Xo"] = step(g, 65, 128);
        v["Yo"] = step(g, 129, 255);
        break;
    case Kind::Ur:
        v["b"] = step(g, 256, 640);
        v["d"] = step(g, 32, 64);
        v["A"] = step(g, 320, 1280);
        v["Ix"] = step(g, 1280, 6400);
        v["Iu"] = step(g, 320, 1279);
        v["Zo"] = step(g, 65, 255);
        break;
    }
    return p;
}

std::vector<Profile> randomSection(std::mt19937& g) {
    std::vector<Profile> s(std::uniform_int_distribution<std::size_t>(1, 6)(g));
    for (Profile& p : s)
        p = randomProfile(g);
    return s;
}

// Every profile turned a quarter counter-clockwise about the origin: its centroid goes from
// (x, y) to (−y, x), its code turns, and the values it has along x' and y' change places.
std::vector<Profile> quarterTurn(std::vector<Profile> s) {
    for (Profile& p : s) {
        auto& v = p.v;
        v["Xc"] = -std::exchange(v["Yc"], v["Xc"]);
        p.code = RotateCode(p.kind, p.code);
        if (p.kind == Kind::List)
            std::swap(v["h"], v["b"]);
        if (p.kind != Kind::List && p.kind != Kind::Ur)
            std::swap(v["Ix"], v["Iy"]);
        if (p.kind == Kind::Un)
            std::swap(v["Xo"], v["Yo"]);
    }
    return s;
}

void expectNear(double a, double b, double scale, const char* what) {
    EXPECT_NEAR(a, b, 1e-9 * std::max(1.0, scale)) << what;
}

TEST(SolverInvariants, HoldOverRandomSections) {
    std::mt19937 g(20061208);
    for (int trial = 0; trial < 300; ++trial) {
        SCOPED_TRACE(trial);
        const std::vector<Profile> section = randomSection(g);
        const TSectionResult r = solve(section);
        const double I = r.Ix + r.Iy;

        // The principal moments share the central ones' sum.
        expectNear(r.Iu + r.Iv, I, I, "Iu + Iv = Ix + Iy");

        // A move of the whole section moves its centroid and nothing central.
        std::vector<Profile> moved = section;
        const double dx = step(g, -1000, 1000), dy = step(g, -1000, 1000);
        for (Profile& p : moved)
            p.v["Xc"] += dx, p.v["Yc"] += dy;
        const TSectionResult m = solve(moved);
        expectNear(m.xc, r.xc + dx, 100, "xc");
        expectNear(m.yc, r.yc + dy, 100, "yc");
        for (const auto& [a, b, what] : {std::tuple{m.Ix, r.Ix, "Ix"},
                                         {m.Iy, r.Iy, "Iy"},
                                         {m.Ixy, r.Ixy, "Ixy"},
                                         {m.Iu, r.Iu, "Iu"},
                                         {m.Iv, r.Iv, "Iv"},
                                         {m.Wu, r.Wu, "Wu"},
                                         {m.Wv, r.Wv, "Wv"}})
            expectNear(a, b, 10 * I, what);

        // The first plate cut across its height into two halves: the same section.
        std::vector<Profile> split = section;
        for (std::size_t i = 0; i < split.size(); ++i) {
            if (split[i].kind != Kind::List)
                continue;
            Profile upper = split[i];
            const double h = upper.v["h"];
            upper.v["h"] = h / 2;
            upper.v["Yc"] += h / 4;
            split[i].v["h"] = h / 2;
            split[i].v["Yc"] -= h / 4;
            split.push_back(upper);
            const TSectionResult s = solve(split);
            expectNear(s.A, r.A, r.A, "split A");
            expectNear(s.Ix, r.Ix, 10 * I, "split Ix");
            expectNear(s.Iy, r.Iy, 10 * I, "split Iy");
            break;
        }

        // A quarter turn exchanges the central moments, turns the product's sign and with it
        // the principal axes: the axis at Alpha0 stays, but the other principal moment is
        // now about it.
        const TSectionResult t = solve(quarterTurn(section));
        expectNear(t.Ix, r.Iy, I, "turned Ix");
        expectNear(t.Iy, r.Ix, I, "turned Iy");
        expectNear(t.Ixy, -r.Ixy, I, "turned Ixy");
        expectNear(t.Iu, r.Iu, I, "turned Iu");
        expectNear(t.Iv, r.Iv, I, "turned Iv");
        if (std::fabs(r.Ix - r.Iy) > 1e-6 * I) {
            EXPECT_NE(AxisAtAlphaIsU(t), AxisAtAlphaIsU(r));
            expectNear(t.Alpha0, r.Alpha0, 45, "turned Alpha0");
        }
        expectNear(t.Wu, r.Wu, r.Wu, "turned Wu");
        expectNear(t.Wv, r.Wv, r.Wv, "turned Wv");

        // A mirror left to right of the kinds that have one: the product changes sign.
        std::vector<Profile> mirrored;
        for (Profile p : section) {
            if (p.kind == Kind::Sh || p.kind == Kind::Ur)
                continue;
            p.v["Xc"] = -p.v["Xc"];
            p.code = MirrorCode(p.kind, p.code);
            mirrored.push_back(p);
        }
        if (mirrored.size() == section.size()) {
            const TSectionResult mr = solve(mirrored);
            expectNear(mr.Ixy, -r.Ixy, I, "mirrored Ixy");
            expectNear(mr.Ix, r.Ix, I, "mirrored Ix");
            expectNear(mr.Iy, r.Iy, I, "mirrored Iy");
        }
    }
}

} // namespace
