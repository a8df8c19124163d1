#!/bin/sh
# sous-weston.sh PROGRAM [ARG...]: runs a test program on the Wayland platform under a
# headless Weston compositor of its own, which ends with it. Exit status 77 (skipped)
# when weston is not installed.
set -eu
if ! command -v weston >/dev/null 2>&1; then
    echo "weston is not installed: the Wayland test is skipped"
    exit 77
fi
runtime=$(mktemp -d)
chmod 700 "$runtime"
weston_pid=
fin() {
    [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
    rm -rf "$runtime"
}
trap fin EXIT
# --debug lets weston-screenshooter take what the compositor shows.
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --use-pixman --debug \
    --width=800 --height=600 --socket=orsaline-test --idle-time=0 --log="$runtime/weston.log" &
weston_pid=$!
i=0
while [ ! -S "$runtime/orsaline-test" ]; do
    i=$((i + 1))
    if [ $i -gt 100 ]; then
        echo "weston did not start within 10 s:"
        cat "$runtime/weston.log"
        exit 1
    fi
    sleep 0.1
done
# The windows are raster-painted and reach the compositor through shared memory. Naming no
# client buffer integration keeps Qt from loading EGL and the machine's graphics driver,
# whose allocations outlive the driver's unloading at exit and would be reported as leaks
# from unknown modules under LeakSanitizer (Qt prints one warning that it found none).
export QT_WAYLAND_CLIENT_BUFFER_INTEGRATION=none
# Under the sanitizers, full stacks at allocation, so that a leak inside a library that is
# unloaded by exit still names the library that loaded it.
if [ -n "${ASAN_OPTIONS:-}" ]; then
    export ASAN_OPTIONS="$ASAN_OPTIONS:fast_unwind_on_malloc=0"
fi
# Qt falls back to offscreen when its Wayland plugin (qt6-wayland) is missing; the test
# then skips itself.
XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=orsaline-test QT_QPA_PLATFORM="wayland;offscreen" "$@"
