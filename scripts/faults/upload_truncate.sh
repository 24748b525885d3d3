#!/usr/bin/env bash
# A frame cut short in the middle of an upload of 2000 stored standards:
# colorport-cli must report the failure (a non-zero exit, never "success")
# and say how many of how many records arrived.
#   scripts/faults/upload_truncate.sh BUILD_DIR
# Exits 0 when it does; 1, with the reason on standard error, when it does not;
# 2 when BUILD_DIR holds no colorport-sim and colorport-cli.
set -euo pipefail
build=${1:?usage: $0 BUILD_DIR}
sim=$build/tools/colorport_sim/colorport-sim
cli=$build/tools/colorport_cli/colorport-cli
if [ ! -x "$sim" ] || [ ! -x "$cli" ]; then
  echo "$0: no colorport-sim and colorport-cli in $build (build them first)" >&2
  exit 2
fi

work=$(mktemp -d)
sim_pid=
cleanup() {
  exec 3>&- || true
  if [ -n "$sim_pid" ]; then
    kill "$sim_pid" 2>/dev/null || true
    wait "$sim_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# The simulator ends when its control input closes (--until-eof): it goes with
# this script even when the script is killed.
mkfifo "$work/control"
# Two records a frame: the range answer and 500 frames go whole, then one frame
# keeps only its 3-byte header, so 2 of the 2000 records are lost on the way.
"$sim" --standards 2000 --truncate 3 501 --until-eof <"$work/control" >"$work/sim.out" 2>&1 &
sim_pid=$!
exec 3>"$work/control"

port=
for _ in $(seq 100); do
  port=$(head -n 1 "$work/sim.out" 2>/dev/null || true)
  [ -n "$port" ] && break
  sleep 0.05
done
if [ -z "$port" ]; then
  echo "$0: colorport-sim did not start" >&2
  exit 1
fi

status=0
COLORPORT_PORT=$port "$cli" upload 0 0 0 2000 >"$work/out" 2>"$work/err" || status=$?
message=$(cat "$work/err")
if [ "$status" -eq 0 ]; then
  echo "$0: colorport-cli exited 0 after a cut frame: $message" >&2
  exit 1
fi
if ! grep -q "1998 of 2000" "$work/err"; then
  echo "$0: colorport-cli failed ($status) without the count: $message" >&2
  exit 1
fi
if grep -qx "success" "$work/err" || [ -s "$work/out" ]; then
  echo "$0: colorport-cli printed records or \"success\" for a cut transfer" >&2
  exit 1
fi
echo "upload_truncate: colorport-cli exited $status: $(head -n 1 "$work/err")"
