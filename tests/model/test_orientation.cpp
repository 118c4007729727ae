#include "model/orientation.h"
#include "model/section_model.h"

#include <gtest/gtest.h>

using namespace karo;

TEST(Orientation, RotationTablesTurnByQuarters) {
    // Each rotation is a cycle: the number of presses that brings a code back.
    const struct {
        Kind kind;
        int presses;
    } cycles[] = {{Kind::Dt, 2}, {Kind::Sh, 4}, {Kind::Un, 4}, {Kind::Ur, 4}};
    for (const auto& c : cycles) {
        for (int code = 1; code <= kindInfo(c.kind).codeCount; ++code) {
            int x = code;
            for (int i = 0; i < c.presses; ++i) {
                x = RotateCode(c.kind, x);
                if (i + 1 < c.presses) {
                    EXPECT_NE(x, code) << kindInfo(c.kind).prefix << " " << code;
                }
            }
            EXPECT_EQ(x, code) << kindInfo(c.kind).prefix << " " << code;
        }
    }
    EXPECT_EQ(RotateCode(Kind::Sh, 1), 4); // web right, flanges left → web on top
    EXPECT_EQ(RotateCode(Kind::Un, 1), 7);
    EXPECT_EQ(RotateCode(Kind::Un, 2), 3);
    EXPECT_EQ(RotateCode(Kind::Ur, 2), 1);
}

TEST(Orientation, MirrorCommutesWithRotationLikeAPicture) {
    for (int code = 1; code <= 8; ++code)
        EXPECT_EQ(MirrorCode(Kind::Un, MirrorCode(Kind::Un, code)), code);
    // Rotate then mirror equals mirror then rotate three times.
    EXPECT_EQ(MirrorCode(Kind::Un, RotateCode(Kind::Un, 1)), 8);
    int x = MirrorCode(Kind::Un, 1);
    for (int i = 0; i < 3; ++i)
        x = RotateCode(Kind::Un, x);
    EXPECT_EQ(x, 8);
    EXPECT_EQ(MirrorCode(Kind::Dt, 1), 1);
}

TEST(Orientation, RotationMovesTheHeelCounterClockwise) {
    // A quarter turn counter-clockwise moves the heel bottom-right → top-right →
    // top-left → bottom-left, so (sx, sy) goes (-,+) → (-,-) → (+,-) → (+,+).
    for (Kind k : {Kind::Un, Kind::Ur}) {
        for (int code = 1; code <= kindInfo(k).codeCount; ++code) {
            const AngleLayout a = AngleLayoutOf(k, code);
            const AngleLayout b = AngleLayoutOf(k, RotateCode(k, code));
            EXPECT_EQ(b.sx, -a.sy) << code;
            EXPECT_EQ(b.sy, a.sx) << code;
            // The leg that stood now lies: which leg is vertical flips.
            if (k == Kind::Un) {
                EXPECT_NE(a.verticalIsB1, b.verticalIsB1) << code;
            }
        }
    }
    // The product of inertia is negative exactly when the legs run right-up or left-down.
    for (int code = 1; code <= 8; ++code) {
        const AngleLayout a = AngleLayoutOf(Kind::Un, code);
        EXPECT_EQ(a.productSign, a.sx == a.sy ? -1 : 1) << code;
    }
}

// The solver sizes its corner buffer by each kind's count: every position of every kind's
// sample profile must give exactly that many corners.
TEST(Kinds, EveryPositionHasTheCornersItsKindCounts) {
    for (Kind k : TabOrder) {
        const KindInfo& info = kindInfo(k);
        for (int code = 0; code <= info.codeCount; ++code) {
            if (!IsValidCode(k, code))
                continue;
            TSectionModel m;
            m.state(k).Count = 1;
            info.rules->sample(m, code, PlateView::Tab);
            EXPECT_EQ(info.rules->corners(m, 1).count, info.rules->cornerCount)
                << info.prefix << code;
        }
    }
}
