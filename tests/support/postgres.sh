#!/usr/bin/env bash
# A throwaway PostgreSQL server for the tests, on a Unix socket in its own
# folder and without a TCP port, so CI needs nothing running beforehand.
#   postgres.sh run TEST [ARGS...]  starts a server, runs TEST with
#                                   BRINDLOW_TEST_POSTGRES set to its
#                                   connection string, and always stops it
#   postgres.sh pause|resume DIR    stops or starts the server of DIR again,
#                                   as a test of an outage does
# BRINDLOW_TEST_POSTGRES_SETTINGS adds server settings ("-c name=value ..."),
# as a school's administrator may have chosen them.
# initdb and postgres refuse to run as root: as root the server runs as the
# system user brindlow-test that tools/install-deps.sh creates.
set -euo pipefail
bin=/usr/lib/postgresql/15/bin
owner=()
[ "$(id -u)" -eq 0 ] && owner=(runuser -u brindlow-test --)

serve() {
    "${owner[@]}" "$bin/pg_ctl" -D "$1/data" -l "$1/run/server.log" -w -t 60 \
        -o "-k $1/run -c listen_addresses='' -c fsync=off -c synchronous_commit=off -c full_page_writes=off \
            ${BRINDLOW_TEST_POSTGRES_SETTINGS:-}" \
        start >/dev/null
}

case "$1" in
pause) "${owner[@]}" "$bin/pg_ctl" -D "$2/data" -m fast -w stop >/dev/null ;;
resume) serve "$2" ;;
run)
    shift
    # Short, and searchable by the server's user: the socket path has a length limit.
    dir=$(mktemp -d /tmp/brindlow-pg.XXXXXX)
    chmod 0755 "$dir"
    cleanup() {
        "${owner[@]}" "$bin/pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null 2>&1 || true
        # Only the server's user may delete what the server wrote.
        "${owner[@]}" find "$dir/data" "$dir/run" -mindepth 1 -delete 2>/dev/null || true
        rm -rf "$dir"
    }
    trap cleanup EXIT
    if [ "$(id -u)" -eq 0 ]; then
        install -d -m 0700 -o brindlow-test -g brindlow-test "$dir/data"
        install -d -m 0755 -o brindlow-test -g brindlow-test "$dir/run"
    else
        install -d -m 0700 "$dir/data"
        install -d -m 0755 "$dir/run"
    fi
    (cd "$dir" && "${owner[@]}" "$bin/initdb" -A trust -U postgres -E UTF8 --locale=C.UTF-8 --no-sync \
        -D "$dir/data" >/dev/null)
    (cd "$dir" && serve "$dir")
    export BRINDLOW_TEST_POSTGRES="host=$dir/run user=postgres dbname=postgres options='-c client_min_messages=warning'"
    export BRINDLOW_TEST_POSTGRES_DIR="$dir"
    export BRINDLOW_TEST_POSTGRES_SCRIPT="$(realpath "$0")"
    status=0
    "$@" || status=$?
    exit $status
    ;;
esac
