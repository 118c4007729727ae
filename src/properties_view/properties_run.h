#pragma once
// One computation of the properties for showing them: the result of the properties layer,
// with the solid it was worked on and a mesh of it to draw, and the result tab's values to
// compare with. Runs anywhere: the window runs it on a worker thread.

#include "model/section_model.h"
#include "properties/mesh.h"
#include "properties/properties.h"
#include "solver/solver.h"

#include <array>
#include <atomic>
#include <functional>
#include <optional>
#include <vector>

namespace karo::properties {

struct PropertiesSnapshot {
    SectionPropertiesResult result;
    std::vector<Solid> solids; // the union of the outlines, in the section's axes, cm
    double profilesArea = 0;   // the outlines' areas summed: more than A where they overlap
    TriMesh mesh;              // the first mesh of the solids, about the centroid
    // The result tab's 13 values of the same section, from the catalogue's figures; set by
    // the caller, none when that solve refused the section.
    std::optional<std::array<double, ResultFieldCount>> sectionValues;

    bool solved() const { return result.status == PropertiesStatus::Solved; }
    // The largest distance of the solid from the centroidal x and y axes, cm.
    double yExtreme = 0, xExtreme = 0;
};

// The properties of `model` with what the picture and the table need. Cancelled, it stops
// as SolveProperties does.
PropertiesSnapshot
ComputePropertiesSnapshot(const TSectionModel& model, const std::atomic<bool>* cancel = nullptr,
                          const std::function<void(const PropertiesProgress&)>& progress = {});

} // namespace karo::properties
