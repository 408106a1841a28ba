#!/bin/sh
# Installs the build folder given as $1 into a temporary DESTDIR and checks
# that every file lands where it belongs and that the installed command line
# converts with the per-user copy of the installed table, whether or not
# share/quantimetrix is writable. The installed window program starts
# offscreen, reads its table from the same place and quits.
set -eu
build=$1
dest=$(mktemp -d)
chmod 755 "$dest"
trap 'chmod -R u+w "$dest"; rm -rf "$dest"' EXIT
DESTDIR=$dest cmake --install "$build" --prefix /usr >/dev/null

usr=$dest/usr
for f in bin/quantimetrix-cli share/quantimetrix/default.dat share/quantimetrix/default_e.dat \
    share/quantimetrix/Qmtrxdoc.hlp share/man/man1/quantimetrix-cli.1 share/doc/quantimetrix/LICENSE; do
    test -f "$usr/$f" || { echo "missing: $f"; exit 1; }
done
if [ -f "$usr/bin/quantimetrix" ]; then
    for f in share/applications/quantimetrix.desktop \
        share/metainfo/io.github.quantimetrix.quantimetrix.metainfo.xml \
        share/icons/hicolor/scalable/apps/quantimetrix.svg \
        share/icons/hicolor/48x48/apps/quantimetrix.png; do
        test -f "$usr/$f" || { echo "missing: $f"; exit 1; }
    done
fi

# From the per-user copy, even though the install folder is writable here.
home=$dest/home
mkdir -p "$home"
got=$(cd / && HOME=$home XDG_DATA_HOME='' "$usr/bin/quantimetrix-cli" convert Length Metre Kilometre 1000)
[ "$got" = "1.00000" ] || { echo "installed convert gave '$got'"; exit 1; }

# The window program with a fresh home (no first-run locale question), as
# $2 ("" or a command that runs it as another user); prints the table it read.
window() {
    h=$dest/$1
    mkdir -p "$h/.config/Quantimetrix"
    printf '[Extra]\nShowCheckLocale=0\n' >"$h/.config/Quantimetrix/Quantimetrix.conf"
    chmod -R 777 "$h"
    (cd / && HOME=$h XDG_DATA_HOME='' XDG_CONFIG_HOME='' QT_QPA_PLATFORM=offscreen \
        timeout 20 $2 "$usr/bin/quantimetrix" --check-startup 2>"$dest/window.err") ||
        { cat "$dest/window.err"; echo "the window program failed to start"; exit 1; }
}
if [ -f "$usr/bin/quantimetrix" ]; then
    before=$(ls -la "$usr/share/quantimetrix")
    got=$(window home1 "")
    [ "$got" = "$dest/home1/.local/share/Quantimetrix/Quantimetrix/default.dat" ] ||
        { echo "window program read '$got'"; exit 1; }
    [ "$(ls -la "$usr/share/quantimetrix")" = "$before" ] || { echo "install folder changed"; exit 1; }
fi

# From the per-user copy when the install folder is not writable: as another
# user when run as root (root may write anywhere).
chmod -R a-w "$usr/share/quantimetrix"
chmod 777 "$home"
run_as=""
if [ "$(id -u)" = 0 ]; then
    command -v setpriv >/dev/null || { echo "setpriv needed to test as another user"; exit 1; }
    run_as="setpriv --reuid=65534 --regid=65534 --clear-groups"
fi
got=$(cd / && HOME=$home XDG_DATA_HOME='' $run_as "$usr/bin/quantimetrix-cli" convert Length Metre Kilometre 1000)
[ "$got" = "1.00000" ] || { echo "convert from the per-user copy gave '$got'"; exit 1; }
test -f "$home/.local/share/Quantimetrix/Quantimetrix/default.dat" || { echo "no per-user copy"; exit 1; }
test ! -e "$usr/share/quantimetrix/.qm-write-probe"
if [ -f "$usr/bin/quantimetrix" ]; then
    # The table read (and so the file a save writes) is the per-user copy of
    # the installed one, and the install folder is left as it was.
    before=$(ls -la "$usr/share/quantimetrix")
    got=$(window home2 "$run_as")
    copy=$dest/home2/.local/share/Quantimetrix/Quantimetrix/default.dat
    [ "$got" = "$copy" ] || { echo "window program read '$got', not the per-user copy"; exit 1; }
    cmp -s "$copy" "$usr/share/quantimetrix/default.dat" || { echo "per-user copy differs"; exit 1; }
    [ "$(ls -la "$usr/share/quantimetrix")" = "$before" ] || { echo "install folder changed"; exit 1; }
fi
echo "install test passed"
