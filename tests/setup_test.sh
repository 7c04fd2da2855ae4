#!/usr/bin/env bash
# scripts/setup on a machine without apt-get (a PATH that hides it, and sudo): with every tool
# there it goes on and installs nothing; without some it stops at once and names them for
# Debian/Ubuntu, Fedora and Arch; scripts/run stops the same way before building anything.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED at: $*" >&2; exit 1; }

# A PATH of links to every program of this machine but the hidden ones.
path_without() {
    local bin="$work/bin-$RANDOM" folder program
    mkdir "$bin"
    for folder in /usr/local/sbin /usr/local/bin /usr/sbin /usr/bin /sbin /bin; do
        for program in "$folder"/*; do
            [ -x "$program" ] && [ ! -e "$bin/${program##*/}" ] && ln -s "$program" "$bin/"
        done
    done
    for program in apt-get sudo "$@"; do rm -f "$bin/$program"; done
    echo "$bin"
}

# With every tool there it says only which FLTK a build takes.
said=$(PATH=$(path_without) "$root/scripts/setup" 2>&1) || fail "setup with every tool there: $said"
[[ $said =~ ^setup:\ FLTK\ [0-9.]+\ \(.*/fltk-config\)\;\ a\ build\ takes[^$'\n']*$ ]] ||
    fail "setup with every tool there said: $said"

bin=$(path_without cmake ninja xdotool lintian)
start=$SECONDS
status=0
said=$(PATH=$bin "$root/scripts/setup" 2>&1) || status=$?
[ "$status" = 1 ] || fail "setup without cmake, ninja, xdotool and lintian ended with $status: $said"
[ $((SECONDS - start)) -le 10 ] || fail "setup took $((SECONDS - start)) s to find what is missing"
for line in "setup: to build and test Torvexa, this machine lacks:" \
            "  - CMake" "  - Ninja" "  - xdotool" "  - lintian (the Debian package's test) (optional)" \
            "  Debian, Ubuntu: sudo apt install cmake ninja-build xdotool lintian" \
            "  Fedora: sudo dnf install cmake ninja-build xdotool" \
            "  Fedora has no package of: lintian (the Debian package's test)" \
            "  Arch: sudo pacman -S cmake ninja xdotool"; do
    grep -qxF -- "$line" <<<"$said" || fail "setup did not say '$line' but: $said"
done
! grep -q -e 'C++20 compiler' -e FLTK <<<"$said" || fail "setup named what is there: $said"
echo "$said"

# Only optional tools missing: it goes on, and says which tests are skipped.
said=$(PATH=$(path_without lintian) "$root/scripts/setup" 2>&1) || fail "setup stopped for lintian: $said"
grep -qF "  - lintian (the Debian package's test) (optional)" <<<"$said" ||
    fail "setup without lintian said: $said"

# A machine without fontconfig's tools still has its fonts, found in the font folders.
said=$(PATH=$(path_without fc-list) "$root/scripts/setup" run 2>&1) ||
    fail "setup without fc-list did not find the fonts: $said"

# Running the program needs neither xdotool nor lintian; scripts/run stops before cmake.
said=$(PATH=$(path_without xdotool lintian) "$root/scripts/setup" run 2>&1) ||
    fail "setup run asked for test tools: $said"
status=0
said=$(PATH=$bin "$root/scripts/run" 2>&1) || status=$?
[ "$status" = 1 ] && grep -q "this machine lacks" <<<"$said" || fail "scripts/run said: $said"
echo "setup passed"
