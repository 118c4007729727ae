#include "picture/outlines.h"

#include "model/orientation.h"

#include <cmath>
#include <numbers>

namespace karo {

OutlineTurn OutlineTurnOf(Kind kind, int code, int DefaultAngle) {
    if (kind == Kind::List || !IsValidCode(kind, code))
        return {DefaultAngle, false};
    const Placement p = PlacementOf(kind, code);
    return {p.quarterTurns * 90, p.mirrored};
}

namespace {

// Draws one outline: local coordinates in cm, turned and placed about the origin pixel.
class OutlinePen {
  public:
    OutlinePen(Canvas& c, int ox, int oy, double k, OutlineTurn turn)
        : c_(c), ox_(ox), oy_(oy), k_(k), mirrored_(turn.mirrored) {
        seg_.Angle = turn.degrees * std::numbers::pi / 180;
        c_.setPen(Qt::black, 2);
        c_.resetTouched();
        // On a layer of its own the hatch fills what this outline encloses, even where an
        // earlier profile's lines or hatch lie under the seed or cut the inside in parts.
        c_.beginLayer();
    }
    ~OutlinePen() { c_.endLayer(); }
    OutlinePen(const OutlinePen&) = delete;
    OutlinePen& operator=(const OutlinePen&) = delete;

    void line(double x1, double y1, double x2, double y2) {
        seg_.X1 = x1 * k_, seg_.Y1 = y1 * k_, seg_.X2 = x2 * k_, seg_.Y2 = y2 * k_;
        map();
        c_.DrawLine(px_.X1, px_.Y1, px_.X2, px_.Y2);
    }

    // Arc about (cx, cy) with radius r, from `from` to `to` degrees of the local frame.
    void arc(double cx, double cy, double r, double from, double to) {
        seg_.X1 = cx * k_, seg_.Y1 = cy * k_;
        map();
        constexpr double rad = std::numbers::pi / 180;
        const double a = from * rad, e = to * rad;
        if (mirrored_)
            c_.DrawArc(px_.X1, px_.Y1, std::numbers::pi - e - seg_.Angle,
                       std::numbers::pi - a - seg_.Angle, r * k_);
        else
            c_.DrawArc(px_.X1, px_.Y1, a + seg_.Angle, e + seg_.Angle, r * k_);
    }

    void fill(double sx, double sy) {
        seg_.X1 = sx * k_, seg_.Y1 = sy * k_;
        map();
        c_.HatchFill(px_.X1, px_.Y1, c_.touched());
    }

  private:
    void map() {
        if (mirrored_)
            RotateSegmentMirrored(ox_, oy_, seg_, px_);
        else
            RotateSegment(ox_, oy_, seg_, px_);
    }

