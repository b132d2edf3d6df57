#include "chart_frame.h"

#include "platform/numbers.h"
#include "scenery/grid.h"

namespace qelvar {

namespace {

int WithinReach(double twips) {
    if (!(std::fabs(twips) <= kFarthestTwips))
        RaiseOverflow();
    return static_cast<int>(twips);
}

} // namespace

ChartFrame MakeChartFrame(const AirportHeader &header, int32_t unitsPerDegree, int zoom, int panX, int panY) {
    ChartFrame frame;
    frame.unitsPerDegree = unitsPerDegree;
    frame.zoom = zoom;
    frame.panX = WithinReach(panX);
    frame.panY = WithinReach(panY);
    frame.x0 = int64_t{LonToGrid(header.lon, unitsPerDegree)} - int64_t{7000} * zoom;
    frame.y0 = int64_t{LatToGrid(header.lat, unitsPerDegree)} - int64_t{5000} * zoom;
    return frame;
}

PicturePoint GridToPicture(const ChartFrame &frame, int64_t x, int64_t y) {
    double zoom = frame.zoom;
    double px = RoundHalfEven(static_cast<double>(x - frame.x0) / zoom) + frame.panX;
    double py = 10000 - RoundHalfEven(static_cast<double>(y - frame.y0) / zoom) + frame.panY;
    return {WithinReach(px), WithinReach(py)};
}

PicturePoint CoordinatesToPicture(const ChartFrame &frame, const std::string &lat, const std::string &lon) {
    return GridToPicture(frame, LonToGrid(lon, frame.unitsPerDegree), LatToGrid(lat, frame.unitsPerDegree));
}

} // namespace qelvar
