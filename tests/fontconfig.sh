# Sourced by the tests that draw on a machine that is not ours.

# A machine whose only fonts are DejaVu's, as a fresh Arch or SteamOS without extra fonts:
# exports FONTCONFIG_FILE, a configuration in FOLDER that knows no other font folder.
dejavu_only_fontconfig() {
    local dejavu
    dejavu=$(dirname "$(find /usr/share/fonts -name DejaVuSans.ttf | head -n1)")
    [ -d "$dejavu" ] || { echo "no DejaVu Sans on this machine" >&2; return 1; }
    mkdir -p "$1/cache"
    cat >"$1/fonts.conf" <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>$dejavu</dir>
  <cachedir>$1/cache</cachedir>
</fontconfig>
EOF
    export FONTCONFIG_FILE="$1/fonts.conf"
}
