#!/usr/bin/python3
# A blind reader's whole session, heard through Orca itself: Orca runs with its speech off
# (the shared tool orca_sin_voz.py) and everything it would say is read from its debug file's
# "SPEECH OUTPUT" lines. Each step presses its keys with xdotool, waits (bounded, for a loaded
# machine) until Orca has said what the step must say, and checks that it said nothing of what
# it must not. The program's standard error is checked as the tests check Qt's warnings.
# Run inside tests/con_bus_accesible.sh (a D-Bus session with the accessibility bus, an X server).
#     recorrido_orca.py <reader executable> <orca_sin_voz.py> [transcript file]
# With a transcript file, what Orca said at each step is written there (the README's and
# docs/accesibilidad.md's transcripts come from it).
import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from orca_comun import esperar, frases, teclas  # noqa: E402
from salida_de_errores import lineas_inesperadas  # noqa: E402

programa, orca_sin_voz = sys.argv[1], sys.argv[2]
transcripcion = sys.argv[3] if len(sys.argv) > 3 else None
aqui = os.path.dirname(os.path.abspath(__file__))
temporal = tempfile.mkdtemp()
registro = os.path.join(temporal, "orca.log")
errores = os.path.join(temporal, "constitucion.err")

def dicho():
    return frases(registro)


# Each step: its title, its keys, what Orca must say (in this order, each an utterance whose
# start is given: "=" before it asks for the whole utterance), and what no utterance of the
# step may contain.
PASOS = [
    ("Al abrir (el Preámbulo, el teclado en «Ir directo al artículo»)", [],
     ["Ir directo al artículo push button", "=notification Preámbulo, PREÁMBULO"], []),
    ("Alt+Inicio en el Preámbulo", ["alt+Home"], ["=notification Ya está en la primera entrada"], []),
    ("Ctrl+G, 2, 3, 0, Intro (un artículo enmendado)", ["ctrl+g", "2", "3", "0", "Return"],
     ["notification Artículo 230, ", "Ir directo al artículo push button"], []),
    ("Ctrl+G, Arriba", ["ctrl+g", "Up"], ["=notification 231"], []),
    ("Intro", ["Return"], ["notification Artículo 231"], []),
    ("Alt+Fin", ["alt+End"], ["=notification Única., DISPOSICIÓN FINAL"], []),
    ("Alt+AvPág (ya en la última)", ["alt+Next"], ["=notification Ya está en la última entrada"], []),
    ("Alt+Izquierda", ["alt+Left"], ["notification Artículo 231"], []),
    ("Alt+Derecha", ["alt+Right"], ["=notification Única., DISPOSICIÓN FINAL"], []),
    ("Alt+Derecha (fin del historial)", ["alt+Right"], ["=notification No hay entrada siguiente en el historial"],
     []),
    ("Alt+Izquierda", ["alt+Left"], ["notification Artículo 231"], []),
    ("Ctrl+Mayús+C", ["ctrl+shift+c"], ["=notification Copiado con la cita"], []),
    ("Ctrl+=", ["ctrl+equal"], ["=notification Tamaño del texto 9 puntos"], []),
    ("Ctrl+0", ["ctrl+0"], ["=notification Tamaño del texto 8 puntos"], []),
    ("Tab cinco veces, Espacio (ocultar el índice)", ["Tab"] * 5 + ["space"],
     ["=Ocultar el índice izquierdo push button", "=notification Índice oculto. Mostrar el índice izquierdo"],
     []),
    ("Tab tres veces (nada del índice oculto)", ["Tab"] * 3,
     ["=Información acerca de la fuente de esta constitución push button", "=Cerrar esta aplicación push button",
      "Artículo 231"],
     ["page tab", "Scroll", "tree", "Palabras"]),
    ("Mayús+Tab tres veces, Espacio (mostrar el índice)", ["shift+Tab"] * 3 + ["space"],
     ["=Mostrar el índice izquierdo push button", "=notification Índice mostrado. Ocultar el índice izquierdo"],
     []),
    ("Tab, Intro (Acerca de)", ["Tab", "Return"],
     ["=Información acerca de la fuente de esta constitución push button", "Constitución 1999 dialog",
      "=Acerca de... push button"], []),
    ("Escape (no cierra)", ["Escape"],
     ["=notification Este diálogo se cierra con su botón: Acerca de..., luego Cerrar"], []),
    ("Intro (ampliar)", ["Return"],
     ["=notification Ampliado: la nota sobre el texto y los datos del autor. El botón ahora es Cerrar"], []),
    ("Tab dos veces, Espacio (el correo)", ["Tab", "Tab", "space"],
     ["=Nota sobre el texto y el autor read only text", "=Correo: lector@example.org link",
      "=notification No hay programa de correo para abrir el enlace"], []),
    ("Tab, Espacio (la web)", ["Tab", "space"],
     ["=Web: https://www.example.org/constitucion link", "=notification No hay navegador para abrir el enlace"], []),
    ("Tab, Intro (Cerrar)", ["Tab", "Return"],
     ["=Cerrar push button", "=Información acerca de la fuente de esta constitución push button"], []),
    ("Tab tres veces (el árbol del índice)", ["Tab"] * 3,
     ["=Indice page tab list", "Índice: títulos, capítulos y secciones tree"], []),
    ("Izquierda (al capítulo)", ["Left"], ["Capítulo II Del Poder Ejecutivo Nacional expanded", "=nivel 2, 2 de 5"],
     []),
    ("Izquierda (cerrarlo)", ["Left"], ["=notification Cerrado"], []),
    ("Derecha (abrirlo)", ["Right"], ["=notification Abierto, 6 elementos"], []),
    ("Mayús+Tab, Derecha, Derecha, Izquierda (las pestañas)", ["shift+Tab", "Right", "Right", "Left"],
     ["Referencias page tab", "Estdísticas page tab", "Referencias page tab"],
     ["Palabra que busca"]),
    ("Derecha, Tab, Ctrl+3 (las estadísticas por veces)", ["Right", "Tab", "ctrl+3"],
     ["Palabras: en cuántos artículos y cuántas veces", "=notification Ordenado por Veces, de mayor a menor"], []),
    ("Ctrl+1", ["ctrl+1"], ["=notification Ordenado por Palabra, de la A a la Z"], []),
    ("Ctrl+P (imprimir)", ["ctrl+p"],
     ["=Imprimir: Constitución de la República Bolivariana de Venezuela (1999), Artículo 231 dialog"], []),
    ("Escape (cancelar)", ["Escape"], ["CONSTITUCION DE LA REPUBLICA BOLIVARIANA DE VENEZUELA 15 DICIEMBRE DE 1999 frame",
                                       "Palabras: en cuántos artículos y cuántas veces"], []),
    ("Ctrl+F", ["ctrl+f"], ["=Texto a buscar text"], []),
    ("«derechos humanos»", ["texto:\"derechos humanos\""], ["=notification 38 coincidencias en 24 entradas"],
     ["dialog"]),
    ("Abajo (la primera fila)", ["Down"], ["=Preámbulo", "=1 coincidencia"], []),
    ("Abajo, Intro (el Artículo 2)", ["Down", "Return"],
     ["notification Artículo 2, I PRINCIPIOS FUNDAMENTALES. coincidencia 1 de 1 en el Artículo 2: …"],
     ["selected"]),
    ("F3 (el Artículo 19, dos coincidencias)", ["F3"],
     ["notification Artículo 19, III DE LOS DERECHOS HUMANOS Y GARANTÍAS, Y DE LOS DEBERES, I Disposiciones "
      "Generales. coincidencia 1 de 2 en el Artículo 19: …"], ["selected"]),
    ("F3 (la segunda del Artículo 19)", ["F3"], ["notification coincidencia 2 de 2 en el Artículo 19: …"],
     ["selected"]),
    ("Escape, F3 (nada de la ventana oculta)", ["Escape", "F3"],
     ["notification Artículo 22. coincidencia 1 de 1 en el Artículo 22: …"],
     ["selected", "Buscar en la Constitución", "Resultados de la búsqueda", "table with 24 rows"]),
]

