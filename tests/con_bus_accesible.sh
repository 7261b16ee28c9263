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
exec dbus-run-session -- sh -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    lanzador=$!
    trap "kill $lanzador 2>/dev/null" EXIT
    QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 xvfb-run -a "$@"
' sh "$@"
