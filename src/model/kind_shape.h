#pragma once
// What a kind's module tells the layers above about one of its entries, in types that need
// nothing above the model: the corners of its outline, its own area and moments, its outline
// as lines and arcs, and the dimensions its sketch marks, for a picture to draw.

#include <array>
#include <string_view>

namespace karo {

struct TPoint {
    double x = 0;
    double y = 0;
};

// An angle's five corners (vertical leg's tips, heel, horizontal leg's tips, in the order its
// position lists them), or the four corners of a box: (xR, yT), (xR, yB), (xL, yT), (xL, yB).
struct OutlineCorners {
    std::array<TPoint, 5> points{};
    int count = 0;
};

inline OutlineCorners BoxCorners(double xL, double xR, double yB, double yT) {
    OutlineCorners c;
    c.count = 4;
    c.points[0] = {xR, yT};
    c.points[1] = {xR, yB};
    c.points[2] = {xL, yT};
    c.points[3] = {xL, yB};
    return c;
}

// An entry's area, centroid and moments about its own centroid, cm.
struct OwnValues {
    double A = 0, Xc = 0, Yc = 0, Ix = 0, Iy = 0, Ixy = 0;
};

// Receives an outline in the profile's own frame, cm, before it is turned into its position:
// lines, arcs (degrees of the own frame, counter-clockwise), then the seed of the hatch.
class OutlineSink {
  public:
    virtual ~OutlineSink() = default;
    virtual void line(double x1, double y1, double x2, double y2) = 0;
    virtual void arc(double cx, double cy, double r, double from, double to) = 0;
    virtual void fill(double sx, double sy) = 0;
};

// The plate has no orientation code, but three pictures: the one on its tab and the two
// the report pastes for a plate lying flat or standing on edge.
enum class PlateView { Tab, Horizontal, Vertical };

// A dimension line of a kind's sketch, told by the profile's box: on which side of the box it
// stands, in the near or the far row, and between which of the box's edges (or its
// centroid's line) along the side, in the order it is drawn.
enum class SketchSide { Left, Right, Top, Bottom };
enum class SketchEdge { Min, Max, Centre }; // along x: left, right; along y: bottom, top
struct SketchDim {
    SketchSide side = SketchSide::Bottom;
    bool far = false;
    SketchEdge from = SketchEdge::Min, to = SketchEdge::Max;
    std::string_view letter;
};

// What a sketch of one entry marks besides its outline and central axes.
struct SketchMarks {
    std::array<SketchDim, 4> dims{};
    int dimCount = 0;
    // An angle's thickness d, cm, marked across a leg near its tip, and its heel's corner of
    // the box: +1 for the left or bottom edge, −1 for the right or top; 0 for none.
    double legThickness = 0;
    int heelX = 0, heelY = 0;
    // The principal axis u and its angle α to the nearer central axis.
    bool principalAxis = false;
};

// The sketch of a box-like profile: its width below the box, its height left of it.
inline SketchMarks BoxSketch(std::string_view width, std::string_view height) {
    SketchMarks s;
    s.dims[0] = {SketchSide::Bottom, false, SketchEdge::Min, SketchEdge::Max, width};
    s.dims[1] = {SketchSide::Left, false, SketchEdge::Max, SketchEdge::Min, height};
    s.dimCount = 2;
    return s;
}

} // namespace karo
