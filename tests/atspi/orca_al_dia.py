#!/usr/bin/python3
# Runs Orca with its speech off (the shared tool orca_sin_voz.py, given as the first argument)
# with its debug file written through after every line: Orca buffers it, so a reader of the
# file would see each step's last utterances only one step later.
#     orca_al_dia.py <orca_sin_voz.py> [Orca's arguments...]
import runpy
import sys

from orca import debug

_println = debug.println


def println_al_dia(*argumentos, **opciones):
    _println(*argumentos, **opciones)
    if debug.debugFile:
        debug.debugFile.flush()


debug.println = println_al_dia
herramienta = sys.argv[1]
sys.argv = [herramienta] + sys.argv[2:]
runpy.run_path(herramienta, run_name="__main__")
