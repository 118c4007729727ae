#include "model/commit.h"
#include "model/number_parse.h"
#include "texts/message_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <vector>

using namespace karo;

namespace {

// Field texts keyed by the field's key, as a tab would hold them.
class Typed : public FieldTexts {
  public:
    Typed(std::map<std::string, std::string> t) : texts_(std::move(t)) {}
    std::string fieldText(Kind k, int field) const override {
        const auto key = std::string(kindInfo(k).fields[static_cast<std::size_t>(field)].key);
        ++reads[key];
        auto it = texts_.find(key);
        return it == texts_.end() ? std::string() : it->second;
    }
    std::map<std::string, std::string> texts_;
    mutable std::map<std::string, int> reads;
};

Typed goodDt() {
    return Typed({{"h", "20"},
                  {"b", "10"},
                  {"A", "26.8"},
                  {"Ix", "1840"},
                  {"Iy", "115"},
                  {"Xc", "-12.5"},
                  {"Yc", "0"}});
}

Typed goodUn() {
    // Larger leg along y' (code 2): Ix > Iy and Xo < Yo.
    return Typed({{"B1", "10"},
                  {"b2", "6.3"},
                  {"d", "0.8"},
                  {"A", "12.6"},
                  {"Ix", "127"},
                  {"Iy", "39.2"},
                  {"Iu", "23.4"},
                  {"Xo", "1.5"},
                  {"Yo", "3.32"},
                  {"Xc", "0"},
                  {"Yc", "0"}});
}

} // namespace

TEST(Commit, StoresValuesTextsCodeAndDrawThicknesses) {
    TSectionModel m;
    m.Dt.Count = 1;
    const CommitResult r = CommitDtEntry(m, 1, goodDt());
    EXPECT_EQ(r.Code, 0);
    EXPECT_FALSE(r.warned());
    const TDtEntry& e = m.Dt.entry(1);
    EXPECT_EQ(e.Orientation, 1);
    EXPECT_EQ(e.h, 20);
    EXPECT_EQ(e.A, 26.8);
    EXPECT_EQ(e.Xc, -12.5);
    EXPECT_DOUBLE_EQ(e.WebDrawThickness, 10.0 / 12);
    EXPECT_DOUBLE_EQ(e.FlangeDrawThickness, 1.0);
    const i_DT_str& t = m.Dt.texts(1);
    EXPECT_EQ(t[dt::Xc].text, "-12.5");
    EXPECT_EQ(t[dt::WebDrawThickness].text, "");

    m.Sh.Count = 1;
    Typed sh({{"h", "20"},
              {"b", "7.6"},
              {"A", "23.4"},
              {"Ix", "1520"},
              {"Iy", "113"},
              {"Zo", "2.07"},
              {"Xc", "1"},
              {"Yc", "2"}});
    EXPECT_EQ(CommitShEntry(m, 1, sh).Code, 0);
    EXPECT_EQ(m.Sh.entry(1).Orientation, 2);
    EXPECT_DOUBLE_EQ(m.Sh.entry(1).WebDrawThickness, 0.76);
    EXPECT_DOUBLE_EQ(m.Sh.entry(1).FlangeDrawThickness, 7.6 / 6);

    m.List.Count = 1;
    EXPECT_EQ(
        CommitListEntry(m, 1, Typed({{"h", "1"}, {"b", "20"}, {"Xc", "."}, {"Yc", "-0.5"}})).Code,
        0);
    EXPECT_EQ(m.List.entry(1).Xc, 0);
    EXPECT_EQ(m.List.texts(1)[pl::Xc].text, ".");
}

TEST(Commit, RejectionStopsAtTheFieldAndKeepsWhatCameBefore) {
    TSectionModel m;
    m.Dt.Count = 1;
    m.Dt.Orientation = 2;
    m.Dt.entry(1).Ix = 555; // from an earlier commit
    Typed in = goodDt();
    in.texts_["A"] = "0";
    const CommitResult r = CommitDtEntry(m, 1, in);
    EXPECT_NE(r.Code, 0);
    EXPECT_EQ(r.rejectedField, fieldIndex(Kind::Dt, "A"));
    EXPECT_EQ(m.Dt.entry(1).Orientation, 2) << "the code is stored before any field";
    EXPECT_EQ(m.Dt.entry(1).h, 20);
    EXPECT_EQ(m.Dt.entry(1).b, 10);
    EXPECT_EQ(m.Dt.entry(1).Ix, 555) << "fields after the rejected one stay";
    EXPECT_EQ(in.reads.count("Ix"), 0u) << "nothing after the rejected field is read";

    // h typed as 0: nothing else is read.
    Typed zero = goodDt();
    zero.texts_["h"] = "0";
    EXPECT_EQ(CommitDtEntry(m, 1, zero).rejectedField, 0);
    EXPECT_EQ(zero.reads.size(), 1u);

    // Xc and Yc may be zero or negative; other fields may not.
    Typed neg = goodDt();
    neg.texts_["Iy"] = "-115";
    EXPECT_EQ(CommitDtEntry(m, 1, neg).rejectedField, fieldIndex(Kind::Dt, "Iy"));
    Typed comma = goodDt();
    comma.texts_["Yc"] = "1,5";
    EXPECT_EQ(CommitDtEntry(m, 1, comma).rejectedField, fieldIndex(Kind::Dt, "Yc"));
    Typed huge = goodDt();
    huge.texts_["b"] = "1e999";
    EXPECT_EQ(CommitDtEntry(m, 1, huge).rejectedField, fieldIndex(Kind::Dt, "b"));
}

