#!/usr/bin/python3
# What Orca says while a blind reader searches the whole text and steps through the hits with
# F3, and enters the lists: the real program and Orca 43 (speech off, its debug log read) on
# an X server with openbox, driven with xdotool. Run inside tests/con_bus_accesible.sh.
#     orca_buscar.py <reader executable> <orca_sin_voz.py>
# Each step waits (bounded) for the utterance it must hear, then a moment for any that must
# not come; a failed step is printed with everything Orca said in it.
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import orca_comun  # noqa: E402
from orca_comun import esperar, teclas  # noqa: E402

programa, lanzador = sys.argv[1], sys.argv[2]
aqui = os.path.dirname(os.path.abspath(__file__))
temporal = tempfile.mkdtemp()
registro = os.path.join(temporal, "orca.log")
errores = os.path.join(temporal, "stderr.txt")
procesos = []
VERBOSO = os.environ.get("ORCA_VERBOSO") == "1"


def lanzar(orden, **opciones):
    p = subprocess.Popen(orden, stdin=subprocess.DEVNULL, **opciones)
    procesos.append(p)
    return p


def frases():
    return orca_comun.frases(registro)


fallos = []
PAUSA = 1.5  # after the awaited utterance, for any that must not come


def paso(titulo, accion, esperadas=(), prohibidas=(), limite=20):
    """Does accion, waits for each utterance in esperadas (the text, or a compiled pattern),
    in order, and checks that no utterance matches one of prohibidas."""
    desde = len(frases())
    accion()

    def oidas():
        return frases()[desde:]

    def encontrada(e, lista):
        return any((e.search(f) if hasattr(e, "search") else f == e) for f in lista)

    esperar(lambda: all(encontrada(e, oidas()) for e in esperadas), limite)
    time.sleep(PAUSA)
    dichas = oidas()
    mal = [f"falta «{e.pattern if hasattr(e, 'pattern') else e}»" for e in esperadas if not encontrada(e, dichas)]
    for p in prohibidas:
        mal += [f"sobra «{f}»" for f in dichas if p.search(f)]
    print(titulo)
    for f in dichas:
        print("    " + f)
    if mal:
        fallos.append(titulo + ": " + "; ".join(mal))
        for m in mal:
            print("  FALLO " + m)
    return dichas


