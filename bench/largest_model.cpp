#include "largest_model.h"

#include "model/commit.h"
#include "model/orientation.h"

#include <map>
#include <stdexcept>
#include <string>

namespace karo::bench {
namespace {

class Texts : public FieldTexts {
  public:
    std::map<std::string, std::string> t;
    std::string fieldText(Kind k, int field) const override {
        return t.at(std::string(kindInfo(k).fields[static_cast<std::size_t>(field)].key));
    }
};

Texts typed(Kind k, int code, int i) {
    Texts x;
    const bool longY = LongAlongY(k, code);
    const std::string xc = std::to_string((i % 10) * 13 - 60);
    const std::string yc = std::to_string((i / 10) * 17 - 40 + static_cast<int>(k) * 3);
    switch (k) {
    case Kind::Dt:
        x.t = {{"h", "20"},
               {"b", "10"},
               {"A", "26.8"},
               {"Ix", longY ? "1840" : "115"},
               {"Iy", longY ? "115" : "1840"}};
        break;
    case Kind::Sh:
        x.t = {{"h", "20"},
               {"b", "7.6"},
               {"A", "23.4"},
               {"Ix", longY ? "1520" : "113"},
               {"Iy", longY ? "113" : "1520"},
               {"Zo", "2.07"}};
        break;
    case Kind::Un:
        x.t = {{"B1", "10"},
               {"b2", "6.3"},
               {"d", "0.8"},
               {"A", "12.6"},
               {"Ix", longY ? "127" : "39.2"},
               {"Iy", longY ? "39.2" : "127"},
               {"Iu", "23.4"},
               {"Xo", longY ? "1.5" : "3.32"},
               {"Yo", longY ? "3.32" : "1.5"}};
        break;
    case Kind::Ur:
        x.t = {{"b", "5"},     {"d", "0.5"},   {"A", "4.8"},
               {"Ix", "11.2"}, {"Iu", "4.63"}, {"Zo", "1.42"}};
        break;
    case Kind::List:
        x.t = {{"h", "1"}, {"b", "20"}};
        break;
    }
    x.t["Xc"] = xc;
    x.t["Yc"] = yc;
    return x;
}

} // namespace

void FillWeldedTen(TSectionModel& m) {
    m.reset();
    const auto put = [&](Kind k, int code, double xc, double yc) {
        TKindState& st = m.state(k);
        st.Orientation = code;
        st.CurrentNumber = ++st.Count;
        Texts t = typed(k, code, 0);
        t.t["Xc"] = std::to_string(xc);
        t.t["Yc"] = std::to_string(yc);
        if (CommitEntry(m, k, st.Count, t).rejected())
            throw std::logic_error("welded model: an entry was refused");
    };
    // Two I-beams 20 whose flange tips meet at x = 0.
    put(Kind::Dt, 1, -5, 0);
    put(Kind::Dt, 1, 5, 0);
    // Channels 20 with their webs' backs on the outer flange tips, flanges outwards.
    for (int code = 1; code <= kindInfo(Kind::Sh).codeCount; ++code) {
        const Placement p = PlacementOf(Kind::Sh, code);
        if (p.quarterTurns == 0)
            put(Kind::Sh, code, 10 + 2.07, 0);
        if (p.quarterTurns == 2)
            put(Kind::Sh, code, -10 - 2.07, 0);
    }
    // Angles 50 × 5 with a leg lying on the top flanges and under the bottom ones.
    const double zo = 1.42;
    for (int code = 1; code <= kindInfo(Kind::Ur).codeCount; ++code) {
        const AngleLayout L = AngleLayoutOf(Kind::Ur, code);
        if (L.sx < 0)
            continue;
        for (double heel : {-9.0, 1.0}) {
            const double y = L.sy > 0 ? 10 : -10;
            if (m.state(Kind::Ur).Count < 6)
                put(Kind::Ur, code, heel + zo, y + L.sy * zo);
        }
    }
}

void FillLargestModel(TSectionModel& m) {
    FillModel(m, MaxEntriesPerKind, true);
}

void FillModel(TSectionModel& m, int perKind, bool plates) {
    m.reset();
    for (Kind k : TabOrder) {
        if (k == Kind::List && !plates)
            continue;
        const int codes = kindInfo(k).codeCount;
        TKindState& st = m.state(k);
        for (int i = 1; i <= perKind; ++i) {
            if (codes > 0)
                st.Orientation = 1 + (i - 1) % codes;
            st.Count = i;
            if (CommitEntry(m, k, i, typed(k, st.Orientation, i)).rejected())
                throw std::logic_error("largest model: an entry was refused");
        }
        st.CurrentNumber = st.Count;
    }
}

} // namespace karo::bench
