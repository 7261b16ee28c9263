#!/bin/sh
# Runs a test program as a screen reader would meet it: in a private D-Bus session with the
# accessibility (AT-SPI) bus running, on its own X server, Qt's bridge to that bus switched on.
#     con_bus_accesible.sh program [arguments...]
set -eu
exec dbus-run-session -- sh -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    lanzador=$!
    trap "kill $lanzador 2>/dev/null" EXIT
    QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 xvfb-run -a "$@"
' sh "$@"
