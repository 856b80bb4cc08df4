#!/usr/bin/env bash
# Runs one layer of the quiz-file fuzzing and says how fast it went:
#   fuzz-layer.sh NAME SECONDS LOG FINDINGS FUZZER [ARGUMENTS...]
# Exits 1, with the end of the log, when the fuzzer found an input that breaks a rule.
set -uo pipefail

name=$1 seconds=$2 log=$3 findings=$4
shift 4
if [[ $seconds -le 0 ]]; then
    echo "fuzz $name: skipped"
    exit 0
fi
mkdir -p "$findings"
"$@" -max_total_time="$seconds" -artifact_prefix="$findings/" >"$log" 2>&1
status=$?
runs=$(sed -n 's/^Done \([0-9]*\) runs in \([0-9]*\) second.*/\1 \2/p' "$log")
if [[ $status -ne 0 || -z $runs ]]; then
    tail -n 40 "$log"
    echo "fuzz $name: FOUND A CRASH, see $findings (log: $log)"
    exit 1
fi
read -r count elapsed <<<"$runs"
echo "fuzz $name: $count inputs in $elapsed s, $((count / (elapsed > 0 ? elapsed : 1))) inputs/s, no crash"
