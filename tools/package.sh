#!/usr/bin/env bash
# Builds the Debian package brindlow_<version>_<arch>.deb in the repository's
# root from a clean build folder of its own (build-package: Release, no tests)
# and checks it: lintian without errors, the desktop entry and the AppStream
# metainfo valid, every dependency available from apt, and the package's own
# tree starting offscreen and ending cleanly on SIGTERM.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"

bash tools/install-deps.sh package

build="$root/build-package"
stage="$build/debian/brindlow"
rm -rf "$build"

# Debian's compiler and linker flags with every hardening, the preprocessor's
# included.
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
CXXFLAGS="$CXXFLAGS $CPPFLAGS" cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DBRINDLOW_TESTS=OFF -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build "$build"
DESTDIR="$stage" cmake --install "$build" >/dev/null

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
arch="$(dpkg --print-architecture)"
linux=app/linux
release_in() { grep -o '<release version="[^"]*"' "$1" | head -n 1 | cut -d'"' -f2; }
if [ "$(dpkg-parsechangelog -l "$linux/debian/changelog" -S Version)" != "$version" ] \
    || [ "$(release_in "$linux/org.ostmere.Brindlow.metainfo.xml")" != "$version" ]; then
    echo "package.sh: the release $version is not the first one of $linux/debian/changelog and the metainfo" >&2
    exit 1
fi

# What dh_strip, dh_compress and dh_installdocs would do.
strip --remove-section=.comment --remove-section=.note --strip-unneeded "$stage/usr/bin/brindlow"
gzip -9n "$stage"/usr/share/man/man*/*
doc="$stage/usr/share/doc/brindlow"
install -m 644 "$linux/debian/copyright" "$doc/copyright"
gzip -9n <"$linux/debian/changelog" >"$doc/changelog.gz"
find "$stage" -type d -exec chmod 755 {} +

# The libraries the binary links, as dpkg-shlibdeps finds their packages;
# the Qt plugins and fonts it loads at run time are in the control file.
mkdir -p "$stage/DEBIAN"
printf 'Source: brindlow\n\nPackage: brindlow\nArchitecture: any\n' >"$build/debian/control"
depends="$(cd "$build" && dpkg-shlibdeps -O debian/brindlow/usr/bin/brindlow | sed -n 's/^shlibs:Depends=//p')"

sed -e "s/@VERSION@/$version/" -e "s/@ARCH@/$arch/" -e "s/@DEPENDS@/$depends/" \
    -e "s/@SIZE@/$(du -sk --exclude=DEBIAN "$stage" | cut -f1)/" "$linux/debian/control" >"$stage/DEBIAN/control"
(cd "$stage" && find usr -type f -print0 | sort -z | xargs -0 md5sum) >"$stage/DEBIAN/md5sums"
chmod 644 "$stage/DEBIAN/control" "$stage/DEBIAN/md5sums"

deb="$root/brindlow_${version}_${arch}.deb"
dpkg-deb --root-owner-group -Zxz --build "$stage" "$deb" >/dev/null
echo "Built $deb"

# ---------------------------------------------------------------- checks

lintian --fail-on error --info "$deb"

check="$(mktemp -d "${TMPDIR:-/tmp}/brindlow-package.XXXXXX")"
trap 'rm -rf "$check"' EXIT
dpkg-deb -x "$deb" "$check/tree"
desktop-file-validate "$check/tree/usr/share/applications/org.ostmere.Brindlow.desktop"
appstreamcli validate --no-net "$check/tree/usr/share/metainfo/org.ostmere.Brindlow.metainfo.xml"

# Each dependency has a candidate in apt that is recent enough.
for field in Depends Recommends; do
    dpkg-deb -f "$deb" "$field" | tr ',|' '\n\n' | sed 's/^ *//; s/ *$//' | while read -r name relation wanted; do
        [ -n "$name" ] || continue
        candidate="$(apt-cache policy "$name" | sed -n 's/^ *Candidate: //p')"
        if [ -z "$candidate" ] || [ "$candidate" = "(none)" ]; then
            echo "package.sh: $field $name is not available from apt" >&2
            exit 1
        fi
        relation="${relation#(}"
        wanted="${wanted%)}"
        if [ -n "$relation" ] && ! dpkg --compare-versions "$candidate" "$relation" "$wanted"; then
            echo "package.sh: $field $name $relation $wanted, but apt has $candidate" >&2
            exit 1
        fi
    done
done
# And apt finds them all together, as "apt install ./brindlow_*.deb" would.
apt-get install --simulate "$deb" >/dev/null
echo "Every dependency is available from apt."

# The package's own tree: --version, then the kiosk session started offscreen
# by its launcher in a scratch home, ended by SIGTERM as at logout.
"$check/tree/usr/bin/brindlow" --version | grep -qx "Brindlow $version"
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$check/config" XDG_DATA_HOME="$check/data"
"$check/tree/usr/bin/brindlow-kiosk" &
launcher=$!
data="$check/data/brindlow"
for _ in $(seq 100); do
    [ -e "$data/history" ] && break
    sleep 0.2
done
sleep 1
kill -TERM "$launcher"
status=0
wait "$launcher" || status=$?
if [ "$status" -ne 0 ] || [ ! -e "$data/students.lst" ] || [ -e "$data/brindlow.lock" ] \
    || [ "$(stat -c %a "$data")" != 700 ]; then
    echo "package.sh: the installed kiosk did not start and end cleanly (exit code $status)" >&2
    ls -la "$data" >&2 || true
    exit 1
fi
echo "The package's tree starts offscreen and ends cleanly on SIGTERM."
