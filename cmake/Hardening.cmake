# The hardening Debian builds its packages with (dpkg-buildflags with DEB_BUILD_MAINT_OPTIONS
# hardening=+all): fortified libc calls, stack protector, read-only relocations bound at start,
# and a position-independent executable. The sanitizer and fuzz builds keep their own flags.
add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
# glibc fortifies only optimised code, and warns (an error with -Werror) when asked without it.
add_compile_options(
    "$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
add_link_options(LINKER:-z,relro LINKER:-z,now)
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
