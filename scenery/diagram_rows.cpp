#include "diagram_rows.h"

namespace qelvar {

namespace {

using A = SceneryAirport;

template <auto Field> void Header(ReadContext &c) {
    c.airport.header.*Field = c.First();
}

void RunwayNumber(ReadContext &c) {
    std::string number = c.First(), designator = c.Second();
    if (SceneryRunway *r = c.airport.runways.Open()) {
        r->number = number;
        r->designator = designator;
    }
}

void StartNumber(ReadContext &c) {
    std::string number = c.First(), designator = c.Second();
    if (RunwayStart *s = c.airport.starts.Open()) {
        s->number = number;
        s->designator = designator;
    }
}

void VasiEnd(ReadContext &c) {
    std::string end = c.First(), side = c.Second();
    if (VasiRecord *v = c.airport.vasis.Open()) {
        v->end = end;
        v->side = side;
        v->runway = static_cast<int>(c.airport.runways.Count());
    }
}

void TaxiNameLine(ReadContext &c) {
    std::string name = c.Second();
    if (TaxiName *n = c.airport.taxiNames.Open())
        n->name = name;
    c.airport.taxiNames.Close();
}

void PathStart(ReadContext &c) {
    std::string start = c.First(), end = c.Second();
    if (TaxiPath *p = c.airport.taxiPaths.Open()) {
        p->start = start;
        p->end = end;
    }
}

int LastVertex(const A &a) {
    return static_cast<int>(a.apronVertices.Count()) - 1;
}

void BoundaryFence(ReadContext &c) {
    c.airport.apronEndMark = LastVertex(c.airport);
}

void EdgeLights(ReadContext &c) {
    c.airport.edgeLights = true;
    c.airport.fenceEndMark = LastVertex(c.airport);
}

void Vertex(ReadContext &c) {
    if (c.airport.edgeLights)
        return;
    std::string lat = c.First(), lon = c.Second();
    if (ApronVertex *v = c.airport.apronVertices.Open()) {
        v->lat = lat;
        v->lon = lon;
    }
    c.airport.apronVertices.Close();
}

void ApronSeparator(ReadContext &c) {
    if (ApronVertex *v = c.airport.apronVertices.Open())
        *v = ApronVertex{"", "0"};
    c.airport.apronVertices.Close();
}

constexpr auto Tag = RowMatch::TagLine;
constexpr auto Attr = RowMatch::Attribute;

} // namespace

const std::vector<DispatchRow> &DiagramRows() {
    static const std::vector<DispatchRow> rows = {
        {"<Airport", Attr, "country", Header<&AirportHeader::country>},
        {"<Airport", Attr, "state", Header<&AirportHeader::state>},
        {"<Airport", Attr, "city", Header<&AirportHeader::city>},
        {"<Airport", Attr, "name", Header<&AirportHeader::name>},
        {"<Airport", Attr, "lat", Header<&AirportHeader::lat>},
        {"<Airport", Attr, "lon", Header<&AirportHeader::lon>},
        {"<Airport", Attr, "alt", Header<&AirportHeader::alt>},
        {"<Airport", Attr, "magvar", Header<&AirportHeader::magvar>},
        {"<Tower", Attr, "lat", Header<&AirportHeader::towerLat>},
        {"<Tower", Attr, "lon", Header<&AirportHeader::towerLon>},
        {"<Tower", Attr, "alt", Header<&AirportHeader::towerAlt>},

        {"<Runway", Attr, "<Runway number", RunwayNumber},
        {"<Runway", Attr, "lat", Store<&A::runways, &SceneryRunway::lat>},
        {"<Runway", Attr, "lon", Store<&A::runways, &SceneryRunway::lon>},
        {"<Runway", Attr, "length", Store<&A::runways, &SceneryRunway::length>},
        {"<Runway", Attr, "width", Store<&A::runways, &SceneryRunway::width>},
        {"<Runway", Attr, "heading", Store<&A::runways, &SceneryRunway::heading>},
        {"<Runway", Attr, "surface", Store<&A::runways, &SceneryRunway::surface>},
        {"</Runway>", Tag, nullptr, CloseRecord<&A::runways>},

        {"<Start", Attr, "<Start type", Store<&A::starts, &RunwayStart::type>},
        {"<Start", Attr, "number", StartNumber},
        {"<Start", Attr, "lat", Store<&A::starts, &RunwayStart::lat>},
        {"<Start", Attr, "lon", Store<&A::starts, &RunwayStart::lon>},
        {"<Start", Attr, "alt", Store<&A::starts, &RunwayStart::alt>},
        {"<Start", Attr, "heading", StoreAndClose<&A::starts, &RunwayStart::heading>},

        {"<Ils", Attr, "<Ils end", StoreSecond<&A::ils, &IlsRecord::ident>},
        {"<Ils", Attr, "frequency", Store<&A::ils, &IlsRecord::frequency>},
        {"<Ils", Attr, "heading", Store<&A::ils, &IlsRecord::heading>},
        {"<Ils", Attr, "name", StoreAndClose<&A::ils, &IlsRecord::name>},

        {"<Vasi", Attr, "<Vasi end", VasiEnd},
        {"<Vasi", Attr, "type", Store<&A::vasis, &VasiRecord::type>},
        {"<Vasi", Attr, "spacing", StoreAndClose<&A::vasis, &VasiRecord::spacing>},

        {"<Com", Attr, "<Com type", Store<&A::coms, &ComRecord::type>},
        {"<Com", Attr, "frequency", Store<&A::coms, &ComRecord::frequency>},
        {"<Com", Attr, "name", StoreAndClose<&A::coms, &ComRecord::name>},

        {"<TaxiwayPoint", Attr, "<TaxiwayPoint index", Store<&A::taxiPoints, &TaxiPoint::index>},
        {"<TaxiwayPoint", Attr, "type", Store<&A::taxiPoints, &TaxiPoint::type>},
        {"<TaxiwayPoint", Attr, "lat", Store<&A::taxiPoints, &TaxiPoint::lat>},
        {"<TaxiwayPoint", Attr, "lon", StoreAndClose<&A::taxiPoints, &TaxiPoint::lon>},

        {"<TaxiName", Attr, "<TaxiName index", TaxiNameLine},

        {"<TaxiwayParking", Attr, "<TaxiwayParking index", Store<&A::parkingSpots, &ParkingSpot::index>},
        {"<TaxiwayParking", Attr, "type", Store<&A::parkingSpots, &ParkingSpot::type>},
        {"<TaxiwayParking", Attr, "name", Store<&A::parkingSpots, &ParkingSpot::name>},
        {"<TaxiwayParking", Attr, "number", Store<&A::parkingSpots, &ParkingSpot::number>},
        {"<TaxiwayParking", Attr, "lat", Store<&A::parkingSpots, &ParkingSpot::lat>},
        {"<TaxiwayParking", Attr, "lon", Store<&A::parkingSpots, &ParkingSpot::lon>},
        {"<TaxiwayParking", Attr, "heading", StoreAndClose<&A::parkingSpots, &ParkingSpot::heading>},

        {"<TaxiwayPath", Attr, "<TaxiwayPath start", PathStart},
        {"<TaxiwayPath", Attr, "type", Store<&A::taxiPaths, &TaxiPath::type>},
        {"<TaxiwayPath", Attr, "name", Store<&A::taxiPaths, &TaxiPath::name>},
        {"<TaxiwayPath", Attr, "width", StoreAndClose<&A::taxiPaths, &TaxiPath::width>},

        {"<BoundaryFence", Tag, nullptr, BoundaryFence},
        {"<EdgeLights>", Tag, nullptr, EdgeLights},
        {"<Vertex", Attr, "<Vertex lat", Vertex},
        {"</Apron>", Tag, nullptr, ApronSeparator},
        // "<Markings", "<Lights", "<Aprons>" and "<ApronEdgeLights" lines have no rows: nothing is kept.
    };
    return rows;
}

} // namespace qelvar
