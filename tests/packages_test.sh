#!/usr/bin/env bash
# The Arch and Fedora packages as scripts/package makes them in a clean clone of this commit
# (makepkg -d as a user other than root, rpmbuild -bb --nodeps), then opened: each holds the
# .deb's files where its distribution puts them; its program links the system's FLTK, holds no
# path of the machine that built it, and finds every library it needs in a declared dependency;
# the Liberation fonts are one; the menu entry starts a launcher the package has; rpmlint passes
# on the RPM and the file it is built from. Usage: packages_test.sh BUILD_DIR
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
build=$1
fail() {
    echo "FAILED: $*" >&2
    exit 1
}
for tool in git makepkg bsdtar fakeroot zstd rpmbuild rpm2cpio cpio rpmlint dpkg-deb; do
    command -v "$tool" >/dev/null || { echo "skipped: the packages' test needs $tool"; exit 77; }
done
git -C "$ROOT" rev-parse --verify -q HEAD >/dev/null || { echo "skipped: not a git clone"; exit 77; }

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
git clone -q "$ROOT" "$WORK/clone"
"$WORK/clone/scripts/package" arch fedora >"$WORK/package.log" 2>&1 ||
    fail "scripts/package arch fedora: $(tail -n 20 "$WORK/package.log")"
version=$(sed -n 's/^project(Torvexa VERSION \([0-9.]*\) .*/\1/p' "$ROOT/CMakeLists.txt")
grep -qx "pkgver=$version" "$ROOT/packaging/arch/PKGBUILD" || fail "the PKGBUILD's pkgver is not $version"
grep -qE "^Version: +$version$" "$ROOT/packaging/fedora/torvexa.spec" || fail "the Fedora package's Version is not $version"
arch_pkg=$(ls "$WORK"/clone/build/packages/torvexa-"$version"-1-x86_64.pkg.tar.zst) || fail "no Arch package"
rpm_pkg=$(ls "$WORK"/clone/build/packages/torvexa-"$version"-1.*x86_64.rpm) || fail "no RPM"

# The .deb's files (as cpack makes it from this build), and where Arch and Fedora put them.
deb=$(ls "$build"/torvexa_*_*.deb 2>/dev/null | head -n1 || true)
[ -n "$deb" ] || (cd "$build" && cpack -G DEB >/dev/null) || fail "cpack failed"
deb=$(ls "$build"/torvexa_*_*.deb | head -n1)
deb_files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print substr($6, 3)}' | sort)
fedora_expected=$(sed -e '\|^usr/share/lintian/|d' \
                      -e 's|^usr/share/doc/torvexa/copyright$|usr/share/licenses/torvexa/LICENSE|' \
                      <<<"$deb_files" | sort)
arch_expected=$(sed 's|^usr/libexec/|usr/lib/|' <<<"$fedora_expected" | sort)
arch_files=$(bsdtar -tf "$arch_pkg" | grep -v '/$' | grep -v '^\.' | sort)
# (rpm's build-id links, which every Fedora package has, aside.)
rpm_files=$(rpm -qp --qf '[%{FILEMODES:perms} %{FILENAMES}\n]' "$rpm_pkg" 2>/dev/null |
            awk '$1 !~ /^d/ {print substr($2, 2)}' | grep -v '^usr/lib/\.build-id/' | sort)
[ "$arch_files" = "$arch_expected" ] ||
    fail "the Arch package's files differ from the .deb's: $(diff <(echo "$arch_expected") <(echo "$arch_files"))"
[ "$rpm_files" = "$fedora_expected" ] ||
    fail "the RPM's files differ from the .deb's: $(diff <(echo "$fedora_expected") <(echo "$rpm_files"))"

mkdir "$WORK/arch" "$WORK/fedora"
bsdtar -xf "$arch_pkg" -C "$WORK/arch"
(cd "$WORK/fedora" && rpm2cpio "$rpm_pkg" | cpio -idm --quiet)
depends=$(bsdtar -xOf "$arch_pkg" .PKGINFO | sed -n 's/^depend = //p')
requires=$(rpm -qpR "$rpm_pkg" 2>/dev/null)
grep -qx ttf-liberation <<<"$depends" || fail "the Arch package does not depend on ttf-liberation"
grep -qx liberation-sans-fonts <<<"$requires" || fail "the RPM does not require liberation-sans-fonts"

# Which Arch package brings each library the program may need.
arch_package_of() {
    case $1 in
        libfltk*) echo fltk ;; libX11.so*) echo libx11 ;; libfontconfig.so*) echo fontconfig ;;
        libstdc++.so* | libgcc_s.so*) echo gcc-libs ;; libc.so* | libm.so*) echo glibc ;;
        *) echo "?" ;;
    esac
}
for root in "$WORK/arch" "$WORK/fedora"; do
    program=$root/usr/bin/torvexa
    needed=$(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
    grep -q '^libfltk' <<<"$needed" || fail "$program does not link the system's FLTK"
    ! grep -aq -e "$WORK" -e "/torvexa-$version/" "$program" || fail "$program holds a path of its build"
    launcher=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/torvexa.desktop")
    [ -x "$root$launcher" ] || fail "the menu entry starts $launcher, which the package lacks"
    [ -x "$(dirname "$root$launcher")/$(sed -n 's|.*exec "$(dirname "$0")/\(.*\)" "$@"|\1|p' \
        "$root$launcher")" ] || fail "$launcher does not find the program"
    for library in $needed; do
        if [ "$root" = "$WORK/arch" ]; then
            grep -qx "$(arch_package_of "$library")" <<<"$depends" ||
                fail "the Arch package's program needs $library; no dependency brings it"
        else
            grep -q "^$library" <<<"$requires" || fail "the RPM does not require $library"
        fi
    done
done

recipe=$ROOT/packaging/fedora/torvexa.spec
findings=$(rpmlint -c "$ROOT/packaging/fedora/rpmlint.toml" -r "$ROOT/packaging/fedora/torvexa.rpmlintrc" \
    "$recipe" "$rpm_pkg" 2>&1) || fail "rpmlint: $findings"
grep -q ' 0 errors, 0 warnings' <<<"$findings" || fail "rpmlint: $findings"
echo "packages passed: $(basename "$arch_pkg") $(basename "$rpm_pkg")"
