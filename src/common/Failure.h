#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace torvexa {

// A failure that travels out of a command to the standard error report.
// what() is the exact text the user sees (before the report's final ".").
class Failure : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Reading an entry past the end of a list (document lists, catalogue).
class ListIndexError : public Failure {
  public:
    explicit ListIndexError(long long index);
};

// Writing an entry at an index past the end of a list.
class InsertLineError : public Failure {
  public:
    InsertLineError();
};

class NotAnIntegerError : public Failure {
  public:
    explicit NotAnIntegerError(std::string_view text);
};

// A registry value whose type is not a string.
class InvalidDataTypeError : public Failure {
  public:
    explicit InvalidDataTypeError(std::string_view valueName);
};

// A file operation failed; code() is the Windows error code.
class FileError : public Failure {
  public:
    explicit FileError(int code);
    int code() const noexcept { return code_; }
    static std::string messageFor(int code);

  private:
    int code_;
};

// Windows error codes the program distinguishes.
namespace winerror {
inline constexpr int fileNotFound = 2;
inline constexpr int pathNotFound = 3;
inline constexpr int tooManyOpenFiles = 4;
inline constexpr int accessDenied = 5;
inline constexpr int writeProtect = 19;
inline constexpr int generalFailure = 31;
inline constexpr int sharingViolation = 32;
inline constexpr int fileExists = 80;
inline constexpr int invalidParameter = 87;
inline constexpr int diskFull = 112;
inline constexpr int filenameTooLong = 206;
inline constexpr int ioDevice = 1117;
inline constexpr int cantResolveFilename = 1921;
}  // namespace winerror

}  // namespace torvexa
