#include "common/Failure.h"

namespace torvexa {

ListIndexError::ListIndexError(long long index)
    : Failure("List index out of bounds (" + std::to_string(index) + ")") {}

InsertLineError::InsertLineError() : Failure("Unable to insert a line") {}

NotAnIntegerError::NotAnIntegerError(std::string_view text)
    : Failure("'" + std::string(text) + "' is not a valid integer value") {}

InvalidDataTypeError::InvalidDataTypeError(std::string_view valueName)
    : Failure("Invalid data type for '" + std::string(valueName) + "'") {}

FileError::FileError(int code) : Failure(messageFor(code)), code_(code) {}

std::string FileError::messageFor(int code) {
    switch (code) {
        case winerror::fileNotFound:
            return "File not found";
        case winerror::pathNotFound:
            return "Invalid filename";
        case winerror::tooManyOpenFiles:
            return "Too many open files";
        case winerror::accessDenied:
            return "File access denied";
        default:
            return "I/O error " + std::to_string(code);
    }
}

}  // namespace torvexa
