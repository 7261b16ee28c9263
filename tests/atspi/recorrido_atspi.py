#!/usr/bin/python3
# The reader as a screen reader meets it, through the AT-SPI bus (python3-pyatspi): the role
# and name of each control the Tab key reaches, an announcement for each move to an entry,
# and no focus claimed by the index tree while the keyboard is elsewhere; the first entry told at
# start-up; nothing unexpected on the program's standard error. Run inside
# tests/con_bus_accesible.sh (a D-Bus session with the accessibility bus, an X server).
#     recorrido_atspi.py <reader executable>
import os
import subprocess
import sys
import tempfile

import pyatspi
from gi.repository import GLib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "orca"))
from salida_de_errores import lineas_inesperadas  # noqa: E402

programa = sys.argv[1]
sucesos = []  # (kind, role, name): "foco" for a control gaining focus, "aviso" for a notification shown


def registrar(evento):
    try:
        papel, nombre = evento.source.getRoleName(), evento.source.name
    except Exception:  # the object went away meanwhile
        return
    if evento.type.startswith("object:state-changed:focused") and evento.detail1:
        sucesos.append(("foco", papel, " ".join(nombre.split())))
    elif evento.type.startswith("object:state-changed:showing") and evento.detail1 and papel == "notification":
        sucesos.append(("aviso", papel, nombre))


def teclas(*nombres):
    for n in nombres:
        subprocess.run(["xdotool", "key", n], check=True)


def enfocar_ventana():
    salida = subprocess.run(["xdotool", "search", "--sync", "--name", "^CONSTITUCION"], capture_output=True,
                            text=True, check=True).stdout.split()
    subprocess.run(["xdotool", "windowfocus", "--sync", salida[0]], check=True)


# Each step: what it does, then what must have been heard since the step before.
PASOS = [
    # The first entry, told once the window is active (before, no one could hear it).
    ("la ventana", enfocar_ventana, [("foco", "push button", "Ir directo al artículo"),
                                     ("aviso", "notification", "Preámbulo, PREÁMBULO")]),
    ("Tab x9", lambda: teclas(*["Tab"] * 9), [
        ("foco", "push button", "Ir al artículo siguiente"),
        ("foco", "push button", "Ir al artículo final"),
        ("foco", "push button", "Ocultar el índice izquierdo"),
        ("foco", "push button", "Información acerca de la fuente de esta constitución"),
        ("foco", "push button", "Cerrar esta aplicación"),
        ("foco", "page tab list", "Indice"),
        ("foco", "tree", "Índice: títulos, capítulos y secciones"),
        ("foco", "check box", "Índice sin límite de niveles"),
        ("foco", "text", "Preámbulo, PREÁMBULO"),
    ]),
    ("Ctrl+G 1 5 7 Intro", lambda: teclas("ctrl+g", "1", "5", "7", "Return"), [
        ("foco", "panel", "Número del artículo: escriba sus cifras y pulse Intro"),
        ("aviso", "notification", "Artículo 157, IV DEL PODER PÚBLICO, II De la Competencia del Poder Público Nacional"),
        ("foco", "text", "Artículo 157, IV DEL PODER PÚBLICO, II De la Competencia del Poder Público Nacional"),
    ]),
    ("Alt+AvPág", lambda: teclas("alt+Next"), [("aviso", "notification", "Artículo 158")]),
    ("Alt+Inicio", lambda: teclas("alt+Home"), [("aviso", "notification", "Preámbulo, PREÁMBULO")]),
    ("Alt+Izquierda", lambda: teclas("alt+Left"), [
        ("aviso", "notification", "Artículo 158, IV DEL PODER PÚBLICO, II De la Competencia del Poder Público Nacional"),
    ]),
]

fallos = []


def comparar(titulo, esperado, oido):
    # Focus moves of the text view as its name changes are its own business: only the
    # steps' controls and announcements are compared, in order.
    if oido != esperado:
        fallos.append(f"{titulo}:\n  esperado {esperado}\n  oído     {oido}")


def correr():
    pasos = list(PASOS)

    def siguiente():
        if not pasos:
            pyatspi.Registry.stop()
            return False
        titulo, accion, esperado = pasos.pop(0)
        del sucesos[:]
        accion()

        # Wait for as many events as expected (8 s at most, for a loaded machine), then half a
        # second more for any that should not come.
        inicio = GLib.get_monotonic_time()

        def revisar():
            if len(sucesos) < len(esperado) and GLib.get_monotonic_time() - inicio < 8_000_000:
                return True

            def comparar_y_seguir():
                comparar(titulo, esperado, list(sucesos))
                GLib.idle_add(siguiente)
                return False

            GLib.timeout_add(500, comparar_y_seguir)
            return False

        GLib.timeout_add(100, revisar)
        return False

    GLib.timeout_add(3000, siguiente)  # the window's start
    GLib.timeout_add(120000, lambda: (fallos.append("sin terminar a tiempo"), pyatspi.Registry.stop()))
    pyatspi.Registry.start()


# Listening to name changes, as a screen reader does, is what makes the bridge send them, and
# the names read back are then current.
pyatspi.Registry.registerEventListener(registrar, "object:state-changed:focused", "object:state-changed:showing",
                                       "object:property-change:accessible-name")
# Its standard error is checked as the tests check Qt's warnings.
errores = tempfile.NamedTemporaryFile(mode="w+", suffix=".err")
lector = subprocess.Popen([programa], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"), stderr=errores)
try:
    correr()
finally:
    lector.terminate()
    lector.wait(10)
for linea in lineas_inesperadas(errores.name):
    fallos.append(f"salida de errores del programa: {linea}")
for f in fallos:
    print("FALLO " + f)
print(f"{len(PASOS)} pasos, {len(fallos)} fallos")
sys.exit(1 if fallos else 0)
