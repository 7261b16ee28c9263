#!/usr/bin/python3
# The role and name of every control of the reader's first window, and of the About dialog's,
# as a screen reader's client reads them over the AT-SPI bus (python3-pyatspi) from the real
# program started with accessibility on, which is how a reader who uses one starts it: the
# controls the keyboard can reach on each page of the index pane, the three spin buttons with
# their values, and the dialog's links. Anything the program writes to its standard error fails
# the run. Run inside tests/con_bus_accesible.sh (a D-Bus session with the accessibility bus,
# an X server).
#     controles_atspi.py <reader executable>
import os
import subprocess
import sys
import time

import pyatspi

programa = sys.argv[1]
fallos = []

# Each page of the index pane: every control that can take the focus, in the order of the
# accessible tree, as (role, name with its white space collapsed). The pane's page control
# itself is left out: it hands its focus to its tab strip.
PRINCIPAL = [
    ("push button", "Ir directo al artículo"),
    ("push button", "Ir al Preámbulo"),
    ("push button", "Ir al artículo anterior"),
    ("push button", "Ir al artículo siguiente"),
    ("push button", "Ir al artículo final"),
    ("push button", "Ocultar el índice izquierdo"),
    ("push button", "Información acerca de la fuente de esta constitución"),
    ("push button", "Cerrar esta aplicación"),
    ("text", "Preámbulo, PREÁMBULO"),
]
# The tab strip, named after the page shown, and its tabs.
PESTANAS = [("page tab", "Indice"), ("page tab", "Referencias"), ("page tab", "Estdísticas")]
PAGINAS = [
    [("tree", "Índice: títulos, capítulos y secciones"),
     ("check box", "Índice sin límite de niveles"),
     ("check box", "Índice: solo los títulos"),
     ("check box", "Índice: títulos y capítulos"),
     ("check box", "Índice: títulos, capítulos y secciones")],
    [("text", "Palabra que busca en las referencias")],
    [("table", "Palabras: en cuántos artículos y cuántas veces")],
]
# On "Referencias", once a word is typed: its two lists.
LISTAS = [("list", "Palabras que empiezan así"), ("list", "Artículos donde está la palabra")]
GIROS = ["Centenas del artículo", "Decenas del artículo", "Unidades del artículo"]
# The About dialog once widened: its button, the two links and the note.
ACERCA = [
    ("push button", "Cerrar"),
    ("link", "Correo: lector@example.org"),
    ("link", "Web: https://www.example.org/constitucion"),
    ("text", "Nota sobre el texto y el autor"),
]


def nombre(objeto):
    return " ".join(objeto.name.split())


def recorrer(objeto):
    yield objeto
    # The items of trees, tables and lists are the view's own business.
    if objeto.getRoleName() in ("tree", "table", "list"):
        return
    for i in range(objeto.childCount):
        hijo = objeto.getChildAtIndex(i)
        if hijo is not None:
            yield from recorrer(hijo)


def controles(ventana):
    r = []
    for o in recorrer(ventana):
        estado = o.getState()
        if (estado.contains(pyatspi.STATE_SHOWING) and estado.contains(pyatspi.STATE_FOCUSABLE)
                and o.getRoleName() != "filler"):
            r.append((o.getRoleName(), nombre(o)))
    return r


def buscar(ventana, papel, texto):
    for o in recorrer(ventana):
        if o.getRoleName() == papel and nombre(o) == texto:
            return o
    return None


def acciones(objeto):
    try:
        a = objeto.queryAction()
    except NotImplementedError:
        return []
    return [a.getName(i) for i in range(a.nActions)]


def comparar(titulo, esperado, visto):
    if visto != esperado:
        fallos.append(f"{titulo}:\n  esperado {esperado}\n  visto    {visto}")


def esperar(condicion, segundos=10):
    limite = time.monotonic() + segundos
    while time.monotonic() < limite:
        try:
            valor = condicion()
        except Exception:  # an object going away while it is read
            valor = None
        if valor:
            return valor
        time.sleep(0.1)
    return None


def aplicacion(pid):
    escritorio = pyatspi.Registry.getDesktop(0)
    for i in range(escritorio.childCount):
        a = escritorio.getChildAtIndex(i)
        if a is not None and a.get_process_id() == pid and a.childCount > 0:
            return a
    return None


