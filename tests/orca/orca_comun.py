# What the Orca tests share: the utterances read from Orca's debug log, a bounded wait and the
# keys pressed with xdotool.
import re
import subprocess
import time

# An utterance, possibly over several lines (a caption with a line break), up to the quote
# that ends it: before Orca's voice settings, the end of a line or another log field.
FRASE = re.compile(r"SPEECH OUTPUT: '(.*?)'(?: voice=\w+)?(?: ?\{'established|\s*$| [A-Za-z]+:|\n)",
                   re.S | re.M)


def frases(registro):
    """Every utterance in Orca's log so far, in order, its white space joined."""
    try:
        with open(registro, encoding="utf-8", errors="replace") as f:
            texto = f.read()
    except FileNotFoundError:
        return []
    return [" ".join(m.group(1).split()) for m in FRASE.finditer(texto)]


def esperar(condicion, segundos):
    """True once condicion holds, checked until segundos have gone by."""
    limite = time.monotonic() + segundos
    while time.monotonic() < limite:
        if condicion():
            return True
        time.sleep(0.1)
    return condicion()


def teclas(*nombres):
    """Presses each key ("texto:..." types a text), with a pause for the program and Orca."""
    for n in nombres:
        if n.startswith("texto:"):
            subprocess.run(["xdotool", "type", "--delay", "80", n[len("texto:"):]], check=True)
        else:
            subprocess.run(["xdotool", "key", n], check=True)
        time.sleep(0.4)
