#include "chart_header.h"

#include "chart_colors.h"
#include "chart_frame.h"
#include "platform/numbers.h"
#include "platform/runtime_error.h"
#include "scenery/grid.h"

#include <algorithm>
#include <cctype>

namespace qelvar {

namespace {

constexpr const char *kDegree = "\xB0"; // "°" in Windows-1252
constexpr int kListTop = 800;
constexpr int kListStep = 250;

bool ContainsIgnoringCase(std::string text, const std::string &word) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text.find(word) != std::string::npos;
}

bool ShowsRadio(const ComRecord &com, const HeaderStyle &style) {
    if (!style.approachRadiosOnly)
        return true;
    return ContainsIgnoringCase(com.type, "ATIS") || ContainsIgnoringCase(com.type, "TOWER") ||
           ContainsIgnoringCase(com.type, "APPROACH");
}

void DrawRadioList(Canvas &canvas, const SceneryAirport &airport, const HeaderStyle &style) {
    int n = 0;
    for (const ComRecord &com : airport.coms) {
        if (!ShowsRadio(com, style))
            continue;
        ++n;
        canvas.Text(10500, kListTop + kListStep * n, com.name + " " + com.type + "  " + com.frequency, 8);
    }
}

// One line per runway whose first start is not a helipad, then the ILS lines when asked for; how many
// were drawn.
int DrawRunwayAndIlsLists(Canvas &canvas, SceneryAirport &airport, bool ilsList) {
    for (size_t i = 0; i < airport.starts.Count(); ++i)
        airport.starts[i].number = PaddedRunwayNumber(airport.starts[i].number);
    int n = 0;
    for (size_t p = 0; 2 * p < airport.starts.Count(); ++p) {
        const RunwayStart &first = airport.starts[2 * p];
        if (first.type == "HELIPAD" || p >= airport.runways.Count())
            continue;
        const SceneryRunway &runway = airport.runways[p];
        ++n;
        canvas.Text(200, kListTop + kListStep * n,
                    "RWY- " + first.number + DesignatorLetter(first.designator) + "-" + runway.length +
                        " x " + runway.width + " - " + runway.surface,
                    8);
    }
    if (!ilsList || airport.ils.Count() == 0 || airport.ils[0].name.empty())
        return n;
    for (const IlsRecord &ils : airport.ils) {
        ++n;
        canvas.Text(200, kListTop + kListStep * n,
                    ils.name + "-" + ils.heading + kDegree + "-" + ils.ident + "-" + ils.frequency, 8);
    }
    return n;
}

void DrawWarningAndScale(Canvas &canvas, const SceneryAirport &airport, const HeaderStyle &style) {
    canvas.SetColor(kDarkRed);
    std::string missing = MissingPartsText(airport);
    if (!missing.empty())
        canvas.Text(200, 9650, missing, 8);
    if (style.scaleZoom <= 0) {
        canvas.Text(200, 9900, "DO NOT USE FOR REAL NAVIGATION! FSX ONLY", 8);
    } else {
        canvas.Text(200, 9900, "DO NOT USE FOR REAL NAVIGATION! FSX ONLY     NM SCALE ->", 8);
        int step = RoundToInt32(4800.0 / style.scaleZoom);
        canvas.Line(6000, 9920, 6000 + 10 * step, 9920);
        for (int i = 0; i <= 10; ++i)
            canvas.Text(6000 + i * step, 9900, std::to_string(i), 8);
    }
    canvas.SetColor(kBlack);
}

} // namespace

MagneticVariation ReadMagneticVariation(const std::string &magvar) {
    double v = ParseDecimal(magvar);
    return v >= 180 ? MagneticVariation{360 - v, true} : MagneticVariation{v, false};
}

double EastVariation(const std::string &magvar) {
    if (magvar.empty())
        return 0;
    MagneticVariation variation = ReadMagneticVariation(magvar);
    return variation.east ? variation.degrees : -variation.degrees;
}

std::string MagneticVariationText(const std::string &magvar) {
    if (magvar.empty())
        return {};
    MagneticVariation variation = ReadMagneticVariation(magvar);
    return FixedDecimals(variation.degrees, 2) + kDegree + (variation.east ? " E" : " W");
}

std::string MissingPartsText(const SceneryAirport &airport) {
    if (airport.header.ident.empty())
        return {}; // the airport was not found: its caption says so
    std::string text;
    if (airport.runways.Count() == 0)
        text = "The scenery file has no runways for " + airport.header.ident + ".";
    if (airport.cutShort)
        text += (text.empty() ? "" : " ") +
                std::string("The scenery file ends before </Airport>: parts of the airport may be missing.");
    return text;
}

std::string PaddedRunwayNumber(const std::string &number) {
    return number.size() == 1 ? "0" + number : number;
}

std::string DesignatorLetter(const std::string &designator) {
    if (designator.empty() || designator[0] == 'N')
        return {};
    return designator.substr(0, 1);
}

int DrawChartHeader(Canvas &canvas, SceneryAirport &airport, const HeaderStyle &style) {
    const AirportHeader &h = airport.header;
    canvas.Clear();
    canvas.SetFontName("Lucida Sans Unicode");
    canvas.SetColor(kBlack);
    canvas.SetLineStyle(LineStyle::Solid);
    canvas.SetFill(kBlack, FillStyle::Transparent);
    canvas.SetLineWidth(1);

    canvas.Text(100, 100, h.ident, 14, true);
    canvas.Text(2100, 100, h.city + "  " + h.name, 14);
    canvas.Text(10100, 100, h.state + "  " + h.country, 14);
    canvas.Line(0, 500, kChartWidth, 500);
    std::string elevation;
    try {
        elevation = MetresToFeetText(h.alt);
    } catch (const RuntimeError &) {
        elevation = h.alt; // not a metre text: shown as written
    }
    canvas.Text(100, 550, "Elev: " + elevation, 12, true);
    std::string variation;
    try {
        variation = MagneticVariationText(h.magvar);
    } catch (const RuntimeError &) {
        variation = h.magvar;
    }
    canvas.Text(5100, 550,
                h.lat + "   " + h.lon + "                               Magnetic Variation: " + variation,
                10);
    canvas.Line(0, 900, kChartWidth, 900);

    DrawRadioList(canvas, airport, style);
    int listLines = DrawRunwayAndIlsLists(canvas, airport, style.ilsList);
    DrawWarningAndScale(canvas, airport, style);
    return listLines;
}

} // namespace qelvar
