// Failure points for the two calls of a save that libfiu's POSIX preload does not wrap:
// mkstemp and fchmod. Preloaded beside it.
#include <dlfcn.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>

#define FIU_ENABLE 1  // the failure points are compiled in
#include <fiu.h>

namespace {

template <typename Function>
Function real(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

bool failing(const char* point) {
    if (!fiu_fail(point)) return false;
    errno = static_cast<int>(reinterpret_cast<std::intptr_t>(fiu_failinfo()));
    return true;
}

}  // namespace

extern "C" int mkstemp(char* name) {
    static const auto next = real<int (*)(char*)>("mkstemp");
    return failing("torvexa/mkstemp") ? -1 : next(name);
}

extern "C" int fchmod(int fd, mode_t mode) {
    static const auto next = real<int (*)(int, mode_t)>("fchmod");
    return failing("torvexa/fchmod") ? -1 : next(fd, mode);
}