def giros(ventana):
    r = []
    for texto in GIROS:
        g = buscar(ventana, "spin button", texto)
        r.append((texto, None if g is None else int(g.queryValue().currentValue)))
    return r


def comprobar(lector):
    app = esperar(lambda: aplicacion(lector.pid), 30)
    if app is None:
        fallos.append("el programa no apareció en el bus de accesibilidad")
        return
    principal = app.getChildAtIndex(0)
    comparar("la ventana", ("frame", "CONSTITUCION DE LA REPUBLICA BOLIVARIANA DE VENEZUELA 15 DICIEMBRE DE 1999"),
             (principal.getRoleName(), nombre(principal)))
    # The keys typed below go to the window.
    ventana = subprocess.run(["xdotool", "search", "--sync", "--name", "^CONSTITUCION"], capture_output=True,
                             text=True, check=True).stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", ventana], check=True)
    # The first frame is followed by the rest of the window: wait for its last control.
    esperar(lambda: buscar(principal, "check box", "Índice: títulos, capítulos y secciones"))
    # Each page chosen by its tab's action, as a screen reader chooses it.
    for pagina, propios in enumerate(PAGINAS):
        pestana = PESTANAS[pagina][1]
        esperado = PRINCIPAL + propios + [("page tab list", pestana)] + PESTANAS
        buscar(principal, "page tab", pestana).queryAction().doAction(0)
        esperar(lambda: controles(principal) == esperado)
        comparar(f"la página «{pestana}» del índice", esperado, controles(principal))
        if pestana == "Referencias":
            buscar(principal, "text", "Palabra que busca en las referencias").queryComponent().grabFocus()
            subprocess.run(["xdotool", "type", "--delay", "50", "estado"], check=True)
            esperado = PRINCIPAL + propios + LISTAS + [("page tab list", pestana)] + PESTANAS
            esperar(lambda: controles(principal) == esperado)
            comparar("«estado» escrito en «Referencias»", esperado, controles(principal))
    buscar(principal, "page tab", "Indice").queryAction().doAction(0)

    # The spin buttons: spin boxes whose value is the digit above them, 000 at the preamble,
    # 157 once Ctrl+G 1 5 7 Enter has gone there.
    comparar("los giros al empezar", [(g, 0) for g in GIROS], giros(principal))
    for tecla in ("ctrl+g", "1", "5", "7", "Return"):
        subprocess.run(["xdotool", "key", tecla], check=True)
    esperar(lambda: giros(principal) == list(zip(GIROS, (1, 5, 7))))
    comparar("los giros en el artículo 157", list(zip(GIROS, (1, 5, 7))), giros(principal))
    for g in GIROS:
        o = buscar(principal, "spin button", g)
        comparar(f"las acciones de «{g}»", ["Increase", "Decrease"], acciones(o) if o else None)

    # The About dialog, opened and widened by the press actions of its buttons, as a screen
    # reader presses them.
    buscar(principal, "push button", "Información acerca de la fuente de esta constitución").queryAction().doAction(0)
    dialogo = esperar(lambda: app.childCount > 1 and app.getChildAtIndex(app.childCount - 1))
    if not dialogo:
        fallos.append("el diálogo «Acerca de» no se abrió")
        return
    comparar("el diálogo", ("dialog", "Constitución 1999"), (dialogo.getRoleName(), nombre(dialogo)))
    comparar("el diálogo estrecho", [("push button", "Acerca de...")], controles(dialogo))
    esperar(lambda: buscar(dialogo, "push button", "Acerca de...")).queryAction().doAction(0)
    esperar(lambda: len(controles(dialogo)) == len(ACERCA))
    comparar("el diálogo ancho", ACERCA, controles(dialogo))
    for papel, texto in ACERCA:
        if papel == "link":
            o = buscar(dialogo, papel, texto)
            comparar(f"las acciones del enlace «{texto}»", ["Press"], acciones(o) if o else None)


lector = subprocess.Popen([programa], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"),
                          stderr=subprocess.PIPE, text=True)
try:
    comprobar(lector)
finally:
    lector.terminate()
    _, errores = lector.communicate(timeout=10)
# Whatever Qt or the program warned about is a fault, as in every test.
if errores.strip():
    fallos.append("el programa escribió en su salida de errores:\n" + errores)
for f in fallos:
    print("FALLO " + f)
print("bien" if not fallos else f"{len(fallos)} fallos")
sys.exit(1 if fallos else 0)
