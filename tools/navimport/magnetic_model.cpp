#include "magnetic_model.h"

#include "source_files.h"

#include <GeographicLib/Geocentric.hpp>

#include <cmath>
#include <numbers>
#include <regex>

namespace qelvar::import {

namespace {

constexpr int kDegree = 12;
constexpr double kReferenceRadiusMetres = 6'371'200;

// The rows of the JavaScript table `const NAME = [[...], ...];`: row n holds the coefficients of
// degree n for orders 0 ... 12.
std::vector<std::vector<double>> Table(const std::string &text, const std::string &name,
                                       const std::filesystem::path &file) {
    size_t start = text.find("const " + name + " = [");
    size_t end = start == std::string::npos ? start : text.find("];", start);
    if (end == std::string::npos)
        FailAt(file, 0, "no coefficient table " + name);
    std::string body = text.substr(start, end - start);
    std::vector<std::vector<double>> rows;
    static const std::regex kRow(R"(\[([^\[\]]*)\])"), kNumber(R"(-?\d+(\.\d+)?)");
    for (auto r = std::sregex_iterator(body.begin(), body.end(), kRow); r != std::sregex_iterator(); ++r) {
        std::string cells = (*r)[1];
        std::vector<double> row;
        for (auto n = std::sregex_iterator(cells.begin(), cells.end(), kNumber); n != std::sregex_iterator();
             ++n)
            row.push_back(std::stod(n->str()));
        if (row.size() != kDegree + 1)
            FailAt(file, 0, "table " + name + " needs " + std::to_string(kDegree + 1) + " numbers a row");
        rows.push_back(std::move(row));
    }
    if (rows.size() != kDegree + 1)
        FailAt(file, 0, "table " + name + " needs " + std::to_string(kDegree + 1) + " rows");
    return rows;
}

double EpochOf(const std::string &text, const std::filesystem::path &file) {
    std::smatch m;
    if (!std::regex_search(text, m, std::regex(R"(MODEL_EPOCH:\s*(\d+(\.\d+)?))")))
        FailAt(file, 0, "no MODEL_EPOCH");
    return std::stod(m[1]);
}

// GeographicLib's column-major layout: C(n, m) at m N - m (m - 1) / 2 + n, S without the m = 0 column.
void Fill(const std::vector<std::vector<double>> &g, const std::vector<std::vector<double>> &h,
          std::vector<double> &c, std::vector<double> &s) {
    c.assign((kDegree + 1) * (kDegree + 2) / 2, 0);
    s.assign(c.size() - (kDegree + 1), 0);
    for (int n = 1; n <= kDegree; ++n)
        for (int m = 0; m <= n; ++m) {
            int k = m * kDegree - m * (m - 1) / 2 + n;
            c[k] = g[n][m];
            if (m > 0)
                s[k - (kDegree + 1)] = h[n][m];
        }
}

} // namespace

double MagneticField::Declination() const {
    return std::atan2(east, north) * 180 / std::numbers::pi;
}

MagneticModel::MagneticModel(const std::filesystem::path &file) {
    std::string text = ReadSourceBytes(file);
    epoch_ = EpochOf(text, file);
    auto g = Table(text, "gnmWmm", file), h = Table(text, "hnmWmm", file);
    auto gRate = Table(text, "gtnmWmm", file), hRate = Table(text, "htnmWmm", file);
    Fill(g, h, c_, s_);
    Fill(gRate, hRate, cRate_, sRate_);
    sums_ =
        GeographicLib::SphericalHarmonic1(c_, s_, kDegree, cRate_, sRate_, kDegree, kReferenceRadiusMetres,
                                          GeographicLib::SphericalHarmonic1::SCHMIDT);
}

MagneticField MagneticModel::FieldAt(double lat, double lon, double heightMetres, double decimalYear) const {
    const GeographicLib::Geocentric &earth = GeographicLib::Geocentric::WGS84();
    double x, y, z;
    std::vector<double> rotation(9);
    earth.Forward(lat, lon, heightMetres, x, y, z, rotation);
    double gx, gy, gz;
    sums_(decimalYear - epoch_, x, y, z, gx, gy, gz);
    // The field is minus the gradient of the potential a * V.
    double bx = -kReferenceRadiusMetres * gx, by = -kReferenceRadiusMetres * gy,
           bz = -kReferenceRadiusMetres * gz;
    // Geocentric to east, north, up: the transpose of the rotation (row-major).
    double east = rotation[0] * bx + rotation[3] * by + rotation[6] * bz;
    double north = rotation[1] * bx + rotation[4] * by + rotation[7] * bz;
    double up = rotation[2] * bx + rotation[5] * by + rotation[8] * bz;
    return {north, east, -up};
}

} // namespace qelvar::import
