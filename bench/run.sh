#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks (Release, in build-bench),
# writes kiosk data into a temporary folder and measures the kiosk on it.
#   bench/run.sh [--small|--large] [--postgres] [REPEATS [PART...]]
# With --postgres the data is copied into a PostgreSQL server of the run's
# own (--copy-folder-to-database) and the kiosk measured on it, eight racing
# kiosks included.
set -euo pipefail
cd "$(dirname "$0")/.."

scale=large
postgres=
while [ $# -gt 0 ]; do
    case "$1" in
    --small) scale=small ;;
    --large) scale=large ;;
    --postgres) postgres=yes ;;
    *) break ;;
    esac
    shift
done
repeats="${1:-7}"

bash tools/install-deps.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRINDLOW_BENCH=ON -DBRINDLOW_TESTS=OFF >/dev/null
targets=(generateData benchmark ${postgres:+raceKiosk Brindlow})
# Twice: with CMake 3.25 a changed form is regenerated in the first pass, but
# what includes it may only be recompiled in the second.
ninja -C build-bench "${targets[@]}" >/dev/null
ninja -C build-bench "${targets[@]}" >/dev/null

data="$(mktemp -d)"
pgbin=/usr/lib/postgresql/15/bin
# initdb and postgres refuse to run as root: as root the server runs as the
# system user brindlow-test that tools/install-deps.sh creates.
server=()
[ "$(id -u)" -eq 0 ] && server=(runuser -u brindlow-test --)
cleanup() {
    if [ -f "$data/pg/data/postmaster.pid" ]; then
        "${server[@]}" "$pgbin/pg_ctl" -D "$data/pg/data" -m fast -w stop >/dev/null || true
    fi
    rm -rf "$data"
}
trap cleanup EXIT
build-bench/bench/generateData "$scale" "$data/kiosk"

# Headless, with settings of its own, in the machine's time zone and in a
# language whose collation orders accented names as a school would.
mkdir -m 700 "$data/runtime"
export QT_QPA_PLATFORM=offscreen LC_ALL= LANG=en_US.UTF-8 XDG_CONFIG_HOME="$data/config" XDG_RUNTIME_DIR="$data/runtime"

if [ -n "$postgres" ]; then
    # PostgreSQL's own defaults, durability included (fsync, synchronous
    # commits), as a school's server runs; on a Unix socket, no TCP port.
    chmod 0755 "$data"
    install -d -m 0755 "$data/pg"
    [ "$(id -u)" -eq 0 ] && chown brindlow-test: "$data/pg"
    "${server[@]}" "$pgbin/initdb" -A trust -U postgres -E UTF8 --locale=C.UTF-8 -D "$data/pg/data" >/dev/null
    "${server[@]}" "$pgbin/pg_ctl" -D "$data/pg/data" -l "$data/pg/server.log" -w \
        -o "-k $data/pg -c listen_addresses=''" start >/dev/null
    connection="host=$data/pg user=postgres dbname=postgres"
    echo "PostgreSQL $("$pgbin/postgres" --version | awk '{print $3}'):" \
        "$("$pgbin/psql" -X -At -d "$connection" -c "SELECT string_agg(name || '=' || current_setting(name), ' '
            ORDER BY name) FROM pg_settings WHERE name IN ('fsync', 'synchronous_commit', 'full_page_writes',
            'wal_sync_method', 'shared_buffers', 'work_mem')")"
    kiosk="$PWD/build-bench/Brindlow"
    "$kiosk" --database "$connection"
    start=$(date +%s)
    (cd "$data/kiosk" && "$kiosk" --copy-folder-to-database)
    echo "Copied into the database in $(($(date +%s) - start)) s."
    # The copy leaves the server writing out hundreds of megabytes for a while:
    # measure the kiosk after, not during, that.
    "$pgbin/psql" -X -q -d "$connection" -c "CHECKPOINT"
fi

# The offscreen platform warns about every full-screen window.
build-bench/bench/benchmark "$data/kiosk" "$repeats" "${@:2}" 2> >(grep -v 'propagateSizeHints' >&2)
