// Designation lookups, the picker's filter, and the texts a pick fills for each position.

#include "catalogue/field_texts.h"
#include "catalogue/lookup.h"
#include "model/commit.h"
#include "model/orientation.h"

#include <gtest/gtest.h>

namespace karo::catalogue {
namespace {

std::vector<std::string> designations(const std::vector<const ProfileRow*>& rows) {
    std::vector<std::string> out;
    for (const ProfileRow* r : rows)
        out.push_back(r->designation);
    return out;
}

TEST(CatalogueLookup, AcceptsTheKeyboardsSpellings) {
    struct Case {
        Kind kind;
        const char* typed;
        const char* found; // "" for none
    };
    const Case cases[] = {
        {Kind::Dt, "20", "20"},
        {Kind::Dt, "№ 20", "20"},
        {Kind::Dt, "21", ""},
        {Kind::Dt, "", ""},
        {Kind::Sh, "20У", "20У"},
        {Kind::Sh, "20у", "20У"},
        {Kind::Sh, "20Y", "20У"},
        {Kind::Sh, "20y", "20У"},
        {Kind::Sh, "16aY", "16аУ"},
        {Kind::Sh, "16au", "16аУ"}, // as the English window writes the series
        {Kind::Sh, "16АУ", "16аУ"},
        {Kind::Sh, "6.5y", "6,5У"},
        {Kind::Sh, "6,5У", "6,5У"},
        {Kind::Sh, "20p", "20П"},
        {Kind::Sh, "20п", "20П"},
        {Kind::Sh, "20P", "20П"},
        {Kind::Sh, "20", ""},
        {Kind::Ur, "100×10", "100×10"},
        {Kind::Ur, "100x10", "100×10"},
        {Kind::Ur, "100 Х 10", "100×10"},
        {Kind::Ur, "100×100×10", "100×10"},
        {Kind::Ur, "100x100x10", "100×10"},
        {Kind::Ur, "100×90×10", ""},
        {Kind::Un, "100×63×8", "100×63×8"},
        {Kind::Un, "100x63x8", "100×63×8"},
        {Kind::Un, "100х63х8", "100×63×8"},
        {Kind::Un, "100×63", ""},
        // The separators people type between the numbers; a comma is a decimal comma.
        {Kind::Ur, "100 10", "100×10"},
        {Kind::Ur, "100-10", "100×10"},
        {Kind::Ur, "100*10", "100×10"},
        {Kind::Ur, "100 100 10", "100×10"},
        {Kind::Ur, "100 6,5", "100×6,5"},
        {Kind::Ur, "100×6.5", "100×6,5"},
        {Kind::Ur, "100,10", ""},
        {Kind::Un, "100 63 8", "100×63×8"},
        {Kind::Un, "100-63-8", "100×63×8"},
        {Kind::Un, "100 - 63 - 8", "100×63×8"},
        {Kind::Un, "100*63*8", "100×63×8"},
        {Kind::Un, "100 х 63 х 8", "100×63×8"},
        {Kind::Un, "250 160 20", "250×160×20"},
        {Kind::Un, "90 56 5,5", "90×56×5,5"},
        {Kind::Sh, "6,5 У", "6,5У"},
        {Kind::Sh, "16а У", "16аУ"},
        {Kind::Sh, "6 5У", ""},
    };
    for (const Case& c : cases) {
        const ProfileRow* r = findProfile(c.kind, c.typed);
        EXPECT_EQ(r ? r->designation : std::string(), c.found) << c.typed;
        if (r) {
            EXPECT_EQ(r->kind, c.kind) << c.typed;
        }
    }
}

TEST(CatalogueLookup, SuggestsTheNearestForAnUnknownDesignation) {
    const auto first2 = [](Kind k, const char* typed) {
        std::vector<std::string> d = designations(nearestProfiles(k, typed, 2));
        std::sort(d.begin(), d.end());
        return d;
    };
    EXPECT_EQ(first2(Kind::Dt, "21"), (std::vector<std::string>{"20", "22"}));
    EXPECT_EQ(first2(Kind::Sh, "20"), (std::vector<std::string>{"20П", "20У"}));
    EXPECT_EQ(first2(Kind::Un, "100×63×9"), (std::vector<std::string>{"100×63×10", "100×63×8"}));
    EXPECT_EQ(nearestProfiles(Kind::Ur, "100×11", 3).size(), 3u);
}

TEST(CatalogueLookup, FilterFindsWholeNumbersFirst) {
    EXPECT_EQ(designations(filterProfiles(Kind::Dt, "20")), (std::vector<std::string>{"20"}));
    EXPECT_EQ(designations(filterProfiles(Kind::Dt, "2")),
              (std::vector<std::string>{"20", "22", "24", "27"}));
    EXPECT_EQ(designations(filterProfiles(Kind::Sh, "20")),
              (std::vector<std::string>{"20У", "20П"}));
    EXPECT_EQ(designations(filterProfiles(Kind::Sh, "16")),
              (std::vector<std::string>{"16У", "16аУ", "16П", "16аП"}));
    EXPECT_EQ(designations(filterProfiles(Kind::Sh, "16a")),
              (std::vector<std::string>{"16аУ", "16аП"}));
    EXPECT_EQ(designations(filterProfiles(Kind::Sh, "6")),
              (std::vector<std::string>{"6,5У", "6,5П"}));
    EXPECT_EQ(filterProfiles(Kind::Sh, "").size(), kindRows(Kind::Sh).size());
    EXPECT_TRUE(filterProfiles(Kind::Dt, "7").empty());
    // "100" is the 100 mm angles, "20" is not 200×…; a repeated leg is read once.
    for (const char* filter : {"100", "100x", "100×100"}) {
        const std::vector<const ProfileRow*> found = filterProfiles(Kind::Ur, filter);
        EXPECT_FALSE(found.empty()) << filter;
        for (const ProfileRow* r : found)
            EXPECT_TRUE(r->designation.starts_with("100×")) << filter << " " << r->designation;
    }
    for (const ProfileRow* r : filterProfiles(Kind::Ur, "20"))
        EXPECT_TRUE(r->designation.starts_with("20×")) << r->designation;
    EXPECT_EQ(designations(filterProfiles(Kind::Un, "100 63 8")),
              (std::vector<std::string>{"100×63×8"}));
    for (const ProfileRow* r : filterProfiles(Kind::Un, "100"))
        EXPECT_TRUE(r->designation.starts_with("100×")) << r->designation;
}

TEST(CatalogueFieldTexts, MillimetresBecomeCentimetresByMovingThePoint) {
    const std::pair<const char*, const char*> cases[] = {
        {"100", "10"},    {"63", "6.3"},   {"5.5", "0.55"}, {"5,5", "0.55"},
        {"250", "25"},    {"4", "0.4"},    {"7.0", "0.7"},  {"0.5", "0.05"},
        {"10.5", "1.05"}, {"1000", "100"}, {"", ""},        {"12.50", "1.25"}};
    for (const auto& [mm, cm] : cases)
        EXPECT_EQ(mmToCm(mm), cm) << mm;
}

// One made-up profile per kind with every value distinct, so a swap shows.
ProfileRow madeUp(Kind k) {
    ProfileRow r;
    r.kind = k;
    r.h = "200";
    r.B = "100";
    r.b = "63";
    r.t = "8";
    r.A = "12.6";
    r.Ix = "127";
    r.Iy = "39.2";
    r.Iu = "23.4";
    r.z0 = "2.07";
    r.x0 = "1.50";
    r.y0 = "3.28";
    return r;
}

std::string joined(const std::vector<FieldText>& texts) {
    std::string s;
    for (const FieldText& f : texts)
        s += std::string(f.key) + "=" + f.text + " ";
    return s;
}

TEST(CatalogueFieldTexts, TurnedPositionsTakeTheValuesAboutTheOtherAxis) {
    const std::string dtUpright = "h=20 b=6.3 A=12.6 Ix=127 Iy=39.2 ";
    const std::string dtTurned = "h=20 b=6.3 A=12.6 Ix=39.2 Iy=127 ";
    const std::string shUpright = "h=20 b=6.3 A=12.6 Ix=127 Iy=39.2 Zo=2.07 ";
    const std::string shTurned = "h=20 b=6.3 A=12.6 Ix=39.2 Iy=127 Zo=2.07 ";
    const std::string unUpright = "B1=10 b2=6.3 d=0.8 A=12.6 Ix=127 Iy=39.2 Iu=23.4 Xo=1.50 "
                                  "Yo=3.28 ";
    const std::string unTurned = "B1=10 b2=6.3 d=0.8 A=12.6 Ix=39.2 Iy=127 Iu=23.4 Xo=3.28 "
                                 "Yo=1.50 ";
    const std::string ur = "b=6.3 d=0.8 A=12.6 Ix=127 Iu=23.4 Zo=2.07 ";
    struct Case {
        Kind kind;
        int code;
        const std::string& texts;
    };
    const Case cases[] = {
        {Kind::Dt, 1, dtUpright}, {Kind::Dt, 2, dtTurned},  {Kind::Sh, 1, shUpright},
        {Kind::Sh, 2, shUpright}, {Kind::Sh, 3, shTurned},  {Kind::Sh, 4, shTurned},
        {Kind::Un, 1, unUpright}, {Kind::Un, 2, unUpright}, {Kind::Un, 3, unTurned},
        {Kind::Un, 4, unTurned},  {Kind::Un, 5, unUpright}, {Kind::Un, 6, unUpright},
        {Kind::Un, 7, unTurned},  {Kind::Un, 8, unTurned},  {Kind::Ur, 1, ur},
        {Kind::Ur, 2, ur},        {Kind::Ur, 3, ur},        {Kind::Ur, 4, ur},
    };
    for (const Case& c : cases)
        EXPECT_EQ(joined(fieldTexts(madeUp(c.kind), c.code)), c.texts)
            << kindInfo(c.kind).prefix << " " << c.code;
}

// The texts of a pick as the commit reads them from the tab, placed at the origin.
class Picked : public FieldTexts {
  public:
    explicit Picked(std::vector<FieldText> texts) : texts_(std::move(texts)) {}
    std::string fieldText(Kind, int field) const override {
        const auto i = static_cast<std::size_t>(field);
        return i < texts_.size() ? texts_[i].text : "0";
    }