// A refusal's box says which rule the value broke, under the input-error line.
TEST(Commit, RejectionsNameTheRuleTheValueBroke) {
    const struct {
        const char* key;
        const char* text;
        RejectRule rule;
        const char* line;
    } cases[] = {
        {"B1", "0", RejectRule::NotPositive,
         "Ширина большей полки B: ожидается число больше нуля."},
        {"A", "", RejectRule::NotAPositiveNumber,
         "Площадь сечения A: ожидается число больше нуля; дробная часть отделяется точкой."},
        {"Yc", "1,5", RejectRule::NotANumber,
         "Координата центра тяжести Yc: ожидается число; дробная часть отделяется точкой."},
        {"Iu", "50", RejectRule::IuNotBelowIxAndIy,
         "Минимальный главный момент инерции Iu должен быть меньше меньшего из Ix и Iy."},
        {"Iu", "39.2", RejectRule::IuNotBelowIxAndIy,
         "Минимальный главный момент инерции Iu должен быть меньше меньшего из Ix и Iy."},
    };
    for (const auto& c : cases) {
        TSectionModel m;
        m.Un.Count = 1;
        Typed in = goodUn();
        in.texts_[c.key] = c.text;
        const CommitResult r = CommitUnEntry(m, 1, in);
        EXPECT_EQ(r.rule, c.rule) << c.key << " = " << c.text;
        EXPECT_EQ(MessageString(CommitMessage(Kind::Un, r)),
                  std::string("Ошибка в исходных данных.\n") + c.line);
        // The section keeps the refusal beside the field's text, and reads it back whole.
        const FieldInfo& f = kindInfo(Kind::Un).fields[static_cast<std::size_t>(r.rejectedField)];
        EXPECT_EQ(MessageString(m.fault(Kind::Un, 1, f.slot)), c.line);
        const CommitResult kept = LastCommit(m, Kind::Un, 1);
        EXPECT_EQ(kept.rejectedField, r.rejectedField);
        EXPECT_EQ(kept.rule, c.rule);
    }
    TSectionModel m;
    m.Un.Count = 1;
    const CommitResult clean = CommitUnEntry(m, 1, goodUn());
    EXPECT_EQ(clean.rule, RejectRule::None);
    EXPECT_TRUE(CommitMessage(Kind::Un, clean).empty());
}

// Each commit replaces what the last one found: a mended field loses its fault, a field the
// commit no longer reaches keeps none, and a failed check stays with the entry and its copies.
TEST(Commit, WhatTheLastCommitFoundStaysWithTheEntry) {
    TSectionModel m;
    m.Dt.Count = 2;
    m.Dt.CurrentNumber = 1;
    EXPECT_FALSE(ShownCommit(m, Kind::Dt).rejected()) << "never committed";
    Typed bad = goodDt();
    bad.texts_["Iy"] = "x";
    CommitDtEntry(m, 1, bad);
    EXPECT_EQ(ShownCommit(m, Kind::Dt).rejectedField, fieldIndex(Kind::Dt, "Iy"));
    bad.texts_["b"] = "0";
    CommitDtEntry(m, 1, bad);
    EXPECT_EQ(ShownCommit(m, Kind::Dt).rejectedField, fieldIndex(Kind::Dt, "b"));
    EXPECT_TRUE(m.fault(Kind::Dt, 1, dt::Iy).empty());
    Typed wide = goodDt();
    wide.texts_["b"] = "30";
    CommitDtEntry(m, 1, wide);
    const CommitResult warned = ShownCommit(m, Kind::Dt);
    EXPECT_FALSE(warned.rejected());
    EXPECT_EQ(warned.warning, 0);
    m.copyEntry(Kind::Dt, 1, 2);
    EXPECT_EQ(LastCommit(m, Kind::Dt, 2).warning, 0);
    CommitDtEntry(m, 1, goodDt());
    EXPECT_FALSE(ShownCommit(m, Kind::Dt).warned());
}

