#!/usr/bin/env bash
# scripts/wine-can-run takes the Windows run where the loader starts, and leaves it out, saying
# why, only where the machine cannot execute the program; any other failure of Wine fails.
# Stand-ins for the i386 probe and the Wine loader make each case happen on any machine.
set -uo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

printf '#!/bin/sh\necho wine-9.0\n' >"$scratch/starts"
printf '#!/bin/sh\necho "cannot open display" >&2\nexit 1\n' >"$scratch/broken"
# An ELF header for no machine there is: every kernel answers "Exec format error".
{ printf '\177ELF\1\1\1\0\0\0\0\0\0\0\0\0\2\0\377\377'; head -c 64 /dev/zero; } >"$scratch/foreign"
chmod 755 "$scratch"/*

cannot="this machine cannot execute 32-bit programs"
passed=0 failed=0
#     arch probe   loader  status printed
while read -r arch probe loader expected_status expected; do
    [ "$expected" = - ] && expected=""
    [ "$expected" = cannot ] && expected=$cannot
    status=0
    printed=$(RAVELO_32BIT_PROBE=$scratch/$probe RAVELO_WINE_LOADER=$scratch/$loader \
        "$top/scripts/wine-can-run" "$arch" 2>/dev/null) || status=$?
    if [ "$status" = "$expected_status" ] && [ "$printed" = "$expected" ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED: $arch, probe $probe, loader $loader: status $status, printed '$printed'; expected $expected_status, '$expected'"
    fi
done <<'CASES'
x86 starts  starts  0 -
x86 foreign starts  1 cannot
x86 starts  foreign 1 cannot
x86 starts  broken  4 -
x64 foreign starts  0 -
x64 foreign broken  4 -
arm starts  starts  2 -
CASES
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
