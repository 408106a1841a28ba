#!/bin/sh
# Starts the window program under Xvfb with private settings and a copy of a
# data file, optionally clicks and types with xdotool, and saves a screenshot.
#
#   scripts/screenshot.sh [-b build-dir] [-d data-file] [-o shot.png] [-s scale]
#                         [-a "xdotool commands"] [-k]
#
#   -s 1.5   scales the window like a 144 dpi screen (QT_SCALE_FACTOR)
#   -a       xdotool arguments run after start, e.g.
#            -a "mousemove 300 120 click 1 sleep 0.3 type 12"
#   -k       keep the first-run locale message (otherwise it is switched off)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
data="$root/data/default.dat"
[ -f "$data" ] || data="$root/tests/data/small.dat"
out="$PWD/shot.png"
scale=1
actions=""
keep_locale=0
while getopts "b:d:o:s:a:k" opt; do
    case $opt in
    b) build=$OPTARG ;;
    d) data=$OPTARG ;;
    o) out=$OPTARG ;;
    s) scale=$OPTARG ;;
    a) actions=$OPTARG ;;
    k) keep_locale=1 ;;
    *) exit 2 ;;
    esac
done
exe="$build/bin/quantimetrix"
[ -x "$exe" ] || { echo "no program at $exe" >&2; exit 1; }

tmp=$(mktemp -d)
trap 'kill "$app" "$xvfb" 2>/dev/null || true; rm -rf "$tmp"' EXIT
mkdir -p "$tmp/config/Quantimetrix" "$tmp/runtime" "$tmp/data"
chmod 700 "$tmp/runtime"
cp "$data" "$tmp/data/table.dat"
{
    echo "[File]"
    echo "SaveFilePath=$tmp/data/table.dat"
    if [ "$keep_locale" = 0 ]; then echo "[Extra]"; echo "ShowCheckLocale=0"; fi
} > "$tmp/config/Quantimetrix/Quantimetrix.conf"

display=:$(( 90 + $$ % 9 ))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
export DISPLAY="$display" HOME="$tmp" XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/share" \
       XDG_RUNTIME_DIR="$tmp/runtime" DBUS_SESSION_BUS_ADDRESS=disabled: QT_SCALE_FACTOR="$scale"
"$exe" >/dev/null 2>&1 &
app=$!
sleep 2
if [ -n "$actions" ]; then
    # shellcheck disable=SC2086
    xdotool $actions
    sleep 1
fi
import -window root "$out"
echo "saved $out"
