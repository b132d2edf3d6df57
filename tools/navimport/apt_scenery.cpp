// apt.dat rows for the scenery files: runways (100, 101, 102), tower (14), frequencies (50-56),
// VASI/PAPI (21), start-up spots (15, 1300), taxi network (1201, 1202, 1204), legacy taxiways (10),
// pavement (110) and boundary (130) outlines with their nodes (111-116).
#include "apt_scenery.h"
#include "source_files.h"
#include "tokens.h"

namespace qelvar::import {

namespace {

GeoPoint PositionAt(const Tokens &t, size_t latColumn) {
    return {t.Number(latColumn + 1), t.Number(latColumn)};
}

// Where the node rows 111-116 go: the open ring of a pavement or boundary, or nowhere (lines).
struct OutlineCursor {
    AptOutline *outline = nullptr;
    bool ringOpen = false;
    void Start(AptOutline *o) {
        outline = o;
        ringOpen = false;
    }
};

void ReadNode(const Tokens &t, int code, OutlineCursor &cursor) {
    if (!cursor.outline)
        return; // a node of a painted line (120) or a stray node
    bool bezier = code == 112 || code == 114 || code == 116;
    t.Require(bezier ? 5 : 3, "a node row needs its position (and control point)");
    AptPathNode node;
    node.position = PositionAt(t, 1);
    node.bezier = bezier;
    if (bezier)
        node.control = PositionAt(t, 3);
    if (!cursor.ringOpen)
        cursor.outline->rings.emplace_back();
    cursor.outline->rings.back().push_back(node);
    cursor.ringOpen = !(code == 113 || code == 114 || code == 115 || code == 116);
}

void ReadRow(const Tokens &t, int code, AptSceneryAirport &a, OutlineCursor &cursor) {
    if (code >= 111 && code <= 116) {
        ReadNode(t, code, cursor);
        return;
    }
    cursor.Start(nullptr);
    switch (code) {
    case 100: {
        t.Require(26, "a runway row has 26 fields");
        AptLandRunway r;
        r.widthMetres = t.Number(1);
        r.surface = t.Int(2);
        r.ends[0] = {t.Text(8), PositionAt(t, 9), t.Number(11)};
        r.ends[1] = {t.Text(17), PositionAt(t, 18), t.Number(20)};
        a.runways.push_back(r);
        break;
    }
    case 101: {
        t.Require(9, "a water runway row has 9 fields");
        AptWaterRunway r;
        r.widthMetres = t.Number(1);
        r.ends[0] = {t.Text(3), PositionAt(t, 4)};
        r.ends[1] = {t.Text(6), PositionAt(t, 7)};
        a.waterRunways.push_back(r);
        break;
    }
    case 102: {
        t.Require(8, "a helipad row has name, position, heading, size and surface");
        a.helipads.push_back({t.Text(1), PositionAt(t, 2), t.Number(4), t.Number(5), t.Number(6), t.Int(7)});
        break;
    }
    case 14:
        t.Require(4, "a tower row has position and height");
        a.towers.push_back({PositionAt(t, 1), t.Number(3)});
        break;
    case 15:
        t.Require(4, "a start-up row has position and heading");
        a.ramps.push_back({PositionAt(t, 1), t.Number(3), "", "", t.Rest(4)});
        break;
    case 1300:
        t.Require(6, "a start-up row has position, heading, type and classes");
        a.startups.push_back({PositionAt(t, 1), t.Number(3), t.Text(4), t.Text(5), t.Rest(6)});
        break;
    case 21:
        t.Require(7, "a VASI row has position, type, heading, angle and runway");
        a.vasis.push_back({PositionAt(t, 1), t.Int(3), t.Number(4), t.Number(5), t.Text(6)});
        break;
    case 1201:
        t.Require(5, "a taxi node has position, usage and id");
        a.taxiNodes.push_back({PositionAt(t, 1), t.Int(4)});
        break;
    case 1202:
        t.Require(5, "a taxi edge has two nodes, direction and kind");
        a.taxiEdges.push_back({t.Int(1), t.Int(2), t.Text(4) == "runway", t.Rest(5), ""});
        break;
    case 1204:
        t.Require(2, "a hot zone row names its kind");
        if (!a.taxiEdges.empty())
            a.taxiEdges.back().hotZone = t.Text(1);
        break;
    case 10:
        t.Require(11, "a taxiway rectangle row has 11 or more fields");
        if (t.Text(3) == "xxx")
            a.legacyTaxiways.push_back({PositionAt(t, 1), t.Number(4), t.Number(5), t.Number(8), t.Int(10)});
        break;
    case 110:
        t.Require(2, "a pavement row names its surface");
        a.pavements.push_back({t.Int(1), {}});
        cursor.Start(&a.pavements.back());
        break;
    case 130:
        a.boundaries.push_back({0, {}});
        cursor.Start(&a.boundaries.back());
        break;
    default:
        if (code >= 50 && code <= 56) {
            t.Require(2, "a frequency row needs its frequency");
            a.coms.push_back({code, t.Int(1), t.Rest(2)});
        }
    }
}

} // namespace

std::map<std::string, AptSceneryAirport> ReadAptScenery(const std::filesystem::path &file,
                                                        const std::set<std::string> &idents) {
    std::map<std::string, AptSceneryAirport> airports;
    AptSceneryAirport *current = nullptr;
    OutlineCursor cursor;
    ForEachDataRow(file, [&](const Tokens &t) {
        const std::string &codeText = t.Text(0);
        if (codeText == "1" || codeText == "16" || codeText == "17") {
            t.Require(5, "an airport header needs elevation, tower, (unused) and ident");
            current = nullptr;
            cursor.Start(nullptr);
            const std::string &ident = t.Text(4);
            if (!idents.count(ident) || airports.count(ident))
                return; // not asked for, or a repeated ident (the first airport wins)
            AptSceneryAirport &a = airports[ident];
            a.ident = ident;
            a.elevationFeet = t.Number(1);
            a.name = t.Rest(5);
            current = &a;
            return;
        }
        if (current)
            ReadRow(t, t.Int(0), *current, cursor);
    });
    return airports;
}

} // namespace qelvar::import
