#pragma once
// The report's last chapter, «Дополнительные характеристики»: how the section was modelled,
// the table of the properties window with the picture of the solid, and the working of what
// can be worked by hand for this section. A section the properties refuse gets the reason.

#include "properties_view/properties_run.h"

#include <functional>

namespace karo::report {
class Document;
}

namespace karo::properties {

void WritePropertiesChapter(report::Document& d, const TSectionModel& model,
                            const PropertiesSnapshot& s);

// The chapter as a report run's appendix: the properties of `model` (which must outlive the
// run) computed when the solution is written, compared with that solve's values.
std::function<void(report::Document&, const TSectionResult&)>
PropertiesAppendix(const TSectionModel& model);

} // namespace karo::properties
