#!/usr/bin/env bash
# Runs a command as a client of a headless Wayland compositor of its own (Weston, drawing in
# memory), as on a Wayland desktop: no X display, a UTF-8 locale, and Qt picks its Wayland
# platform itself, as it does for a desktop session that says it is Wayland.
#   tests/scripts/on_weston.sh COMMAND [ARG]...
set -uo pipefail
runtime=$(mktemp -d)
chmod 700 "$runtime"
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --use-pixman --no-config --idle-time=0 \
    --socket=ravelo-test >"$runtime/weston.log" 2>&1 &
weston=$!
cleanup() {
    kill "$weston" 2>/dev/null
    wait "$weston" 2>/dev/null
    rm -rf "$runtime"
}
trap cleanup EXIT
for _ in $(seq 100); do
    [ -S "$runtime/ravelo-test" ] && break
    kill -0 "$weston" 2>/dev/null || { cat "$runtime/weston.log" >&2; exit 1; }
    sleep 0.1
done
[ -S "$runtime/ravelo-test" ] || { echo "on_weston: Weston did not start" >&2; cat "$runtime/weston.log" >&2; exit 1; }
# A desktop session's locale is a UTF-8 one (a fresh machine has none, and Qt 6.8 says so).
env -u DISPLAY -u QT_QPA_PLATFORM -u QT_QPA_PLATFORMTHEME XDG_RUNTIME_DIR="$runtime" \
    WAYLAND_DISPLAY=ravelo-test XDG_SESSION_TYPE=wayland LC_ALL=C.UTF-8 "$@"
