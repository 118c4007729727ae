#pragma once
// Sections for the placement tests, typed entry by entry through the commit.

#include "model/commit.h"

#include <string>
#include <vector>

namespace karo::test {

// The typed texts of one entry, in the kind's input order.
class TypedTexts : public FieldTexts {
  public:
    explicit TypedTexts(std::vector<std::string> texts) : texts_(std::move(texts)) {}
    std::string fieldText(Kind, int field) const override {
        return static_cast<std::size_t>(field) < texts_.size()
                   ? texts_[static_cast<std::size_t>(field)]
                   : std::string();
    }

  private:
    std::vector<std::string> texts_;
};

// Appends an entry in position `code` and commits `texts` into it; gives its number.
inline int AddEntry(TSectionModel& m, Kind kind, int code, std::vector<std::string> texts) {
    TKindState& st = m.state(kind);
    st.Count += 1;
    st.CurrentNumber = st.Count;
    st.Orientation = code;
    CommitEntry(m, kind, st.Count, TypedTexts(std::move(texts)));
    return st.Count;
}

// A catalogue-like shape of each kind, without the position: I-beam №14, channel 27,
// angles 100×63×8 and 75×8, a plate 0.75 × 9.
inline std::vector<std::string> Shape(Kind kind) {
    switch (kind) {
    case Kind::Dt:
        return {"14", "7.3", "17.4", "572", "41.9"};
    case Kind::Sh:
        return {"27", "9.5", "35.2", "4160", "262", "2.47"};
    case Kind::Un:
        return {"10", "6.3", "0.8", "12.6", "127", "39.2", "23.4", "1.5", "3.3"};
    case Kind::Ur:
        return {"7.5", "0.8", "11.5", "59.84", "24.8", "2.15"};
    case Kind::List:
        break;
    }
    return {"0.75", "9"};
}

inline std::vector<std::string> At(std::vector<std::string> shape, std::string Xc, std::string Yc) {
    shape.push_back(std::move(Xc));
    shape.push_back(std::move(Yc));
    return shape;
}

} // namespace karo::test
