// The run-time error that the kit's procedures raise and trap: a classic error number with its
// description, so that every message box reads the same for the same fault.
#pragma once

#include <stdexcept>
#include <string>

namespace qelvar {

enum ErrorNumber : int {
    kInvalidCall = 5,
    kOverflow = 6,
    kSubscriptOutOfRange = 9,
    kTypeMismatch = 13,
    kFileNotFound = 53,
    kDeviceIoError = 57,
    kDiskFull = 61,
    kInputPastEnd = 62,
    kPermissionDenied = 70,
    kPathFileAccessError = 75,
    kPathNotFound = 76,
    kInvalidPicture = 481,
};

// The description that belongs to an error number ("Overflow", "File not found", ...).
std::string ErrorDescription(int number);

class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(int number);
    RuntimeError(int number, const std::string &description);

    int Number() const { return number_; }
    const std::string &Description() const { return description_; }

private:
    int number_;
    std::string description_;
};

} // namespace qelvar
