#!/usr/bin/env bash
# Removes what install.sh installed, and nothing else: the files and the folders it made (those
# above the prefix too), as written down in share/torvexa/installed-files; a folder that holds
# anything else stays.
#
#   ./uninstall.sh [--prefix DIR]      (DIR defaults to ~/.local, as for install.sh)
#
# Your choice of language (~/.config/torvexa) and your game's files are yours: they stay.
# Safe to run again.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

prefix=
while [ $# -gt 0 ]; do
    case $1 in
        --prefix) [ $# -ge 2 ] || { echo "uninstall.sh: --prefix needs a folder" >&2; exit 2; }
                  prefix=$2; shift 2 ;;
        --prefix=*) prefix=${1#--prefix=}; shift ;;
        -h|--help) sed -n '2,8s/^# \{0,1\}//p' "$0"; exit 0 ;;
        *) echo "uninstall.sh: unknown option $1 (see --help)" >&2; exit 2 ;;
    esac
done

case $prefix in "~" | "~/"*) prefix=$HOME${prefix#\~} ;; esac
if [ -n "$prefix" ]; then
    manifest=$prefix/share/torvexa/installed-files
elif [ -f "$here/installed-files" ]; then
    manifest=$here/installed-files  # the copy install.sh put beside the list
else
    manifest=$HOME/.local/share/torvexa/installed-files
fi
if [ ! -f "$manifest" ]; then
    echo "Torvexa is not installed there ($manifest does not exist): nothing to remove."
    exit 0
fi

# Only what lies in the folders the install wrote into is ever removed.
roots=()
files=()
folders=()
while IFS= read -r line; do
    case $line in
        "prefix "* | "data "*) roots+=("${line#* }") ;;
        "file "*) files+=("${line#file }") ;;
        "dir "*) folders+=("${line#dir }") ;;
    esac
done <"$manifest"
inside() {
    local root
    for root in "${roots[@]}"; do
        case $1 in "$root" | "$root"/*) return 0 ;; esac
    done
    return 1
}
# A folder the install made above them (--prefix ~/opt/tv made ~/opt too).
holds_a_root() {
    local root
    for root in "${roots[@]}"; do
        case $root in "$1"/*) return 0 ;; esac
    done
    return 1
}

echo "Removing Torvexa:"
for f in "${files[@]}"; do
    if ! inside "$f"; then
        echo "  kept $f (outside the folders Torvexa was installed into)"
    elif [ -f "$f" ] || [ -L "$f" ]; then
        rm -f -- "$f"
        echo "  $f"
    fi
done
# Deepest first, and only when empty.
for ((i = ${#folders[@]} - 1; i >= 0; i--)); do
    d=${folders[i]}
    { inside "$d" || holds_a_root "$d"; } && [ -d "$d" ] && rmdir -- "$d" 2>/dev/null &&
        echo "  $d/"
done
echo "Done."
config=${XDG_CONFIG_HOME:-$HOME/.config}/torvexa
[ -d "$config" ] && echo "Your choice of language stays in $config; remove that folder to forget it."
exit 0
