#!/usr/bin/env bash
# The program's folders stand in floors, and a folder includes only from its own floor or
# below: the program, then its front ends, then the windows without a toolkit, then the
# commands, the address list, the program's texts, the platform's interfaces, and the file
# services at the bottom. Folders on one floor do not include each other.
set -uo pipefail
cd "$(dirname "$0")/../.."
floors=(app "qt win32" forms "scan export" addresses texts platform files)
declare -A floor
for i in "${!floors[@]}"; do
    for folder in ${floors[$i]}; do floor[$folder]=$i; done
done
passed=0 failed=0
for folder in "${!floor[@]}"; do
    while IFS=: read -r file included; do
        target=${included%%/*}
        [ -n "${floor[$target]+set}" ] || continue
        if [ "$target" = "$folder" ] || [ "${floor[$target]}" -gt "${floor[$folder]}" ]; then
            passed=$((passed + 1))
        else
            failed=$((failed + 1))
            echo "FAILED: $file includes $included, from a floor above it or beside it"
        fi
    done < <(grep -rHoE '^#include "[a-z0-9_]+/[^"]+"' "$folder" | sed -E 's/:#include "/:/; s/"$//')
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