  private:
    std::vector<FieldText> texts_;
};

// Every profile, picked in every position, passes the commit without a warning and is
// recognised as itself.
TEST(CatalogueFieldTexts, EveryRowInEveryPositionPassesTheCrossChecks) {
    for (Kind k : {Kind::Dt, Kind::Sh, Kind::Un, Kind::Ur}) {
        EXPECT_FALSE(kindRows(k).empty()) << kindInfo(k).prefix;
        for (const ProfileRow* row : kindRows(k)) {
            for (int code = 1; code <= kindInfo(k).codeCount; ++code) {
                const std::vector<FieldText> texts = fieldTexts(*row, code);
                TSectionModel model;
                model.state(k).Orientation = code;
                const CommitResult c = CommitEntry(model, k, 1, Picked(texts));
                const std::string what = std::string(kindInfo(k).prefix) + " " + row->designation +
                                         " code " + std::to_string(code);
                EXPECT_FALSE(c.rejected()) << what << " field " << c.rejectedField;
                EXPECT_FALSE(c.warned())
                    << what << ": "
                    << "check "
                    << (c.warned() ? static_cast<int>(CrossCheckCode(k, c.warning)) : 0);

                std::vector<std::string> typed;
                for (const FieldText& f : texts)
                    typed.push_back(f.text);
                EXPECT_EQ(recognise(k, code, typed), row) << what;
            }
        }
    }
}

TEST(CatalogueFieldTexts, RecognitionComparesNumbersNotSpellings) {
    EXPECT_EQ(recognise(Kind::Dt, 1, {"20.0", "10", "26.80", "1840", "115", "5", "-3"}),
              findProfile(Kind::Dt, "20"));
    EXPECT_EQ(recognise(Kind::Dt, 2, {"20", "10", "26.8", "1840", "115"}), nullptr);
    EXPECT_EQ(recognise(Kind::Dt, 1, {"20", "10", "26.8", "1840", "116"}), nullptr);
    EXPECT_EQ(recognise(Kind::Dt, 1, {"20", "10", "26.8", "1840"}), nullptr);
    EXPECT_EQ(recognise(Kind::Dt, 1, {"20", "10", "26,8", "1840", "115"}), nullptr);
    EXPECT_EQ(recognise(Kind::Dt, 1, {"", "", "", "", ""}), nullptr);

    // A value a correction replaced is still recognised: older files hold it.
    const ProfileRow* p14 = findProfile(Kind::Sh, "14П");
    ASSERT_FALSE(p14->replaced.empty());
    for (const char* a : {"15.6", "15.7"})
        EXPECT_EQ(recognise(Kind::Sh, 1, {"14", "5.8", a, "493", "51.5", "1.82"}), p14) << a;
    EXPECT_EQ(recognise(Kind::Sh, 1, {"14", "5.8", "15.8", "493", "51.5", "1.82"}), nullptr);
    EXPECT_EQ(recognise(Kind::Ur, 1, {"10", "1", "19.20", "179", "74.08", "2.83"}),
              findProfile(Kind::Ur, "100×10"));
}

TEST(CatalogueLookup, TitleNamesKindDesignationAndStandard) {
    EXPECT_EQ(profileTitle(*findProfile(Kind::Dt, "20")), "Двутавр №20, ГОСТ 8239-89");
    EXPECT_EQ(profileTitle(*findProfile(Kind::Sh, "16аУ")), "Швеллер №16аУ, ГОСТ 8240-97");
    EXPECT_EQ(profileTitle(*findProfile(Kind::Un, "100×63×8")), "Уголок 100×63×8, ГОСТ 8510-86");
}

} // namespace
} // namespace karo::catalogue
