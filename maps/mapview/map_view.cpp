#include "map_view.h"

namespace qelvar {

void SetWorldView(MapView &view) { view = MapView{}; }

} // namespace qelvar