def principal():
    if shutil.which("openbox"):
        lanzar(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.makedirs(os.path.join(temporal, "prefs"))
    orca = ["/usr/bin/python3", os.path.join(aqui, "orca_al_dia.py"), lanzador, "-u", os.path.join(temporal, "prefs"),
            "--debug-file", registro]
    # Orca will not start while another Orca of the same user runs (another test, another
    # session on the machine): in a process namespace of its own it sees none.
    if os.geteuid() == 0 and subprocess.run(["unshare", "--pid", "--fork", "--mount-proc", "true"],
                                            capture_output=True).returncode == 0:
        orca = ["unshare", "--pid", "--fork", "--mount-proc"] + orca
    lanzar(orca, env=dict(os.environ, HOME=temporal), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    if not esperar(lambda: "Screen reader on." in frases(), 60):
        fallos.append("Orca no arrancó")
        return
    with open(errores, "w") as salida:
        lanzar([programa], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"), stdout=subprocess.DEVNULL,
               stderr=salida)
    if not esperar(lambda: any(f.startswith("Ir directo al artículo") for f in frases()), 60):
        fallos.append("el lector no llegó a su primer botón")
        return
    recorrido()


TABLA = re.compile(r"table with \d+ rows")
CHARLA = re.compile(r"\b(un)?selected\b")


def recorrido():
    # The lists: the keyboard from «Ir directo al artículo» to the index tree, then the pages.
    paso("Tab ocho veces (el árbol), Ctrl+Tab a «Referencias», «estadal»",
         lambda: teclas(*["Tab"] * 8, "ctrl+Tab", "texto:estadal"), ["Palabra que busca en las referencias text."])
    paso("Tab (la lista de palabras)", lambda: teclas("Tab"), [re.compile(r"^List with \d+ items")])
    paso("Abajo (la primera palabra)", lambda: teclas("Down"), ["Estadal."])
    paso("Ctrl+Tab a «Estdísticas» (la primera fila)", lambda: teclas("ctrl+Tab"),
         ["Abandono.", "1 artículo.", "1 vez."], [re.compile(r"^0")])
    paso("Abajo (la segunda fila)", lambda: teclas("Down"), ["Abierta.", "1 artículo.", "1 vez."])
    # Searching and F3.
    paso("Ctrl+F", lambda: teclas("ctrl+f"), ["Texto a buscar text."])
    paso("«derechos humanos»", lambda: teclas("texto:\"derechos humanos\""),
         [re.compile(r"^notification 38 coincidencias en 24 entradas\.?$")], [re.compile(r"dialog")])
    paso("Abajo (la primera fila)", lambda: teclas("Down"), ["Preámbulo.", "1 coincidencia."])
    paso("Abajo, Intro (el Artículo 2)", lambda: teclas("Down", "Return"),
         [re.compile(r"^notification Artículo 2, I PRINCIPIOS FUNDAMENTALES\. "
                     r"coincidencia 1 de 1 en el Artículo 2: …")],
         [CHARLA])
    paso("F3 (el Artículo 19, dos coincidencias)", lambda: teclas("F3"),
         [re.compile(r"^notification Artículo 19, .*\. coincidencia 1 de 2 en el Artículo 19: …")], [CHARLA])
    paso("F3 (la segunda del Artículo 19)", lambda: teclas("F3"),
         [re.compile(r"^notification coincidencia 2 de 2 en el Artículo 19: …")], [CHARLA])
    paso("F3 (el Artículo 22, más corto)", lambda: teclas("F3"),
         [re.compile(r"^notification Artículo 22\. coincidencia 1 de 1 en el Artículo 22: …")], [CHARLA])
    paso("Escape, F3 (la ventana oculta)", lambda: teclas("Escape", "F3"),
         [re.compile(r"^notification Artículo 23\. coincidencia 1 de 1 en el Artículo 23: …")],
         [CHARLA, re.compile(r"Buscar en la Constitución|Resultados de la búsqueda|table with 24 rows|Artículo 27")])
    paso("Ctrl+F", lambda: teclas("ctrl+f"), ["Texto a buscar text."])
    paso("«zzz»", lambda: teclas("texto:zzz"), ["notification Sin coincidencias."], [re.compile(r"dialog")])
    # The words offered for a slip, and one taken by its key.
    paso("Ctrl+A, «vivenda»", lambda: teclas("ctrl+a", "texto:vivenda"),
         [re.compile(r"^notification Sin coincidencias\. ¿Quiso decir «vivienda» \(Alt\+1\) o «viviendas» \(Alt\+2\)\?")],
         [re.compile(r"dialog")])
    paso("Alt+1", lambda: teclas("alt+1"),
         [re.compile(r"^notification Se busca «vivienda»\. 6 coincidencias en 5 entradas")])
    paso("Ctrl+2 (por «Veces»)", lambda: teclas("ctrl+2"),
         [re.compile(r"^notification Ordenado por Veces, de mayor a menor")])
    # Moving with the keyboard in the text.
    paso("Escape (la tabla de estadísticas), Tab (el texto)", lambda: teclas("Escape", "Tab"),
         [re.compile(r"^Artículo 23, .*read only text")])
    paso("Alt+AvPág", lambda: teclas("alt+Next"), [re.compile(r"^notification Artículo 24")])
    paso("Abajo (la segunda línea)", lambda: teclas("Down"), [re.compile(r".")])


try:
    principal()
finally:
    for p in reversed(procesos):
        p.terminate()
    for p in reversed(procesos):
        try:
            p.wait(10)
        except subprocess.TimeoutExpired:
            p.kill()
    try:
        with open(errores) as f:
            salida_errores = f.read()
    except FileNotFoundError:
        salida_errores = ""
    if VERBOSO:
        shutil.copy(registro, "/tmp/orca_buscar.log") if os.path.exists(registro) else None
    shutil.rmtree(temporal, ignore_errors=True)

# The program writes nothing to stderr. Qt's bridge reports Orca's late answers to the keys it
# forwards (Orca sees every key first) when the machine is loaded: those are Orca's pace, not
# the program's.
ajenas = re.compile(r"^QSpiApplication::(keyEventError|notifyKeyboardListenerCallback)")
sobrantes = [l for l in salida_errores.splitlines() if l.strip() and not ajenas.match(l)]
if sobrantes:
    fallos.append("la salida de errores del lector no está vacía:\n    " + "\n    ".join(sobrantes))
for f in fallos:
    print("FALLO " + f)
print(f"{len(fallos)} fallos")
sys.exit(1 if fallos else 0)
