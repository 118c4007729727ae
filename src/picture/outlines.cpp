#include "picture/outlines.h"

#include "model/orientation.h"

#include <cmath>
#include <numbers>

namespace karo {

OutlineTurn OutlineTurnOf(Kind kind, int code, int DefaultAngle) {
    if (kindInfo(kind).codeCount == 0 || !IsValidCode(kind, code))
        return {DefaultAngle, false};
    const Placement p = PlacementOf(kind, code);
    return {p.quarterTurns * 90, p.mirrored};
}

namespace {

// Draws one outline: local coordinates in cm, turned and placed about the origin pixel.
class OutlinePen : public OutlineSink {
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
    ~OutlinePen() override { c_.endLayer(); }
    OutlinePen(const OutlinePen&) = delete;
    OutlinePen& operator=(const OutlinePen&) = delete;

    void line(double x1, double y1, double x2, double y2) override {
        seg_.X1 = x1 * k_, seg_.Y1 = y1 * k_, seg_.X2 = x2 * k_, seg_.Y2 = y2 * k_;
        map();
        c_.DrawLine(px_.X1, px_.Y1, px_.X2, px_.Y2);
    }

    // Arc about (cx, cy) with radius r, from `from` to `to` degrees of the local frame.
    void arc(double cx, double cy, double r, double from, double to) override {
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

    void fill(double sx, double sy) override {
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

} // namespace

void DrawEntryOutline(Canvas& canvas, int OriginX, int OriginY, const TSectionModel& model,
                      Kind kind, int n, double Scale) {
    OutlinePen p(canvas, OriginX, OriginY, Scale,
                 OutlineTurnOf(kind, model.entryOrientation(kind, n), 0));
    kindInfo(kind).rules->outline(model, n, p);
}

} // namespace karo
