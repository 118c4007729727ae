#pragma once
// The picture of the whole section on the result tab: every profile's hatched outline to
// one scale, the common, central and principal axes, the ellipse of inertia and marks on
// the corners farthest from the principal axes.
//
// It draws while the solver runs: pass it to SolveSection as the observer.
//
//     karo::SectionPicture picture;
//     karo::SolveSection(model, texts, result, &picture);
//     label->setPixmap(QPixmap::fromImage(picture.image()));
//
// A QGuiApplication must exist (the labels need fonts). To let other observers (the report,
// the window's messages) see the same run, pass SolveObservers{&picture, &other}.

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

class SectionPicture : public SolveObserver {
  public:
    static constexpr int Size = 390; // width and height, pixels
    static constexpr int FrameMin = 25, FrameMax = 365;

    SectionPicture();

    // The picture as drawn so far: white after a rejected run, the whole section after a
    // complete one. Format_RGB32.
    const QImage& image() const { return image_; }
    const PicturePlacement& placement() const { return place_; }

    // The label font: "Times New Roman" 14 (19 pixels), no antialiasing.
    static QFont labelFont();

    void clearPicture() override;
    void extentsFound(const TSectionModel& m, const TSectionResult& r) override;
    void centralTerm(const TSectionModel& m, const TSectionResult& r,
                     const SolvedEntry& s) override;
    void axesReady(const TSectionModel& m, const TSectionResult& r) override;
    void extremesFound(const TSectionModel& m, const TSectionResult& r) override;

  private:
    void drawAxes(const TSectionResult& r);
    void drawMarks(const TSectionResult& r);

    QImage image_;
    PicturePlacement place_;
};

} // namespace karo
