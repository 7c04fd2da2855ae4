#!/usr/bin/env bash
# Installs Torvexa from this folder into your home folder, without root:
#
#   ./install.sh [--prefix DIR]        (DIR defaults to ~/.local)
#   ./install.sh --uninstall [--prefix DIR]
#
# The program, its launcher, its translation files and its manual page go into the prefix
# (bin, libexec/torvexa, share/torvexa/lang, share/man/man1); the menu entry, the icon and the
# AppStream metadata where the desktop looks for them: $XDG_DATA_HOME (~/.local/share), or
# DIR/share with --prefix. Every file and folder it makes is written down in
# share/torvexa/installed-files, so that uninstalling removes exactly those. Safe to run again.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

prefix=
while [ $# -gt 0 ]; do
    case $1 in
        --prefix) [ $# -ge 2 ] || { echo "install.sh: --prefix needs a folder" >&2; exit 2; }
                  prefix=$2; shift 2 ;;
        --prefix=*) prefix=${1#--prefix=}; shift ;;
        --uninstall) shift; exec "$here/uninstall.sh" "$@" ${prefix:+--prefix "$prefix"} ;;
        -h|--help) sed -n '2,11s/^# \{0,1\}//p' "$0"; exit 0 ;;
        *) echo "install.sh: unknown option $1 (see --help)" >&2; exit 2 ;;
    esac
done
if [ -n "$prefix" ]; then
    # "~" that the shell left as it is (quoted, or after "--prefix=") is the home folder.
    case $prefix in "~" | "~/"*) prefix=$HOME${prefix#\~} ;; esac
    case $prefix in /*) ;; *) prefix=$PWD/$prefix ;; esac
    prefix=${prefix%/}
    data=$prefix/share
else
    prefix=$HOME/.local
    data=${XDG_DATA_HOME:-$HOME/.local/share}
fi
case $prefix$data in
    *$'\n'*) echo "install.sh: a folder name with a line break is not supported" >&2; exit 1 ;;
esac

manifest=$prefix/share/torvexa/installed-files
made_before=()
if [ -f "$manifest" ]; then
    echo "Torvexa is installed in $prefix already: bringing it up to date."
    # The folders the first install made stay on the list, so that uninstalling removes them.
    while IFS= read -r line; do
        [ "${line%% *}" = dir ] && made_before+=("${line#dir }")
    done <"$manifest"
fi

made=()
files=()
# mkdir -p, remembering each folder it makes.
make_folder() {
    local folder=$1
    [ -d "$folder" ] && return 0
    make_folder "$(dirname -- "$folder")"
    mkdir -- "$folder"
    made+=("$folder")
}
place() {  # place SOURCE TARGET MODE
    make_folder "$(dirname -- "$2")"
    cp -- "$here/$1" "$2.new-$$"
    chmod "$3" "$2.new-$$"
    mv -f -- "$2.new-$$" "$2"
    files+=("$2")
    echo "  $2"
}

# An Exec value for the desktop entry: the path quoted as freedesktop.org's desktop entry
# format wants it (\ " ` $ escaped inside quotes, then \ escaped again as a string, % doubled).
desktop_exec() {
    local s=$1
    s=${s//\\/\\\\}; s=${s//\"/\\\"}; s=${s//\`/\\\`}; s=${s//\$/\\\$}
    s=${s//\\/\\\\}; s=${s//%/%%}
    printf '"%s"' "$s"
}

echo "Installing Torvexa:"
place bin/torvexa "$prefix/bin/torvexa" 755
place libexec/torvexa/torvexa-start "$prefix/libexec/torvexa/torvexa-start" 755
# Every translation file, and the font the windows are measured for with its licence.
for file in "$here"/share/torvexa/lang/*.zpr "$here"/share/torvexa/fonts/*; do
    file=${file#"$here/"}
    place "$file" "$prefix/$file" 644
done
place share/man/man1/torvexa.1.gz "$prefix/share/man/man1/torvexa.1.gz" 644
place uninstall.sh "$prefix/share/torvexa/uninstall.sh" 755
place share/icons/hicolor/scalable/apps/torvexa.svg \
      "$data/icons/hicolor/scalable/apps/torvexa.svg" 644
place share/metainfo/org.example.torvexa.metainfo.xml \
      "$data/metainfo/org.example.torvexa.metainfo.xml" 644

entry=$data/applications/torvexa.desktop
make_folder "$(dirname -- "$entry")"
exec_line=$(desktop_exec "$prefix/libexec/torvexa/torvexa-start")
while IFS= read -r line; do
    case $line in
        Exec=*) printf 'Exec=%s\n' "$exec_line" ;;
        *) printf '%s\n' "$line" ;;
    esac
done <"$here/share/applications/torvexa.desktop" >"$entry.new-$$"
mv -f -- "$entry.new-$$" "$entry"
files+=("$entry")
echo "  $entry"

{
    echo "prefix $prefix"
    echo "data $data"
    for f in "${files[@]}"; do echo "file $f"; done
    echo "file $manifest"
    for d in "${made_before[@]}" "${made[@]}"; do echo "dir $d"; done
} >"$manifest.new-$$"
mv -f -- "$manifest.new-$$" "$manifest"

echo "Done. Start Torvexa from your desktop's menu, or with: $prefix/bin/torvexa"
case ":$PATH:" in
    *":$prefix/bin:"*) ;;
    *) echo "($prefix/bin is not in your PATH, so \"torvexa\" alone does not start it.)" ;;
esac
echo "To remove it: $prefix/share/torvexa/uninstall.sh"
