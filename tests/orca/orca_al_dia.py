#!/usr/bin/python3
# Runs Orca through the shared speechless launcher (../shared/tools/orca_sin_voz.py) with its
# debug file written through after every line: Orca leaves it block-buffered, so a test reading
# it while Orca runs would see each step's last utterances only a step later.
#     orca_al_dia.py <orca_sin_voz.py> [Orca's arguments...]
import runpy
import sys

from orca import debug

_escribir = debug.println


def println(level, text="", timestamp=False):
    _escribir(level, text, timestamp)
    if debug.debugFile:
        debug.debugFile.flush()


debug.println = println
lanzador = sys.argv.pop(1)
sys.argv[0] = lanzador
runpy.run_path(lanzador, run_name="__main__")
