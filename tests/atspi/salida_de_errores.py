# The rule of the tests for Qt's warnings, applied to the real program run under the
# accessibility bus: whatever it writes to its standard error is a failure, except the lines
# below, each Qt's own and unavoidable here, matched exactly.
PERMITIDAS = {
}


def lineas_inesperadas(ruta):
    with open(ruta, encoding="utf-8", errors="replace") as f:
        return [l.rstrip("\n") for l in f if l.strip() and l.rstrip("\n") not in PERMITIDAS]
