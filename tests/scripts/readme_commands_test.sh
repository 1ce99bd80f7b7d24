#!/usr/bin/env bash
# Every command that the README shows in a shell code block exists and takes the arguments
# shown: each script is there and runs under bash, each preset is one that CMake lists, and each
# system tool knows the options given (checked for real where that is quick). A command that this
# test does not know fails it, so that a new one in the README is checked too.
set -uo pipefail
cd "$(dirname "$0")/../.."
passed=0 failed=0
check() {  # WHAT OK
    if [ "$2" = yes ]; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $1"; fi
}
yes_if() { "$@" >/dev/null 2>&1 && echo yes; }
listed() {  # LISTING NAME: the preset is in CMake's list
    grep -q "^  \"$2\"" <<<"$1" && echo yes
}
configure=$(cmake --list-presets 2>/dev/null)
build=$(cmake --build --list-presets 2>/dev/null)
workflow=$(cmake --workflow --list-presets 2>/dev/null)
tests=$(ctest --list-presets 2>/dev/null)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

commands=$(awk '/^ *```sh$/ { inside = 1; next } /^ *```/ { inside = 0 } inside' README.md |
    sed -E 's/ +#.*$//; s/^ +//' | sed 's/ && /\n/g' | grep -v '^$')
while read -r program args; do
    case "$program $args" in
    scripts/*)
        check "$program is a script" "$([ -x "$program" ] && yes_if bash -n "$program")" ;;
    "cmake --workflow --preset "*)
        check "workflow preset ${args##* }" "$(listed "$workflow" "${args##* }")" ;;
    "cmake --build --preset "*)
        check "build preset ${args##* }" "$(listed "$build" "${args##* }")" ;;
    "cmake --preset "*)
        check "configure preset ${args##* }" "$(listed "$configure" "${args##* }")" ;;
    "ctest --preset "*)
        check "test preset ${args##* }" "$(listed "$tests" "${args##* }")" ;;
    "sha256sum "*)
        (cd "$scratch" && echo x >listed && sha256sum listed >SHA256SUMS && echo "0  gone" >>SHA256SUMS)
        check "sha256sum $args" "$(cd "$scratch" && yes_if sha256sum $args)" ;;
    "gpg "* | "gpgv "*)
        if ! command -v "$program" >/dev/null; then
            echo "$program is not installed here: its options are not checked"
            continue
        fi
        options=$( ("$program" --dump-options || "$program" --help) 2>&1)
        for option in $(grep -oE -- '--[a-z-]+' <<<"$args"); do
            check "$program $option" "$(grep -q -- "$option" <<<"$options" && echo yes)"
        done ;;
    *)
        check "the README's command '$program $args' is known to this test" no ;;
    esac
done <<<"$commands"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
