// The profiles' outlines: every catalogue row's shape against the standard's geometry, every
// position placed by the box the picture draws, and the profiles typed by hand.

#include "catalogue/catalogue.h"
#include "catalogue/field_texts.h"
#include "catalogue/lookup.h"
#include "catalogue/profile_geometry.h"
#include "model/number_parse.h"
#include "model/orientation.h"
#include "properties/outline_integrals.h"
#include "properties/outlines.h"
#include "properties/properties.h"
#include "solver/outline_points.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using namespace karo;
using namespace karo::properties;

double mm(const std::string& text) {
    return text.empty() ? 0 : *ParseNumber(text);
}

// The chords keep every printed digit of area and moments: the exact arcs' values to 1e-6.
TEST(Outlines, EveryCatalogueRowMatchesTheExactArcs) {
    for (const catalogue::ProfileRow& row : catalogue::rows()) {
        SCOPED_TRACE(row.standard + " " + row.designation);
        const double h = mm(row.h), b = mm(row.b), s = mm(row.s), t = mm(row.t), R = mm(row.R),
                     r = mm(row.r), slope = mm(row.slope);
        const double B = row.B.empty() ? b : mm(row.B);
        catalogue::SectionProperties exact;
        Ring ring;
        switch (row.kind) {
        case Kind::Dt:
            exact = catalogue::iBeamProperties(h, b, s, t, R, r, slope);
            ring = IBeamOutline(h, b, s, t, R, r, slope);
            break;
        case Kind::Sh:
            exact = catalogue::channelProperties(h, b, s, t, R, r, slope);
            ring = ChannelOutline(h, b, s, t, R, r, slope);
            break;
        default:
            exact = catalogue::angleProperties(B, b, t, R, r);
            ring = AngleOutline(B, b, t, R, r);
        }
        OutlineProperties p;
        ASSERT_TRUE(ComputeOutlineProperties({Solid{ring, {}}}, p));
        EXPECT_NEAR(p.A / exact.A, 1, 1e-6);
        EXPECT_NEAR(p.Ix / exact.Ix, 1, 1e-6);
        EXPECT_NEAR(p.Iy / exact.Iy, 1, 1e-6);
        EXPECT_NEAR(p.Iu / exact.Imin, 1, 1e-6);
    }
}

// Entry 1 of `kind` as the catalogue's first row fills it in position `code`.
void fillFromRow(TSectionModel& m, Kind kind, int code, const catalogue::ProfileRow& row) {
    m.state(kind).Count = 1;
    m.setEntryOrientation(kind, 1, code);
    for (const catalogue::FieldText& f : catalogue::fieldTexts(row, code)) {
        const FieldInfo& field = kindInfo(kind).fields[std::size_t(fieldIndex(kind, f.key))];
        m.value(kind, 1, field.slot) = *ParseNumber(f.text);
        if (field.copySlot >= 0)
            m.value(kind, 1, field.copySlot) = *ParseNumber(f.text);
    }
    m.value(kind, 1, kindInfo(kind).fields[std::size_t(fieldIndex(kind, "Xc"))].slot) = 1.5;
    m.value(kind, 1, kindInfo(kind).fields[std::size_t(fieldIndex(kind, "Yc"))].slot) = -2;
}

TEST(Outlines, EveryPositionStandsInTheBoxThePictureDraws) {
    for (Kind kind : {Kind::Dt, Kind::Sh, Kind::Un, Kind::Ur}) {
        for (int code = 1; code <= kindInfo(kind).codeCount; ++code) {
            SCOPED_TRACE(std::string(kindInfo(kind).prefix) + " " + std::to_string(code));
            TSectionModel m;
            fillFromRow(m, kind, code, *catalogue::kindRows(kind).front());
            const SectionOutlines o = BuildOutlines(m);
            ASSERT_EQ(o.profiles.size(), 1u);
            EXPECT_FALSE(o.profiles[0].sharpCorners);
            const ProfileBox box = EntryExtent(m, kind, 1);
            const Ring& ring = o.profiles[0].ring;
            const auto [minX, maxX] =
                std::minmax_element(ring.begin(), ring.end(), [](Pt a, Pt b) { return a.x < b.x; });
            const auto [minY, maxY] =
                std::minmax_element(ring.begin(), ring.end(), [](Pt a, Pt b) { return a.y < b.y; });
            EXPECT_NEAR(minX->x, box.left, 1e-9);
            EXPECT_NEAR(maxX->x, box.right, 1e-9);
            EXPECT_NEAR(minY->y, box.bottom, 1e-9);
            EXPECT_NEAR(maxY->y, box.top, 1e-9);
            EXPECT_GT(RingArea(ring), 0) << "counter-clockwise";
            if (kind == Kind::Un || kind == Kind::Ur) {
                // The heel, where the picture puts it, is a corner of the outline.
                const AngleLayout L = AngleLayoutOf(kind, code);
                const TUnEntry& e = kind == Kind::Un ? m.Un.entry(1) : m.Ur.entry(1);
                const Pt heel{e.Xc - L.sx * e.Xo, e.Yc - L.sy * e.Yo};
                EXPECT_TRUE(std::any_of(ring.begin(), ring.end(), [&](Pt p) {
                    return std::hypot(p.x - heel.x, p.y - heel.y) < 1e-9;
                }));
            }
        }
    }
}

TEST(Outlines, ProfilesTypedByHand) {
    TSectionModel m;
    fillFromRow(m, Kind::Ur, 2, *catalogue::kindRows(Kind::Ur).front());
    m.Ur.entry(1).d *= 1.5; // no longer the catalogue's
    const SectionPropertiesResult angle = SolveProperties(m);
    ASSERT_EQ(angle.status, PropertiesStatus::Solved);
    ASSERT_EQ(angle.sharpAngles.size(), 1u);
    const TUnEntry& e = m.Ur.entry(1);
    EXPECT_NEAR(angle.outline.A, e.d * (e.B1 + e.b2 - e.d), 1e-12);

    fillFromRow(m, Kind::Sh, 1, *catalogue::kindRows(Kind::Sh).front());
    m.Sh.entry(1).h *= 2;
    const SectionPropertiesResult channel = SolveProperties(m);
    EXPECT_EQ(channel.status, PropertiesStatus::UnknownThicknesses);
    EXPECT_EQ(channel.kind, Kind::Sh);
    EXPECT_EQ(channel.number, 1);
}

} // namespace
