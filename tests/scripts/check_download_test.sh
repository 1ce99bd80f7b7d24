#!/usr/bin/env bash
# scripts/check-download on what users download: a whole folder, a part of it, a file changed on
# the way, a folder of unsigned packages, and a signed one where no keys are published. Nothing
# here installs anything: every case ends before the signatures need their tools.
set -uo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
passed=0 failed=0
expect() {  # NAME STATUS WORDS FOLDER [OPTIONS...]
    local name=$1 status=$2 words=$3 folder=$4
    shift 4
    local out got=0
    out=$("$top/scripts/check-download" "$@" "$folder" 2>&1) || got=$?
    if [ "$got" -eq "$status" ] && grep -q -- "$words" <<<"$out"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED: $name: status $got, said: $out"
    fi
}
make_folder() {  # NAME: two packages and their sums
    mkdir -p "$scratch/$1"
    (cd "$scratch/$1" && echo one >a.deb && echo two >b.zip && sha256sum -- a.deb b.zip >SHA256SUMS)
}
make_folder whole
expect "a whole unsigned folder" 3 "is not signed" "$scratch/whole"
make_folder part && rm "$scratch/part/b.zip"
expect "a download of one file and its sums" 3 "every package there matches" "$scratch/part"
make_folder changed && echo three >"$scratch/changed/a.deb"
expect "a file changed on the way" 1 "does not match" "$scratch/changed"
make_folder none && rm "$scratch/none/a.deb" "$scratch/none/b.zip"
expect "sums without any package" 1 "none of them is there" "$scratch/none"
make_folder signed && echo signature >"$scratch/signed/SHA256SUMS.asc"
expect "a signed folder without published keys" 1 "no keys published" "$scratch/signed" \
    --keys "$scratch/no-keys"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
