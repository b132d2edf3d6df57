// The dispatch rows of the airport diagram: what the diagram viewer keeps of a scenery XML file.
#pragma once

#include "dispatch.h"

namespace qelvar {

const std::vector<DispatchRow> &DiagramRows();

} // namespace qelvar