TEST(Commit, CrossChecksWarnInOrderButStoreEverything) {
    TSectionModel m;
    m.Dt.Count = 1;
    Typed wide = goodDt();
    wide.texts_["b"] = "20"; // b = h, and code 1 with Ix > Iy is fine
    CommitResult r = CommitDtEntry(m, 1, wide);
    EXPECT_EQ(r.Code, 0);
    EXPECT_EQ(r.warning, 0);
    EXPECT_EQ(m.Dt.entry(1).Yc, 0);
    EXPECT_DOUBLE_EQ(m.Dt.entry(1).WebDrawThickness, 20.0 / 12);

    // Only the first failing check is reported: b ≥ h wins over Iy ≥ Ix.
    wide.texts_["Iy"] = "5000";
    EXPECT_EQ(CommitDtEntry(m, 1, wide).warning, 0);
    m.Dt.Orientation = 2; // web along x' needs Iy > Ix
    EXPECT_EQ(CommitDtEntry(m, 1, goodDt()).warning, 2);

    // Channel rotated 1 → 4 without exchanging Ix and Iy.
    m.Sh.Count = 1;
    m.Sh.Orientation = 4;
    Typed sh({{"h", "20"},
              {"b", "7.6"},
              {"A", "23.4"},
              {"Ix", "1520"},
              {"Iy", "113"},
              {"Zo", "2.07"},
              {"Xc", "0"},
              {"Yc", "0"}});
    r = CommitShEntry(m, 1, sh);
    EXPECT_EQ(r.Code, 0);
    // The box names the check under the input-error line.
    EXPECT_EQ(MessageString(CrossCheckMessage(Kind::Sh, r.warning)),
              "Ошибка в исходных данных.\nПри стенке вдоль оси x' момент инерции Ix не меньше Iy.");
    EXPECT_EQ(m.Sh.entry(1).Orientation, 4);
    sh.texts_["Zo"] = "8";
    EXPECT_EQ(CommitShEntry(m, 1, sh).warning, 1);

    // Unequal-leg angle: every check in turn, by breaking one value of a good entry.
    m.Un.Count = 1;
    EXPECT_FALSE(CommitUnEntry(m, 1, goodUn()).warned());
    const struct {
        const char* key;
        const char* text;
        int code;
        int warning;
    } un[] = {
        {"b2", "10", 2, 0},   {"d", "7", 2, 1},     {"Iu", "200", 2, 2}, {"d", "1.6", 2, 4},
        {"d", "3", 2, 4},     {"Xo", "6.3", 2, 6},  {"Yo", "6.3", 2, 7}, {"Iy", "130", 2, 8},
        {"Iy", "39.2", 3, 9}, {"Xo", "3.4", 2, 10},
    };
    for (const auto& c : un) {
        Typed in = goodUn();
        in.texts_[c.key] = c.text;
        m.Un.Orientation = c.code;
        EXPECT_EQ(CommitUnEntry(m, 1, in).warning, c.warning) << c.key << "=" << c.text;
    }
    // Turned position (code 3): the larger leg lies along x', so Iy > Ix and Yo < Xo.
    m.Un.Orientation = 3;
    Typed turned({{"B1", "10"},
                  {"b2", "6.3"},
                  {"d", "0.8"},
                  {"A", "12.6"},
                  {"Ix", "39.2"},
                  {"Iy", "127"},
                  {"Iu", "23.4"},
                  {"Xo", "3.32"},
                  {"Yo", "1.5"},
                  {"Xc", "0"},
                  {"Yc", "0"}});
    EXPECT_FALSE(CommitUnEntry(m, 1, turned).warned());
    turned.texts_["Yo"] = "3.32";
    EXPECT_EQ(CommitUnEntry(m, 1, turned).warning, 11);
}

TEST(Commit, UnequalAngleIuAndTangent) {
    TSectionModel m;
    m.Un.Count = 1;
    ASSERT_EQ(CommitUnEntry(m, 1, goodUn()).Code, 0);
    // Ix > Iy: the smaller difference over the larger.
    EXPECT_DOUBLE_EQ(m.Un.entry(1).TanAlpha, std::sqrt((39.2 - 23.4) / (127 - 23.4)));
    EXPECT_EQ(m.Un.entry(1).Orientation, 2);

    const int iu = fieldIndex(Kind::Un, "Iu");
    for (const char* bad : {"127", "39.2", "50", "100"}) {
        Typed in = goodUn();
        in.texts_["Iu"] = bad;
        const CommitResult r = CommitUnEntry(m, 1, in);
        EXPECT_NE(r.Code, 0) << bad;
        EXPECT_EQ(r.rejectedField, iu) << bad;
        EXPECT_EQ(in.reads.count("Xo"), 0u) << bad;
    }
    // Iu above both is accepted (and then warned about).
    Typed above = goodUn();
    above.texts_["Iu"] = "200";
    const CommitResult r = CommitUnEntry(m, 1, above);
    EXPECT_EQ(r.Code, 0);
    EXPECT_EQ(r.warning, 2);
    EXPECT_GT(m.Un.entry(1).TanAlpha, 0);
}

