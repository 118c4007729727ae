#pragma once
// The picture of the whole section on the result tab: every profile's hatched outline to
// one scale, the common, central and principal axes, the ellipse of inertia and marks on
// the corners farthest from the principal axes.
//
// It is drawn from the model and a run's result, as far as the run got: white when the run
// stopped before the centroid, then the outlines of the entries summed, the axes and the
// ellipse once the principal values exist, and the marks once the extreme distances do.
//
//     karo::SolveSection(model, result);
//     label->setPixmap(QPixmap::fromImage(karo::DrawSectionPicture(model, result)));
//
// A QGuiApplication must exist (the labels need fonts).

#include "picture/primitives.h"
#include "solver/solver.h"

#include <QImage>

namespace karo {

// Where the section lands on the picture; fixed once per run when the extents are known.
struct PicturePlacement {
    bool valid = false;
    double k = 0;                                  // pixels per cm
    double xmin = 0, xmax = 0, ymin = 0, ymax = 0; // extents about the centroid, cm
    int offX = 0, offY = 0;                        // top-left pixel of the section's box
    int O = 0, P = 0;                              // the centroid's pixel

    // Pixel of a point given about the section's centroid (cm), the way entry centroids are
    // placed.
    QPoint pixelOf(double x, double y) const;
};

// Finds the scale and the placement from the extents and the centroid in `r`.
PicturePlacement PlaceSection(const TSectionResult& r);

class SectionPicture {
  public:
    static constexpr int Size = 390; // width and height, pixels
    static constexpr int FrameMin = 25, FrameMax = 365;

    SectionPicture();

    // Clears the picture and draws the section as far as `r` reached.
    void draw(const TSectionModel& m, const TSectionResult& r);

    // The picture drawn: white before the first draw and after a run that stopped before the
    // centroid, the whole section after a complete run. Format_RGB32.
    const QImage& image() const { return image_; }
    const PicturePlacement& placement() const { return place_; }

    // The label font: "Times New Roman" 14 (19 pixels), no antialiasing.
    static QFont labelFont();

  private:
    void clear();
    void drawAxes(const TSectionResult& r);
    void drawMarks(const TSectionResult& r);

    QImage image_;
    PicturePlacement place_;
};

// The picture of `r` drawn afresh.
QImage DrawSectionPicture(const TSectionModel& m, const TSectionResult& r);

} // namespace karo
