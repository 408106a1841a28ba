#!/bin/sh
# Installs the build folder given as $1 into a temporary DESTDIR and checks
# that every file lands where it belongs and that the installed command line
# converts with the installed table: from share/quantimetrix, or from the
# per-user copy when that folder is not writable.
set -eu
build=$1
dest=$(mktemp -d)
chmod 755 "$dest"
trap 'chmod -R u+w "$dest"; rm -rf "$dest"' EXIT
DESTDIR=$dest cmake --install "$build" --prefix /usr >/dev/null

usr=$dest/usr
for f in bin/quantimetrix-cli share/quantimetrix/default.dat share/quantimetrix/default_e.dat \
    share/quantimetrix/Qmtrxdoc.hlp share/man/man1/quantimetrix-cli.1; do
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

# From the install's own folder (writable here).
home=$dest/home
mkdir -p "$home"
got=$(cd / && HOME=$home XDG_DATA_HOME='' "$usr/bin/quantimetrix-cli" convert Length Metre Kilometre 1000)
[ "$got" = "1.00000" ] || { echo "installed convert gave '$got'"; exit 1; }

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
echo "install test passed"
