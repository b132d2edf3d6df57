// Natural Earth TopoJSON: quantised, delta-encoded arcs shared by the geometries of an object.
#include "source_files.h"
#include "sources.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <map>
#include <set>

namespace qelvar::import {

namespace {

struct Topology {
    std::vector<GeoLine> arcs;
    // For every geometry of the object: the arcs it uses (reversed ones as their own index).
    std::vector<std::set<int>> geometryArcs;
};

void CollectArcIndices(const QJsonValue &value, std::set<int> &into) {
    if (value.isArray()) {
        for (const QJsonValue &item : value.toArray())
            CollectArcIndices(item, into);
    } else if (value.isDouble()) {
        int i = value.toInt();
        into.insert(i < 0 ? ~i : i);
    }
}

Topology ReadTopology(const std::filesystem::path &file, const std::string &objectName) {
    std::string bytes = ReadSourceBytes(file);
    QJsonParseError error{};
    QJsonDocument doc =
        QJsonDocument::fromJson(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        FailAt(file, 0, "not a valid TopoJSON document: " + error.errorString().toStdString());
    QJsonObject root = doc.object();
    if (root.value("type").toString() != "Topology")
        FailAt(file, 0, "the document is not a Topology");

    QJsonObject transform = root.value("transform").toObject();
    QJsonArray scale = transform.value("scale").toArray();
    QJsonArray translate = transform.value("translate").toArray();
    if (scale.size() != 2 || translate.size() != 2)
        FailAt(file, 0, "the topology has no quantisation transform");
    double sx = scale[0].toDouble(), sy = scale[1].toDouble();
    double tx = translate[0].toDouble(), ty = translate[1].toDouble();

    Topology topology;
    for (const QJsonValue &arcValue : root.value("arcs").toArray()) {
        GeoLine line;
        double x = 0, y = 0;
        for (const QJsonValue &pointValue : arcValue.toArray()) {
            QJsonArray p = pointValue.toArray();
            if (p.size() < 2)
                FailAt(file, 0, "an arc holds a point without two coordinates");
            x += p[0].toDouble();
            y += p[1].toDouble();
            line.push_back({x * sx + tx, y * sy + ty});
        }
        topology.arcs.push_back(std::move(line));
    }

    QJsonValue object = root.value("objects").toObject().value(QString::fromStdString(objectName));
    if (!object.isObject())
        FailAt(file, 0, "the topology has no object \"" + objectName + "\"");
    for (const QJsonValue &geometry : object.toObject().value("geometries").toArray()) {
        std::set<int> arcs;
        CollectArcIndices(geometry.toObject().value("arcs"), arcs);
        for (int i : arcs)
            if (i >= static_cast<int>(topology.arcs.size()))
                FailAt(file, 0, "a geometry refers to arc " + std::to_string(i) + ", which does not exist");
        topology.geometryArcs.push_back(std::move(arcs));
    }
    return topology;
}

} // namespace

std::vector<GeoLine> ReadTopologyArcs(const std::filesystem::path &file, const std::string &object) {
    Topology topology = ReadTopology(file, object);
    std::set<int> used;
    for (const std::set<int> &arcs : topology.geometryArcs)
        used.insert(arcs.begin(), arcs.end());
    std::vector<GeoLine> lines;
    for (int i : used)
        lines.push_back(topology.arcs[i]);
    return lines;
}

std::vector<GeoLine> ReadSharedArcs(const std::filesystem::path &file, const std::string &object) {
    Topology topology = ReadTopology(file, object);
    std::map<int, int> users;
    for (const std::set<int> &arcs : topology.geometryArcs)
        for (int i : arcs)
            ++users[i];
    std::vector<GeoLine> lines;
    for (auto [i, count] : users)
        if (count >= 2)
            lines.push_back(topology.arcs[i]);
    return lines;
}

} // namespace qelvar::import
