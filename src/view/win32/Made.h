#pragma once

// What Windows could not make, and how that is told.

// Windows' headers after the program's, so that their macros reach none of its headers.
#include "forms/Program.h"

#include <windows.h>

#include <new>
#include <stdexcept>
#include <string>

namespace torvexa::win32 {

// What Windows could not make: without it the view cannot show the program.
class ViewFailure : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The handle Windows made; none fails with the call's name and the system's error code.
template <typename Handle>
Handle made(Handle handle, const char* call) {
    if (!handle)
        throw ViewFailure(std::string(call) + " failed (error " + std::to_string(GetLastError()) +
                          ")");
    return handle;
}

// A row a list or drop-down could not take (LB_ERRSPACE, CB_ERRSPACE or an error): the only
// cause left once the index is valid is a lack of memory.
inline void rowAdded(LRESULT result) {
    if (result < 0) throw std::bad_alloc();
}

}  // namespace torvexa::win32
