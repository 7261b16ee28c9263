# The rule of the tests for Qt's warnings, applied to the real program run under the
# accessibility bus: whatever it writes to its standard error is a failure, except the lines
# below, each Qt's own and unavoidable here, matched exactly.
PERMITIDAS = {
    # Qt's tree and table (QAccessibleTree/QAccessibleTable::indexOfChild) know only their cells
    # and headers; asked through the AT-SPI bridge for the place of another child of theirs (the
    # viewport, the scroll bars' container, the table's corner button), they say so and answer -1.
    # Orca asks when the keyboard comes back to the index tree after a move changed its node.
    'WARNING QAccessibleTable::indexOfChild invalid child QAccessible::Client ""',
    'WARNING QAccessibleTable::indexOfChild Fix my children... QAccessible::Client ""',
    'WARNING QAccessibleTable::indexOfChild Fix my children... QAccessible::Button ""',
    # Qt's bridge hands every key to the screen reader first; on a loaded machine Orca's answer
    # comes late and Qt notes it. Orca's pace, not the program's.
    'QSpiApplication::keyEventError  "org.freedesktop.DBus.Error.NoReply" "Did not receive a reply. Possible '
    'causes include: the remote application did not send a reply, the message bus security policy blocked the '
    'reply, the reply timeout expired, or the network connection was broken."',
    # The late answer's other side: Orca's reply arrives after Qt gave up on that key and
    # delivered it, so Qt finds no key waiting for it.
    "QSpiApplication::notifyKeyboardListenerCallback with no queued key called",
    # The About dialog's links on a machine with no browser and no mail program (the Orca session
    # hides them on purpose): Qt says so, and the program tells the reader.
    "Unable to detect a web browser to launch 'https://www.example.org/constitucion'",
    "Unable to detect a launcher for 'mailto:lector@example.org'",
}


def lineas_inesperadas(ruta):
    with open(ruta, encoding="utf-8", errors="replace") as f:
        return [l.rstrip("\n") for l in f if l.strip() and l.rstrip("\n") not in PERMITIDAS]
