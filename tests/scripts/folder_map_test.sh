#!/usr/bin/env bash
# The README's map of the code names every top-level folder in one line, and each folder's
# CMakeLists.txt opens with that same line.
set -uo pipefail
cd "$(dirname "$0")/../.."
passed=0 failed=0
check() {  # WHAT OK
    if [ "$2" = yes ]; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $1"; fi
}
# The folders of the work tree; where git is missing (a fresh machine need not have it), those
# that are not a build's.
if git rev-parse --git-dir >/dev/null 2>&1; then
    folders=$(git ls-files | sed -n 's#^\([^/]*\)/.*#\1#p' | sort -u)
else
    folders=$(find . -mindepth 1 -maxdepth 1 -type d ! -name .git ! -name 'build*' ! -name shots \
        ! -name out ! -name release ! -name .cache -printf '%f\n' | sort)
fi
for folder in $folders; do
    line=$(sed -n "s#^| \`$folder/\` | \\(.*\\) |\$#\\1#p" README.md)
    check "the README's map names $folder/" "$([ -n "$line" ] && echo yes)"
    if [ -n "$line" ] && [ -f "$folder/CMakeLists.txt" ]; then
        check "$folder/CMakeLists.txt opens with the README's line" \
            "$([ "$(head -n 1 "$folder/CMakeLists.txt")" = "# $line" ] && echo yes)"
    fi
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
