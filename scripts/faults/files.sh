#!/usr/bin/env bash
# Faults of files given to corvana-cli, checked with the real program:
#   (a) a FIFO given as a job is refused at once, not waited on;
#   (b) --save onto a device node is refused and the node stays;
#   (c) --save through a symbolic link writes its target and keeps the link;
#   (d) as root, `report diff` onto a full tmpfs exits 1 and the good old PDF
#       there stays byte for byte (skipped with a message otherwise).
# Usage: scripts/faults/files.sh BUILD_FOLDER. Exits non-zero on any failure.
set -u

build=${1:?usage: $0 BUILD_FOLDER}
cli=$build/tools/corvana_cli/corvana-cli
job=$(cd "$(dirname "$0")/../.." && pwd)/examples/autumn-knit.job
[ -x "$cli" ] || { echo "files.sh: no corvana-cli in $build" >&2; exit 2; }
[ -r "$job" ] || { echo "files.sh: no example job at $job" >&2; exit 2; }

work=$(mktemp -d /tmp/corvana-faults-files-XXXXXX)
mounted=""
cleanup() {
  [ -n "$mounted" ] && umount -l "$mounted" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

failures=0
pass() { echo "ok   $1"; }
fail() { echo "FAIL $1" >&2; failures=$((failures + 1)); }

# (a) A FIFO nobody writes: the program must end by itself, with status 1.
mkfifo "$work/pipe.job"
timeout 20 "$cli" job "$work/pipe.job" >/dev/null 2>"$work/a.err"
status=$?
if [ "$status" -eq 1 ] && grep -q "not a regular file" "$work/a.err"; then
  pass "(a) a FIFO as a job is refused"
else
  fail "(a) a FIFO as a job: status $status (124: it hung): $(cat "$work/a.err")"
fi

# (b) A device node as the save target: refused, and still a device. Root
# gets a node of its own (the null device's numbers) rather than the
# system's /dev/null; a user cannot replace /dev/null anyway.
node=""
if [ "$(id -u)" -ne 0 ]; then
  node=/dev/null
elif mknod "$work/null" c 1 3 2>"$work/b.err"; then
  node=$work/null
fi
if [ -z "$node" ]; then
  echo "skip (b) --save onto a device node: mknod refused: $(cat "$work/b.err")"
else
  before=$(stat -c '%F %t:%T %i' "$node")
  timeout 20 "$cli" job "$job" --save "$node" >/dev/null 2>"$work/b.err"
  status=$?
  after=$(stat -c '%F %t:%T %i' "$node")
  if [ "$status" -eq 1 ] && [ "$before" = "$after" ] && [ -c "$node" ]; then
    pass "(b) --save onto the device $node is refused and the node stays"
  else
    fail "(b) --save onto $node: status $status, before '$before', after '$after': $(cat "$work/b.err")"
  fi
fi

# (c) A symbolic link to a job: the save goes to the target, the link stays.
mkdir "$work/jobs"
echo "old content" >"$work/jobs/real.job"
ln -s jobs/real.job "$work/link.job"
timeout 20 "$cli" job "$job" --save "$work/link.job" >/dev/null 2>"$work/c.err"
status=$?
if [ "$status" -eq 0 ] && [ -L "$work/link.job" ] &&
   [ "$(readlink "$work/link.job")" = "jobs/real.job" ] &&
   ! grep -q "old content" "$work/jobs/real.job" &&
   timeout 20 "$cli" job "$work/jobs/real.job" >"$work/c.saved" 2>/dev/null &&
   timeout 20 "$cli" job "$job" >"$work/c.expected" 2>/dev/null &&
   cmp -s "$work/c.saved" "$work/c.expected"; then
  pass "(c) saving through a symbolic link writes its target and keeps the link"
else
  fail "(c) saving through a symbolic link: status $status: $(cat "$work/c.err")"
fi

# (d) A full disk under a report: status 1, the old PDF byte for byte.
if [ "$(id -u)" -ne 0 ]; then
  echo "skip (d) a report onto a full tmpfs: needs root to mount one"
elif ! mkdir "$work/disk" || ! mount -t tmpfs -o size=4m tmpfs "$work/disk" 2>"$work/d.err"; then
  echo "skip (d) a report onto a full tmpfs: mount refused: $(cat "$work/d.err")"
else
  mounted=$work/disk
  if ! timeout 60 "$cli" report diff "$job" "$work/disk/report.pdf" 2>"$work/d.err" ||
     [ ! -s "$work/disk/report.pdf" ]; then
    fail "(d) the first report onto the tmpfs failed: $(cat "$work/d.err")"
  else
    cp "$work/disk/report.pdf" "$work/good.pdf"
    dd if=/dev/zero of="$work/disk/filler" bs=4k 2>/dev/null
    dd if=/dev/zero of="$work/disk/filler" bs=1 oflag=append conv=notrunc 2>/dev/null
    timeout 60 "$cli" report diff "$job" "$work/disk/report.pdf" 2>"$work/d.err"
    status=$?
    left=$(find "$work/disk" -name '.*saving-*' | wc -l)
    if [ "$status" -eq 1 ] && cmp -s "$work/good.pdf" "$work/disk/report.pdf" && [ "$left" -eq 0 ]; then
      pass "(d) a report onto a full disk exits 1 and the old PDF stays"
    else
      fail "(d) a report onto a full disk: status $status, $left temporaries left, old PDF $(cmp -s "$work/good.pdf" "$work/disk/report.pdf" && echo kept || echo changed): $(cat "$work/d.err")"
    fi
  fi
fi

if [ "$failures" -ne 0 ]; then
  echo "files.sh: $failures failure(s)" >&2
  exit 1
fi
echo "files.sh: all checks passed"
