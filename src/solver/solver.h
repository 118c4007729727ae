#pragma once
// The composite section solver: centroid, central and principal moments of inertia, the
// principal angle, radii of gyration, extreme distances and section moduli.
//
// One run goes from the commit of the entries on show to the thirteen result texts. The
// picture and the report attach through SolveObserver, called at fixed points of the run,
// so neither repeats any of the arithmetic.

#include "model/commit.h"
#include "model/section_model.h"
#include "solver/result_fields.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace karo {

struct TPoint {
    double x = 0;
    double y = 0;
};

// One profile of the section as the run sees it, in walk order.
struct SolvedEntry {
    Kind kind = Kind::Dt;
    int number = 0;      // 1-based entry number within its kind
    int orientation = 0; // the entry's code (0 for plates)
    double A = 0, Xc = 0, Yc = 0;
    double Ix = 0, Iy = 0, Ixy = 0;        // own values about the profile's central axes
    double xL = 0, xR = 0, yB = 0, yT = 0; // bounding box in x'y'
    int firstPoint = 0;                    // index of its first outline point (0-based)
    int pointCount = 0;                    // 4, or 5 for an angle
    double ai = 0, bi = 0;                 // Yc − yc and Xc − xc, set in the central sums
};

struct TSectionResult {
    double A = 0, Sx = 0, Sy = 0, yc = 0, xc = 0;
    double Ix = 0, Iy = 0, Ixy = 0;
    double ai = 0, bi = 0; // those of the last entry summed
    double Alpha0 = 0;     // degrees, counter-clockwise from x, within −45..45
    double Iu = 0, Iv = 0, iu = 0, iv = 0, Wu = 0, Wv = 0;
    double XMin = 0, XMax = 0, YMin = 0, YMax = 0;

    // Outline corners of every entry: in x'y' while collected, central (x, y) after the
    // extreme distances are found.
    std::vector<TPoint> OutlinePoints;
    int PointCount = 0;
    // Per point: x = RotatedXDist (from the axis across Alpha0), y = RotatedYDist (from the
    // axis at Alpha0).
    std::vector<TPoint> PointDistances;
    double RotatedXMax = 0, RotatedYMax = 0;
    int RotatedXMaxPoint = 0, RotatedYMaxPoint = 0; // 1-based; 0 when none

    std::vector<SolvedEntry> Entries; // walk order Un, Ur, Dt, Sh, List

    std::array<std::string, ResultFieldCount> Texts; // what the result fields show
};

enum class SolveStatus {
    Solved,
    Rejected,     // a commit in the first step refused a field
    EmptySection, // the total area is below 0.0001
};

struct SolveOutcome {
    SolveStatus status = SolveStatus::Solved;
    int ReportError = 0;          // 1 only for an empty section
    Kind rejectedKind = Kind::Dt; // with status Rejected
    CommitResult commit;          // the refusing commit, with status Rejected
};

// Called at the named points of a run; every hook is optional.
class SolveObserver {
  public:
    virtual ~SolveObserver() = default;
    // Step 1: before anything else.
    virtual void clearPicture() {}
    // Step 3: after each commit of an entry on show (a warning may have fired).
    virtual void committed(Kind, const CommitResult&) {}
    // Step 6: after an entry's area and static moments were added.
    virtual void areaTerm(const TSectionModel&, const TSectionResult&, const SolvedEntry&) {}
    // Step 9: the centroid is known.
    virtual void centroidFound(const TSectionModel&, const TSectionResult&) {}
    // Step 10: the extents are final; the picture fixes its scale.
    virtual void extentsFound(const TSectionModel&, const TSectionResult&) {}
    // Step 11: after an entry's central terms were added (its ai, bi are set).
    virtual void centralTerm(const TSectionModel&, const TSectionResult&, const SolvedEntry&) {}
    // Step 12: the central sums Ix, Iy, Ixy.
    virtual void centralSums(const TSectionModel&, const TSectionResult&) {}
    // Step 13: principal angle, moments and radii.
    virtual void principalFound(const TSectionModel&, const TSectionResult&) {}
    // Step 14: the picture draws its axes and the ellipse.
    virtual void axesReady(const TSectionModel&, const TSectionResult&) {}
    // Step 15: points in central coordinates, distances and maxima known.
    virtual void extremesFound(const TSectionModel&, const TSectionResult&) {}
    // Step 16: section moduli.
    virtual void moduliFound(const TSectionModel&, const TSectionResult&) {}
    // Step 17: the result texts are written.
    virtual void resultsWritten(const TSectionModel&, const TSectionResult&) {}
};

// Hands every hook to several observers in turn (null ones are skipped), e.g. the picture,
// then the report, then the window's messages.
class SolveObservers : public SolveObserver {
  public:
    SolveObservers(std::initializer_list<SolveObserver*> list) : list_(list) {}

    void clearPicture() override;
    void committed(Kind k, const CommitResult& c) override;
    void areaTerm(const TSectionModel& m, const TSectionResult& r, const SolvedEntry& e) override;
    void centroidFound(const TSectionModel& m, const TSectionResult& r) override;
    void extentsFound(const TSectionModel& m, const TSectionResult& r) override;
    void centralTerm(const TSectionModel& m, const TSectionResult& r,
                     const SolvedEntry& e) override;
    void centralSums(const TSectionModel& m, const TSectionResult& r) override;
    void principalFound(const TSectionModel& m, const TSectionResult& r) override;
    void axesReady(const TSectionModel& m, const TSectionResult& r) override;
    void extremesFound(const TSectionModel& m, const TSectionResult& r) override;
    void moduliFound(const TSectionModel& m, const TSectionResult& r) override;
    void resultsWritten(const TSectionModel& m, const TSectionResult& r) override;

  private:
    template <class F> void each(F&& f) {
        for (SolveObserver* o : list_)
            if (o)
                f(*o);
    }
    std::vector<SolveObserver*> list_;
};

// Runs the solver. `onShow` gives the texts of the entry on show of every kind; when it is
// null the entries are taken as already committed (a section loaded from a file). Throws
// ArithmeticError on a square root of a negative number, a division by zero or an overflow;
// the result then holds what was reached before the fault.
SolveOutcome SolveSection(TSectionModel& model, const FieldTexts* onShow, TSectionResult& result,
                          SolveObserver* observer = nullptr);

// Below this magnitude a difference of moments, or a product of inertia, counts as zero.
inline constexpr double ZeroMomentThreshold = 1e-15;

// Whether Ix and Iy count as equal (the principal angle is then ±45° or 0).
inline bool MomentsEqual(const TSectionResult& r) {
    return std::fabs(r.Ix - r.Iy) < ZeroMomentThreshold;
}

// Whether the product of inertia counts as zero: the central axes are then the principal
// axes, Alpha0 is 0 and the solution says so.
inline bool ProductIsZero(const TSectionResult& r) {
    return std::fabs(r.Ixy) < ZeroMomentThreshold;
}

// Whether the axis at Alpha0 is the axis of the minimum moment u (Ix < Iy) rather than v.
inline bool AxisAtAlphaIsU(const TSectionResult& r) {
    return r.Ix < r.Iy;
}

} // namespace karo
