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

void FillLargestModel(TSectionModel& m) {
    m.reset();
    for (Kind k : TabOrder) {
        const int codes = kindInfo(k).codeCount;
        TKindState& st = m.state(k);
        for (int i = 1; i <= MaxEntriesPerKind; ++i) {
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
