#!/bin/sh
# Installs the Access-driver stand-in and registers it machine-wide with
# unixODBC as "Microsoft Access Driver (*.mdb)".
#
#   host/register-driver.sh [BUILD64 [BUILD32]]
#
# BUILD64 is a 64-bit build directory (default: build/native of this tree),
# BUILD32 an optional 32-bit one (cmake -S host -B build/host32 with the i386
# toolchain).  Either may be the full project's build or host/'s own.  Safe
# to run again: the driver entry is replaced, not added to.
#
# Environment: VO_STANDIN_LIBDIR (default /usr/local/lib/vo-access-standin)
# is where the libraries go; ODBCSYSINI, as for odbcinst itself, picks the
# odbcinst.ini to change.
set -eu

name='Microsoft Access Driver (*.mdb)'
here=$(cd "$(dirname "$0")" && pwd)
libdir=${VO_STANDIN_LIBDIR:-/usr/local/lib/vo-access-standin}
build64=${1:-$here/../build/native}
build32=${2:-}

die() {
    echo "register-driver: $*" >&2
    exit 1
}

# The directory holding a build's driver and extension.
built_libs() {
    for d in "$1/host/lib" "$1/lib"; do
        if [ -f "$d/libaccess_standin.so" ] && [ -f "$d/libgbklike.so" ]; then
            echo "$d"
            return 0
        fi
    done
    die "no libaccess_standin.so and libgbklike.so under $1 (build it first)"
}

# Copies a build's pair side by side: the driver loads the extension from
# its own directory.
install_pair() {
    src=$(built_libs "$1")
    mkdir -p "$2"
    for f in libaccess_standin.so libgbklike.so; do
        # Through a temporary name, so a process using the old file keeps it.
        install -m 0755 "$src/$f" "$2/.$f.new"
        mv -f "$2/.$f.new" "$2/$f"
    done
}

command -v odbcinst >/dev/null || die "odbcinst not found (Debian package odbcinst)"

install_pair "$build64" "$libdir/x86_64"
driver64=$libdir/x86_64/libaccess_standin.so
driver32=$driver64
if [ -n "$build32" ]; then
    install_pair "$build32" "$libdir/i386"
    driver32=$libdir/i386/libaccess_standin.so
fi

template=$(mktemp)
trap 'rm -f "$template"' EXIT
# Without a 32-bit build, Driver= names the 64-bit library as well: a 64-bit
# unixODBC reads Driver64, and the entry stays usable for everything else.
cat >"$template" <<EOF
[$name]
Description=Access database stand-in backed by SQLite (for programs under Wine)
Driver=$driver32
Driver64=$driver64
Setup=$driver32
Setup64=$driver64
EOF

# odbcinst -i counts installs in UsageCount; remove every count first so the
# entry is written afresh each time.
tries=0
while odbcinst -q -d -n "$name" >/dev/null 2>&1; do
    tries=$((tries + 1))
    [ "$tries" -le 50 ] || die "cannot remove the old '$name' entry"
    odbcinst -u -d -n "$name" >/dev/null
done
odbcinst -i -d -f "$template" >/dev/null
echo "registered '$name': $driver64 (64-bit), $driver32 (32-bit)"
