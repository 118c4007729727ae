#pragma once
// The worked solution, typed into a Document while the solver runs.
//
// ReportContent is a SolveObserver: attached to a run of SolveSection it writes every piece
// of the solution at the point of the run where its values exist, from the values the run
// itself computed (TSectionResult and its per-entry terms), so nothing is computed twice.
//
//     karo::SectionPicture picture;
//     karo::report::ReportContent content(document, [&] { progress->step(); });
//     karo::SolveObservers both{&picture, &content};
//     karo::SolveSection(model, texts, result, &both);
//
// A run that refuses the section writes nothing. A complete run steps the progress
// kContentSteps times. Orientation pictures are drawn once per position and process.

#include "model/kinds.h"
#include "solver/solver.h"

#include <QImage>
#include <QString>
#include <functional>

namespace karo::report {

class Document;

// Steps of the progress bar made by the content of one complete report.
inline constexpr int kContentSteps = 16;

// The four placeholders of the central-axes section, filled while the central moments are
// summed: the list of central coordinates and the terms of Ix, Iy and Ixy.
inline constexpr const char* kCoordinatesPlaceholder = "###4";
inline constexpr const char* kIxPlaceholder = "###1";
inline constexpr const char* kIyPlaceholder = "###2";
inline constexpr const char* kIxyPlaceholder = "###3";

// The picture with a palette when that keeps every pixel (the line drawings of the report
// have a handful of colours): the same picture, several times faster to write as PNG.
QImage PaletteImage(const QImage& image);

class ReportContent : public SolveObserver {
  public:
    explicit ReportContent(Document& document, std::function<void()> step = {});

    // Progress steps made so far.
    int steps() const { return steps_; }

    void areaTerm(const TSectionModel& m, const TSectionResult& r, const SolvedEntry& s) override;
    void centroidFound(const TSectionModel& m, const TSectionResult& r) override;
    void centralTerm(const TSectionModel& m, const TSectionResult& r,
                     const SolvedEntry& s) override;
    void centralSums(const TSectionModel& m, const TSectionResult& r) override;
    void principalFound(const TSectionModel& m, const TSectionResult& r) override;
    void moduliFound(const TSectionModel& m, const TSectionResult& r) override;

  private:
    void step(int times = 1);
    static const QImage& sketch(Kind kind, int code);

    void writeProfiles(const TSectionModel& m, const TSectionResult& r);
    void writeAngle(int n, const TUnEntry& e, const SolvedEntry& s, bool equalLegs);
    void writeBeam(int n, const TDtEntry& e);
    void writeChannel(int n, const TShEntry& e);
    void writePlate(int n, const TListEntry& e, const SolvedEntry& s);
    void writeCoordinates(int n, double Xc, double Yc);
    void writeCentroid(const TSectionResult& r);
    void writeSkeleton();
    void writePrincipal(const TSectionResult& r);
    void writeModuli(const TSectionResult& r);

    Document& doc_;
    std::function<void()> step_;
    int steps_ = 0;

    // Pieces of the centroid formulas, one per entry in walk order.
    QString sumX_, sumY_, sumA_;
    // Running number of the per-entry lines of the central-axes section.
    int centralNumber_ = 0;
};

} // namespace karo::report
