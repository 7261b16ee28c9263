#!/bin/sh
# Runs a test program as a screen reader would meet it: in a private D-Bus session with the
# accessibility (AT-SPI) bus running, on its own X server, Qt's bridge to that bus switched on.
#     con_bus_accesible.sh program [arguments...]
set -eu
# Under AddressSanitizer: libxkbcommon-x11 reads X atom names with strndup over their stated
# length, which is legal but trips the strict string checks inside that system library.
if [ -n "${ASAN_OPTIONS:-}" ]; then
    export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"
fi
# The accessibility bus puts its socket in $XDG_RUNTIME_DIR (else ~/.cache/at-spi), so
# each run gets a runtime directory of its own: two runs at once would otherwise share,
# and take over, each other's bus.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
# The session bus starts the accessibility bus on demand; the program starts once the bus
# has answered with its address: a client that asks while it is still starting may get no
# reply and give up.
dbus-run-session -- sh -c '
    intentos=0
    until dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
            org.a11y.Bus.GetAddress 2>/dev/null | grep -q unix:; do
        intentos=$((intentos + 1))
        if [ "$intentos" -ge 300 ]; then
            echo "con_bus_accesible.sh: the accessibility bus did not start" >&2
            exit 1
        fi
        sleep 0.1
    done
    QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 xvfb-run -a "$@"
' sh "$@"
