#!/usr/bin/env bash
# Kills a backup, a restore and a move at random moments and checks after each
# kill that the data folder the settings point to still holds every bill whole,
# and that what the next start tidies leaves no half copy anywhere.
#   datafolder-kill-test.sh DRIVER [KILLS_PER_OPERATION]
set -u
driver=$1
kills=${2:-50}
sandbox=$(mktemp -d /tmp/orvane-kill.XXXXXX)
trap 'rm -rf "$sandbox"' EXIT
export QT_LOGGING_RULES="*=false"

"$driver" "$sandbox" setup >/dev/null 2>&1 || { echo "setting up the sandbox failed"; exit 1; }

# How long one uninterrupted run takes, in microseconds; kills fall within
# the first 70% of it, since starting the sleep takes a little time too.
duration_us() {
    local start end
    start=$(date +%s%N)
    "$driver" "$sandbox" "$1" >/dev/null 2>&1
    end=$(date +%s%N)
    echo $(( (end - start) / 1000 ))
}

failures=0
for op in backup restore move; do
    span=$(duration_us "$op")
    killed=0 finished=0 broken=0
    for _ in $(seq "$kills"); do
        "$driver" "$sandbox" "$op" >/dev/null 2>&1 &
        pid=$!
        sleep "$(awk -v s="$span" -v r="$RANDOM" 'BEGIN { printf "%.6f", 0.7 * s * (r / 32767) / 1e6 }')"
        if kill -9 "$pid" 2>/dev/null; then killed=$((killed + 1)); else finished=$((finished + 1)); fi
        wait "$pid" 2>/dev/null
        "$driver" "$sandbox" check >/dev/null 2>&1 || broken=$((broken + 1))
    done
    echo "$op: $kills runs, $killed killed part-way, $finished finished first, $broken left a damaged data folder or a half copy"
    failures=$((failures + broken))
done
echo "$((3 * kills - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
