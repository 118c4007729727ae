#pragma once
// The engineering properties of a section from its profiles' true shapes: the outline's exact
// integrals, and torsion, shear centre and warping by finite elements. No Qt: the outcome is
// a status with what it concerns, and the front ends make its text.

#include "model/messages.h"
#include "model/section_model.h"
#include "properties/outline_integrals.h"

#include <atomic>
#include <functional>
#include <optional>

namespace karo::properties {

enum class PropertiesStatus {
    Solved,
    Cancelled,
    NoSection,          // no profile, or no area
    UnknownThicknesses, // an I-beam or channel typed by hand: `kind` and `number` say which
    ArithmeticFault,    // coordinates beyond what arithmetic holds
};

struct SectionPropertiesResult {
    PropertiesStatus status = PropertiesStatus::NoSection;
    Kind kind = Kind::Dt; // the profile refused
    int number = 0;

    OutlineProperties outline;
    int parts = 0, closedCells = 0;
    std::vector<std::pair<Kind, int>> sharpAngles; // angles typed by hand: sharp corners

    double It = 0;                // cm⁴
    std::optional<double> xs, ys; // cm from the centroid; none for separate parts
    std::optional<double> Iw;     // cm⁶; none for separate parts
    int meshes = 0;               // solved; It's change is known from two on
    double ItChange = 0;          // relative change of It between the last two meshes
    bool converged = false;       // that change is below kItTolerance
    std::size_t meshNodes = 0, meshTriangles = 0;
};

// The meshes are refined until It changes by less than this between two of them.
inline constexpr double kItTolerance = 1e-4;

struct PropertiesProgress {
    int mesh = 0;          // 1 for the first
    std::size_t nodes = 0; // of that mesh
    double change = 0;     // relative change of It from the mesh before; 0 for the first
};

// Why `r` holds no properties, for a status other than Solved; a cancelled run reads as the
// arithmetic fault, since nobody waits for its outcome.
Message PropertiesRefusal(const SectionPropertiesResult& r);

// Runs where it cannot hold a window: raise `cancel` to stop it (the status is then
// Cancelled); `progress` hears of every mesh solved.
SectionPropertiesResult
SolveProperties(const TSectionModel& model, const std::atomic<bool>* cancel = nullptr,
                const std::function<void(const PropertiesProgress&)>& progress = {});

// Past this many corners a mesh is not refined further: it is solved, and It counts as
// settled only if it changed by less than the tolerance between two meshes both complete.
inline constexpr std::size_t kMeshCornerLimit = 100000;

// The same for outlines given as rings (counter-clockwise, cm).
SectionPropertiesResult
SolveOutlines(const std::vector<Ring>& rings, const std::atomic<bool>* cancel = nullptr,
              const std::function<void(const PropertiesProgress&)>& progress = {},
              std::size_t cornerLimit = kMeshCornerLimit);

} // namespace karo::properties
