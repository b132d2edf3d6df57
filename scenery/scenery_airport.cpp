#include "scenery_airport.h"

namespace qelvar {

void ClearSceneryAirport(SceneryAirport &airport) {
    airport.header = AirportHeader{};
    airport.runways.Clear();
    airport.starts.Clear();
    airport.ils.Clear();
    airport.coms.Clear();
    airport.vasis.Clear();
    airport.taxiPoints.Clear();
    airport.taxiNames.Clear();
    airport.parkingSpots.Clear();
    airport.taxiPaths.Clear();
    airport.apronVertices.Clear();
    airport.apronEndMark.reset();
    airport.fenceEndMark.reset();
    airport.edgeLights = false;
    airport.ndbs.Clear();
    airport.waypoints.Clear();
    airport.approaches.Clear();
    airport.transitions.Clear();
    airport.legs.Clear();
    airport.legsInTransition = false;
    airport.cutShort = false;
}

} // namespace qelvar