    Canvas& c_;
    int ox_, oy_;
    double k_;
    bool mirrored_;
    TRotatedSegment seg_;
    TPixelSegment px_;
};

// Both angle kinds: B1 along local y, b2 along local x, heel at (−Xo, −Yo).
void drawAngle(OutlinePen& p, const TUnEntry& e) {
    const double B1 = e.B1, b2 = e.b2, d = e.d, Xo = e.Xo, Yo = e.Yo;
    const double r = B1 / 10;
    p.line(-Xo, -Yo, -Xo + b2, -Yo);
    p.line(-Xo, -Yo, -Xo, -Yo + B1);
    p.line(-Xo + d + r, -Yo + d, -Xo + b2 - d, -Yo + d);
    p.line(-Xo + d, -Yo + d + r, -Xo + d, -Yo + B1 - d);
    p.arc(-Xo + b2 - d, -Yo, d, 0, 90);
    p.arc(-Xo, -Yo + B1 - d, d, 0, 90);
    p.arc(-Xo + d + r, -Yo + d + r, r, 180, 270);
    p.fill(-Xo + d, -Yo + d);
}

} // namespace

void DrawDtOutline(Canvas& canvas, int OriginX, int OriginY, TDtEntry e, double Scale,
                   int DefaultAngle) {
    OutlinePen p(canvas, OriginX, OriginY, Scale,
                 OutlineTurnOf(Kind::Dt, e.Orientation, DefaultAngle));
    const double h = e.h, b = e.b, tw = e.WebDrawThickness, tf = e.FlangeDrawThickness;
    const double r = b / 10;
    p.line(-b / 2, -h / 2, b / 2, -h / 2);
    p.line(-b / 2, h / 2, b / 2, h / 2);
    p.line(-b / 2 + tf, -h / 2 + tf, -tw / 2 - r, -h / 2 + tf);
    p.line(-b / 2 + tf, h / 2 - tf, -tw / 2 - r, h / 2 - tf);
    p.line(tw / 2 + r, -h / 2 + tf, b / 2 - tf, -h / 2 + tf);
    p.line(tw / 2 + r, h / 2 - tf, b / 2 - tf, h / 2 - tf);
    p.line(-tw / 2, -h / 2 + tf + r, -tw / 2, h / 2 - tf - r);
    p.line(tw / 2, -h / 2 + tf + r, tw / 2, h / 2 - tf - r);
    p.arc(-tw / 2 - r, -h / 2 + tf + r, r, 270, 360);
    p.arc(-tw / 2 - r, h / 2 - tf - r, r, 0, 90);
    p.arc(tw / 2 + r, h / 2 - tf - r, r, 90, 180);
    p.arc(tw / 2 + r, -h / 2 + tf + r, r, 180, 270);
    p.arc(-b / 2 + tf, -h / 2, tf, 90, 180);
    p.arc(-b / 2 + tf, h / 2, tf, 180, 270);
    p.arc(b / 2 - tf, h / 2, tf, 270, 360);
    p.arc(b / 2 - tf, -h / 2, tf, 0, 90);
    p.fill(0, 0);
}

void DrawShOutline(Canvas& canvas, int OriginX, int OriginY, TShEntry e, double Scale,
                   int DefaultAngle) {
    OutlinePen p(canvas, OriginX, OriginY, Scale,
                 OutlineTurnOf(Kind::Sh, e.Orientation, DefaultAngle));
    const double h = e.h, b = e.b, tw = e.WebDrawThickness, tf = e.FlangeDrawThickness;
    const double Zo = e.Zo, r = b / 7;
    p.line(-Zo, -h / 2, -Zo + b, -h / 2);
    p.line(-Zo, h / 2, -Zo + b, h / 2);
    p.line(-Zo + tw + r, -h / 2 + tf, -Zo + b - tf, -h / 2 + tf);
    p.line(-Zo + tw + r, h / 2 - tf, -Zo + b - tf, h / 2 - tf);
    p.line(-Zo, -h / 2, -Zo, h / 2);
    p.line(-Zo + tw, -h / 2 + tf + r, -Zo + tw, h / 2 - tf - r);
    p.arc(-Zo + b - tf, -h / 2, tf, 0, 90);
    p.arc(-Zo + b - tf, h / 2, tf, 270, 360);
    p.arc(-Zo + tw + r, -h / 2 + tf + r, r, 180, 270);
    p.arc(-Zo + tw + r, h / 2 - tf - r, r, 90, 180);
    p.fill(tw / 2 - Zo, 0);
}

void DrawUnOutline(Canvas& canvas, int OriginX, int OriginY, TUnEntry e, double Scale,
                   int DefaultAngle) {
    OutlinePen p(canvas, OriginX, OriginY, Scale,
                 OutlineTurnOf(Kind::Un, e.Orientation, DefaultAngle));
    drawAngle(p, e);
}

void DrawUrOutline(Canvas& canvas, int OriginX, int OriginY, TUrEntry e, double Scale,
                   int DefaultAngle) {
    OutlinePen p(canvas, OriginX, OriginY, Scale,
                 OutlineTurnOf(Kind::Ur, e.Orientation, DefaultAngle));
    drawAngle(p, e);
}

void DrawListOutline(Canvas& canvas, int OriginX, int OriginY, TListEntry e, double Scale,
                     int DefaultAngle) {
    OutlinePen p(canvas, OriginX, OriginY, Scale, OutlineTurnOf(Kind::List, 0, DefaultAngle));
    const double h = e.h, b = e.b;
    p.line(-b / 2, -h / 2, -b / 2, h / 2);
    p.line(-b / 2, h / 2, b / 2, h / 2);
    p.line(b / 2, h / 2, b / 2, -h / 2);
    p.line(b / 2, -h / 2, -b / 2, -h / 2);
    p.fill(0, 0);
}

TUnEntry AngleForDrawing(const TUnEntry& entry) {
    TUnEntry e = entry;
    if (LongAlongX(Kind::Un, e.Orientation))
        std::swap(e.Xo, e.Yo);
    return e;
}

void DrawEntryOutline(Canvas& canvas, int OriginX, int OriginY, const TSectionModel& model,
                      Kind kind, int n, double Scale) {
    switch (kind) {
    case Kind::Dt:
        DrawDtOutline(canvas, OriginX, OriginY, model.Dt.entry(n), Scale, 0);
        break;
    case Kind::Sh:
        DrawShOutline(canvas, OriginX, OriginY, model.Sh.entry(n), Scale, 0);
        break;
    case Kind::Un:
        DrawUnOutline(canvas, OriginX, OriginY, AngleForDrawing(model.Un.entry(n)), Scale, 0);
        break;
    case Kind::Ur:
        DrawUrOutline(canvas, OriginX, OriginY, model.Ur.entry(n), Scale, 0);
        break;
    case Kind::List:
        DrawListOutline(canvas, OriginX, OriginY, model.List.entry(n), Scale, 0);
        break;
    }
}

} // namespace karo
