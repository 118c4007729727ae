#pragma once
// Drawing primitives of the section picture and the profile sketches: rounding to pixels,
// the rotation of segments into the picture, and a small canvas over a QImage that draws
// lines, arcs, discs and text the way the picture's pixel rules want them (no antialiasing,
// end points rounded half to even), plus the hatched border fill.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

#include <optional>

namespace karo {

// The ground of every picture.
inline constexpr QRgb PageColor = 0xFFFFFFFF;

// Nearest whole pixel, halves to even. Values beyond any sensible picture are held at
// ±PixelLimit (and NaN reads as 0) so that a far-away axis cannot overflow an int.
inline constexpr int PixelLimit = 1000000;
int Round(double v);

// A segment in a profile's local frame, in pixels, and the angle (radians) it is turned by.
struct TRotatedSegment {
    double Angle = 0;
    double X1 = 0, Y1 = 0;
    double X2 = 0, Y2 = 0;
};

// The picture pixels of a segment's two ends.
struct TPixelSegment {
    int X1 = 0, Y1 = 0;
    int X2 = 0, Y2 = 0;
};

// Turns both points of `segment` by its Angle (counter-clockwise, y up) and places them
// about the origin pixel (y down on the picture).
void RotateSegment(int OriginX, int OriginY, TRotatedSegment segment, TPixelSegment& pixels);
// The same, mirrored in the vertical line through the origin pixel.
void RotateSegmentMirrored(int OriginX, int OriginY, TRotatedSegment segment,
                           TPixelSegment& pixels);

struct Stamp; // the pixels of one stroke's shape

// A painting surface with the state a picture routine expects to carry from call to call:
// pen colour and width, a solid brush colour, and a font. Opens its painter lazily and
// closes it before a fill reads the pixels.
class Canvas {
  public:
    explicit Canvas(QImage& image);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    QImage& image() { return image_; }

    void setPen(QColor color, int width);
    void setBrush(QColor color);
    void setFont(const QFont& font);

    // A straight line from (X1, Y1) to (X2, Y2), both end pixels included.
    void DrawLine(int X1, int Y1, int X2, int Y2);
    // A circular arc about pixel (X, Y): angles in radians, counter-clockwise with y up,
    // running counter-clockwise from StartAngle to EndAngle. The circle has the rounded
    // radius; the arc starts and ends at the rounded points of the two angles, and a full
    // circle is drawn when the two points coincide.
    void DrawArc(int X, int Y, double StartAngle, double EndAngle, double Radius);
    // The rectangle [X1, X2) × [Y1, Y2) in the brush colour.
    void FillRect(int X1, int Y1, int X2, int Y2);
    // `text` with its cell's top-left corner at (X, Y), on a box of the brush colour.
    void TextOut(int X, int Y, const QString& text);
    // An ellipse inside the box [X1, X2) × [Y1, Y2) (corners in any order): outlined with
    // the pen and filled with the brush.
    void Ellipse(int X1, int Y1, int X2, int Y2);

    // The box of every pixel the lines and arcs may have reached since the last reset.
    void resetTouched();
    QRect touched() const { return touched_; }

    // Between these two calls everything is drawn on a blank layer of the picture's size,
    // whose black pixels are then laid over the picture. A profile drawn so fills the region
    // that its own outline encloses, whatever earlier profiles drew there. The layer must
    // not be drawn on beyond the touched box.
    void beginLayer();
    void endLayer();
    // The layer is kept between canvases on the same thread, while the picture size stays
    // the same.
    // The next layer's black pixels would fall on ground alone: it is drawn straight on the
    // picture, which sets the same pixels without a layer of the picture's size. Only for a
    // picture that is all ground where that layer draws.
    void drawNextLayerOnGround() { nextLayerOnGround_ = true; }

    // Fills the region of non-black pixels 4-connected to the seed with black back-diagonal
    // hatch (lines rising to the right, every 8th diagonal, anchored at the picture's
    // corner) on white. The fill never leaves `confine`, so an outline with a gap or a
    // profile only a few pixels wide cannot flood the picture. A seed on a black pixel or
    // outside `confine` fills nothing.
    void HatchFill(int X, int Y, const QRect& confine);

  private:
    QPainter& painter();
    void endPainting();
    void touch(int x, int y);
    // Sets the pixels of a stroke's shape, moved to (X, Y), in the pen colour.
    void stamp(const Stamp& shape, int X, int Y);
    QImage& target() { return layer_ ? *layer_ : image_; }

    QImage& image_;
    QImage* layer_ = nullptr;
    std::optional<QPainter> painter_;
    QColor penColor_ = Qt::black;
    int penWidth_ = 1;
    QColor brushColor_ = Qt::white;
    QFont font_;
    QRect touched_;
    bool nextLayerOnGround_ = false;
};

// Whether a pixel of the hatch pattern at (x, y) is black.
constexpr bool HatchPixel(int x, int y) {
    return ((x + y) & 7) == 7;
}

} // namespace karo
