#pragma once

#include <functional>

#include "common/Failure.h"

namespace torvexa::test {

// The Windows code of the file error an operation fails with; 0 when it does not fail.
inline int errorCodeOf(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const FileError& e) {
        return e.code();
    }
    return 0;
}

}  // namespace torvexa::test
