#!/bin/bash
# The kiosk session's launcher (app/linux/brindlow-kiosk) over a stand-in for
# Brindlow that ends as each case tells it, start by start.
#   launcherRestarts.sh <launcher>
set -u
export LC_ALL=C
ulimit -c 0
launcher="$(readlink -f "$1")"
scratch="$(mktemp -d "${TMPDIR:-/tmp}/brindlow-launcher.XXXXXX")"
trap 'rm -rf "$scratch"' EXIT
failures=0
runs=0

fail() {
    echo "FAIL $case: $1" >&2
    failures=$((failures + 1))
}

# The stand-in beside the launcher, as the real program is once installed: its
# n-th start does what line n of the plan says and notes when and where.
mkdir -p "$scratch/bin" "$scratch/path"
cp "$launcher" "$scratch/bin/brindlow-kiosk"
cat >"$scratch/bin/brindlow" <<'EOF'
#!/bin/bash
echo "$EPOCHREALTIME $PWD $$" >>"$STARTS"
case "$(sed -n "$(wc -l <"$STARTS")p" "$PLAN")" in
segv) kill -SEGV $$ ;;
kill) kill -KILL $$ ;;
wait)
    sleep 60 &
    trap 'kill $! 2>/dev/null; exit 0' TERM
    wait
    ;;
exit0) exit 0 ;;
*) kill -TERM $PPID ;; # started once too often: stop
esac
EOF
chmod +x "$scratch/bin/brindlow"
# The system log, as the launcher's notes reach it.
cat >"$scratch/path/logger" <<'EOF'
#!/bin/bash
echo "${@: -1}" >>"$NOTES"
EOF
chmod +x "$scratch/path/logger"

# Runs the launcher over the plan $1 (actions separated by spaces), ending it
# with SIGTERM after a second when $2 is "term"; leaves the launcher's exit
# code in $status and the starts' moments in $moments.
run() {
    runs=$((runs + 1))
    local folder="$scratch/run$runs"
    mkdir -p "$folder"
    export PLAN="$folder/plan" STARTS="$folder/starts" NOTES="$folder/notes" XDG_DATA_HOME="$folder/data"
    tr ' ' '\n' <<<"$1" >"$PLAN"
    touch "$STARTS" "$NOTES"
    PATH="$scratch/path:$PATH" "$scratch/bin/brindlow-kiosk" &
    local launcher=$!
    if [ "${2:-}" = term ]; then
        sleep 1
        kill -TERM "$launcher"
    fi
    wait "$launcher"
    status=$?
    moments=($(cut -d' ' -f1 "$STARTS"))
}

# Whether start $2 came at least $3 and less than $4 seconds after start $1.
gap() {
    awk -v a="${moments[$1]}" -v b="${moments[$2]}" -v low="$3" -v high="$4" \
        'BEGIN { exit !(b - a >= low && b - a < high) }'
}

for signal in segv kill; do
    case="killed by $signal, started again within 2 s"
    run "$signal exit0"
    [ "${#moments[@]}" -eq 2 ] || fail "${#moments[@]} starts"
    [ "${#moments[@]}" -eq 2 ] && ! gap 0 1 0 2 && fail "restarted after $(cut -d' ' -f1 "$STARTS" | tr '\n' ' ')"
    [ "$status" -eq 0 ] || fail "launcher ended with $status"
    [ "$(wc -l <"$NOTES")" -eq 1 ] || fail "$(wc -l <"$NOTES") notes in the system log"
done

case="closed by staff, not started again, in its own folder"
run "exit0"
[ "${#moments[@]}" -eq 1 ] || fail "${#moments[@]} starts"
[ "$status" -eq 0 ] || fail "launcher ended with $status"
[ "$(cut -d' ' -f2 "$STARTS")" = "$XDG_DATA_HOME/brindlow" ] || fail "ran in $(cut -d' ' -f2 "$STARTS")"
[ "$(stat -c %a "$XDG_DATA_HOME/brindlow")" = 700 ] || fail "data folder open to others"

case="five crashes in a row back off"
BRINDLOW_RESTART_DELAY=0.1 run "segv segv segv segv segv exit0"
[ "${#moments[@]}" -eq 6 ] || fail "${#moments[@]} starts"
if [ "${#moments[@]}" -eq 6 ]; then
    delay=0.1
    for i in 0 1 2 3 4; do
        gap "$i" $((i + 1)) "$delay" 30 || fail "restart $((i + 1)) came before $delay s"
        delay=$(awk -v d="$delay" 'BEGIN { print d * 2 }')
    done
fi
[ "$(wc -l <"$NOTES")" -eq 5 ] || fail "$(wc -l <"$NOTES") notes in the system log"

case="session ends, the kiosk ends with it and is not started again"
run "wait exit0" term
[ "${#moments[@]}" -eq 1 ] || fail "${#moments[@]} starts"
[ "$status" -eq 0 ] || fail "launcher ended with $status"
kill -0 "$(cut -d' ' -f3 "$STARTS")" 2>/dev/null && fail "the kiosk outlived its launcher"

[ "$failures" -eq 0 ] && echo "PASS"
exit $((failures > 0))
