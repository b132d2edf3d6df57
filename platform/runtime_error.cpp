#include "runtime_error.h"

namespace qelvar {

std::string ErrorDescription(int number) {
    switch (number) {
    case kInvalidCall:
        return "Invalid procedure call or argument";
    case kOverflow:
        return "Overflow";
    case kSubscriptOutOfRange:
        return "Subscript out of range";
    case kTypeMismatch:
        return "Type mismatch";
    case kFileNotFound:
        return "File not found";
    case kDeviceIoError:
        return "Device I/O error";
    case kDiskFull:
        return "Disk full";
    case kInputPastEnd:
        return "Input past end of file";
    case kPermissionDenied:
        return "Permission denied";
    case kPathFileAccessError:
        return "Path/File access error";
    case kPathNotFound:
        return "Path not found";
    case kInvalidPicture:
        return "Invalid picture";
    default:
        return "Application-defined or object-defined error";
    }
}

RuntimeError::RuntimeError(int number) : RuntimeError(number, ErrorDescription(number)) {}

RuntimeError::RuntimeError(int number, const std::string &description)
    : std::runtime_error(description), number_(number), description_(description) {}

} // namespace qelvar