TEST(Commit, EqualLegAngleFillsBothPlaces) {
    TSectionModel m;
    m.Ur.Count = 1;
    m.Ur.Orientation = 3;
    Typed in({{"b", "5"},
              {"d", "0.5"},
              {"A", "4.8"},
              {"Ix", "11.2"},
              {"Iu", "4.63"},
              {"Zo", "1.42"},
              {"Xc", "1"},
              {"Yc", "2"}});
    const CommitResult r = CommitUrEntry(m, 1, in);
    EXPECT_EQ(r.Code, 0);
    EXPECT_FALSE(r.warned());
    const TUrEntry& e = m.Ur.entry(1);
    EXPECT_EQ(e.B1, 5);
    EXPECT_EQ(e.b2, 5);
    EXPECT_EQ(e.Xo, 1.42);
    EXPECT_EQ(e.Yo, 1.42);
    EXPECT_EQ(e.Ix, 11.2);
    EXPECT_EQ(e.Iy, 11.2);
    EXPECT_EQ(e.TanAlpha, 1);
    EXPECT_EQ(e.Orientation, 3);
    const i_U_str& t = m.Ur.texts(1);
    EXPECT_EQ(t[un::B1].text, "5");
    EXPECT_EQ(t[un::Xo].text, "1.42");
    EXPECT_EQ(t[un::b2].text, "");
    EXPECT_EQ(t[un::Yo].text, "");
    EXPECT_EQ(t[un::Iy].text, "");
    // The stored texts commit again to the same entry.
    EXPECT_EQ(CommitUrEntry(m, 1, EntryTexts(m, 1)).Code, 0);
    EXPECT_EQ(m.Ur.entry(1).Yo, 1.42);

    in.texts_["Zo"] = "6";
    EXPECT_EQ(CommitUrEntry(m, 1, in).warning, 2);
}

TEST(SectionModel, StartStateAndEntryCopy) {
    TSectionModel m;
    EXPECT_EQ(m.Dt.Orientation, 1);
    EXPECT_EQ(m.Sh.Orientation, 2);
    EXPECT_EQ(m.Un.Orientation, 2);
    EXPECT_EQ(m.Ur.Orientation, 2);
    EXPECT_EQ(m.totalCount(), 0);
    m.List.Count = 2;
    m.List.entry(2).h = 3;
    m.List.texts(2)[pl::h].text = "3";
    m.copyEntry(Kind::List, 2, 1);
    EXPECT_EQ(m.List.entry(1).h, 3);
    EXPECT_EQ(m.text(Kind::List, 1, pl::h), "3");
    EXPECT_THROW(m.List.entry(51), std::out_of_range);
    EXPECT_THROW(CommitEntry(m, Kind::List, 0, EntryTexts(m, 1)), std::out_of_range);
}

// A commit takes a text the entry holds as the value it holds only while nothing else wrote
// either since the last commit that accepted every field.
TEST(Commit, AHeldTextIsReadAgainAfterAnyOtherWrite) {
    const struct {
        const char* what;
        std::function<void(TSectionModel&)> write;
    } writes[] = {
        {"a text", [](TSectionModel& m) { m.text(Kind::List, 1, pl::b) = "3"; }},
        {"a value", [](TSectionModel& m) { m.value(Kind::List, 1, pl::b) = 3; }},
        {"the entry", [](TSectionModel& m) { m.List.entry(1).b = 3; }},
        {"a copy", [](TSectionModel& m) { m.copyEntry(Kind::List, 2, 1); }},
    };
    for (const auto& w : writes) {
        SCOPED_TRACE(w.what);
        TSectionModel m;
        m.List.Count = 2;
        ASSERT_EQ(
            CommitListEntry(m, 1, Typed({{"h", "2"}, {"b", "10"}, {"Xc", "0"}, {"Yc", "0"}})).Code,
            0);
        ASSERT_EQ(
            CommitListEntry(m, 2, Typed({{"h", "1"}, {"b", "4"}, {"Xc", "1"}, {"Yc", "5"}})).Code,
            0);
        w.write(m);
        ASSERT_EQ(CommitListEntry(m, 1, EntryTexts(m, 1)).Code, 0);
        for (int slot = 0; slot < pl::SlotCount; ++slot)
            EXPECT_EQ(m.value(Kind::List, 1, slot), ParseNumber(m.text(Kind::List, 1, slot)))
                << slot;
    }
}
