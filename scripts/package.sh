#!/usr/bin/env bash
# Builds the Debian package from the package preset (its own build folder,
# for /usr, with Debian's hardening flags), checks it with lintian,
# installs it, runs both programs from /usr/bin and purges it again. The
# machine is left as found: the package and the dependencies its install
# pulled in are removed, nothing that was there before.
# Usage: scripts/package.sh [--keep]   (--keep leaves the package installed)
# $PACKAGE_PRESET chooses another configure preset with the same flags: CI
# packages its ci build, already built and tested by scripts/test.sh ci.
set -euo pipefail
cd "$(dirname "$0")/.."

keep=false
if [ "${1:-}" = "--keep" ]; then
    keep=true
fi

sudo_if_needed=()
lintian_root=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_if_needed=(sudo)
else
    lintian_root=(--allow-root)
fi

preset="${PACKAGE_PRESET:-package}"
bash scripts/setup.sh
. scripts/debian-flags.sh
build="build/$preset"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
rm -f "$build"/lavoro1_*.deb
(cd "$build" && cpack -G DEB >/dev/null)

deb=$(ls "$build"/lavoro1_*.deb)
echo "Pacchetto: $deb"
ls -l "$deb"
dpkg-deb --field "$deb" Installed-Size Depends

# Errors fail the script; warnings and notes are printed for the reader.
lintian "${lintian_root[@]}" --display-info --fail-on error "$deb"

if dpkg-query -W -f='${Status}' lavoro1 2>/dev/null | grep -q 'install ok installed'; then
    echo "lavoro1 è già installato: non lo tocco (apt-get purge lavoro1 e riprovare)" >&2
    exit 1
fi

# What the install adds, asked of apt before installing: on a shared machine
# a before-and-after difference could also catch someone else's install.
added=$(apt-get install -s -y "./$deb" 2>/dev/null | awk '$1 == "Inst" && $2 != "lavoro1" { print $2 }')

remove_package() {
    DEBIAN_FRONTEND=noninteractive "${sudo_if_needed[@]}" apt-get purge -y -qq lavoro1 >/dev/null
    if [ -n "$added" ]; then
        echo "Rimuovo le dipendenze installate con il pacchetto:" $added
        # shellcheck disable=SC2086 # one package name per word
        DEBIAN_FRONTEND=noninteractive "${sudo_if_needed[@]}" apt-get purge -y -qq $added >/dev/null
    fi
}

if [ "$keep" = false ]; then
    trap remove_package EXIT
fi
DEBIAN_FRONTEND=noninteractive "${sudo_if_needed[@]}" apt-get install -y -qq "./$deb" >/dev/null

expect() {
    local what="$1" expected="$2" actual="$3"
    if [ "$actual" != "$expected" ]; then
        printf '%s: atteso\n%s\nottenuto\n%s\n' "$what" "$expected" "$actual" >&2
        exit 1
    fi
    printf '%s\n' "$actual"
}

for file in /usr/bin/lavoro1 /usr/bin/archimede \
    /usr/share/man/man1/lavoro1.1.gz /usr/share/man/man1/archimede.1.gz \
    /usr/share/man/it/man1/lavoro1.1.gz /usr/share/man/it/man1/archimede.1.gz \
    /usr/share/applications/org.lavoro1.Lavoro1.desktop \
    /usr/share/metainfo/org.lavoro1.Lavoro1.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/org.lavoro1.Lavoro1.svg \
    /usr/share/doc/lavoro1/copyright /usr/share/doc/lavoro1/changelog.Debian.gz; do
    if ! dpkg -S "$file" >/dev/null 2>&1; then
        echo "Il pacchetto non installa $file" >&2
        exit 1
    fi
done

# No display, so that the window can never open here; the point as the
# decimal separator and English whatever the caller's locale (LANGUAGE=it
# for Italian).
run() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LANGUAGE -u LC_MESSAGES \
        LC_ALL=C.UTF-8 timeout 60 "$@"
}
version=$(dpkg-deb --field "$deb" Version)
version=${version%-*} # the project's version, without the package's release
expect "lavoro1 --version" "Lavoro1 $version" "$(run /usr/bin/lavoro1 --version)"
expect "archimede 5" "Number of sides of each polygon: 9.600E+01
3.14103195 < pi < 3.14271460" "$(run /usr/bin/archimede 5)"
expect "LANGUAGE=it archimede 5" "Numero lati poligono inscritto e circoscritto: 9.600E+01
3.14103195 < costante < 3.14271460" "$(run env LANGUAGE=it /usr/bin/archimede 5)"
pi50=3.14159265358979323846264338327950288419716939937510
# The proven bracket, whichever method and polygons prove it.
expect "archimede --cifre 50" "$pi50 < pi < ${pi50%0}1" \
    "$(run /usr/bin/archimede --cifre 50 | tail -n 1)"
# The installed manual pages, English by default, found by name and formatted
# without a warning.
expect "man lavoro1 archimede" "" \
    "$(run env MANROFFSEQ= MANWIDTH=80 man --warnings=w lavoro1 archimede 2>&1 >/dev/null)"
# The Italian ones found under an Italian locale, and as clean.
expect "man -L it -w lavoro1 archimede" "/usr/share/man/it/man1/lavoro1.1.gz
/usr/share/man/it/man1/archimede.1.gz" "$(run man -L it -w lavoro1 archimede)"
expect "man -L it lavoro1 archimede" "" \
    "$(run env MANROFFSEQ= MANWIDTH=80 man --warnings=w -L it lavoro1 archimede 2>&1 >/dev/null)"
echo "Pacchetto installato e provato: $deb"
