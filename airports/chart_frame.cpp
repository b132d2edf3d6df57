#include "chart_frame.h"

#include "platform/numbers.h"
#include "scenery/grid.h"

namespace qelvar {

ChartFrame MakeChartFrame(const AirportHeader &header, int32_t unitsPerDegree, int zoom, int panX, int panY) {
    ChartFrame frame;
    frame.unitsPerDegree = unitsPerDegree;
    frame.zoom = zoom;
    frame.panX = panX;
    frame.panY = panY;
    frame.x0 = int64_t{LonToGrid(header.lon, unitsPerDegree)} - int64_t{7000} * zoom;
    frame.y0 = int64_t{LatToGrid(header.lat, unitsPerDegree)} - int64_t{5000} * zoom;
    return frame;
}

PicturePoint GridToPicture(const ChartFrame &frame, int64_t x, int64_t y) {
    double zoom = frame.zoom;
    int px = RoundToInt32(static_cast<double>(x - frame.x0) / zoom) + frame.panX;
    int py = 10000 - RoundToInt32(static_cast<double>(y - frame.y0) / zoom) + frame.panY;
    return {px, py};
}

PicturePoint CoordinatesToPicture(const ChartFrame &frame, const std::string &lat, const std::string &lon) {
    return GridToPicture(frame, LonToGrid(lon, frame.unitsPerDegree), LatToGrid(lat, frame.unitsPerDegree));
}

} // namespace qelvar