fallos = []
salida = []


def paso(titulo, pulsar, esperado, prohibido):
    antes = len(dicho())
    teclas(*pulsar)

    def oido():
        return dicho()[antes:]

    def cumple():
        resto = oido()
        for e in esperado:
            exacto = e.startswith("=")
            frase = e[1:] if exacto else e
            for i, o in enumerate(resto):
                o = o.rstrip(". ")
                if o == frase if exacto else o.startswith(frase):
                    resto = resto[i + 1:]
                    break
            else:
                return False
        return True

    esperar(cumple, 20)
    time.sleep(0.8)  # what should not come has had time to come
    frases = oido()
    salida.append(titulo)
    salida.extend("    " + f for f in frases)
    print("\n".join(salida[-1 - len(frases):]), flush=True)
    if not cumple():
        fallos.append(f"{titulo}: se esperaba {esperado}, Orca dijo {frases}")
    for p in prohibido:
        for f in frases:
            if p in f:
                fallos.append(f"{titulo}: Orca dijo «{f}», que no debía contener «{p}»")


pids = []
try:
    if shutil.which("openbox"):
        pids.append(subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
    os.makedirs(os.path.join(temporal, "prefs"))
    # Orca will not start while another Orca of the same user runs anywhere on the machine
    # (pgrep -u USER -x orca), though each runs on its own bus and display: its pgrep finds none.
    solo = os.path.join(temporal, "solo")
    os.makedirs(solo)
    with open(os.path.join(solo, "pgrep"), "w") as f:
        f.write("#!/bin/sh\nexit 1\n")
    os.chmod(os.path.join(solo, "pgrep"), 0o755)
    orca = subprocess.Popen(["/usr/bin/python3", os.path.join(aqui, "orca_al_dia.py"), orca_sin_voz,
                             "-u", os.path.join(temporal, "prefs"), "--debug-file", registro],
                            env=dict(os.environ, HOME=temporal, PATH=solo + os.pathsep + os.environ["PATH"]), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    pids.append(orca)
    if not esperar(lambda: "Screen reader on." in " ".join(dicho()), 60):
        with open(registro, encoding="utf-8", errors="replace") as f:
            fallos.append("Orca no arrancó; lo último de su registro:\n" + "".join(f.readlines()[-15:]))
    else:
        # No browser nor mail program to be found: the links say so.
        sin_navegador = os.path.join(temporal, "bin")
        os.makedirs(sin_navegador)
        with open(errores, "w") as err:
            lector = subprocess.Popen([programa], stdout=subprocess.DEVNULL, stderr=err,
                                      env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                                               PATH=sin_navegador, BROWSER=""))
        pids.append(lector)
        for p in PASOS:
            paso(*p)
        lector.terminate()
        lector.wait(10)
        for linea in lineas_inesperadas(errores):
            fallos.append(f"salida de errores del programa: {linea}")
finally:
    for p in reversed(pids):
        if p.poll() is None:
            p.terminate()
            try:
                p.wait(10)
            except subprocess.TimeoutExpired:
                p.kill()
    shutil.rmtree(temporal, ignore_errors=True)

if transcripcion:
    with open(transcripcion, "w", encoding="utf-8") as f:
        f.write("\n".join(salida) + "\n")
for f in fallos:
    print("FALLO " + f)
print(f"{len(PASOS)} pasos, {len(fallos)} fallos")
sys.exit(1 if fallos else 0)
