#pragma once

// What screen readers are told of the windows' own structure. The main window is a plain
// widget, which the accessibility bridge exposes as a filler, and its panels are frames, which
// the bridge names with the role screen readers take for a top-level window: a screen reader
// then looks for the active window among the panels, finds none, and stays silent. Here the
// main window is a window and its panels are plain groupings. Installed once; nothing changes
// on screen.
// The window given is the main window, built before the factory was there.
class QWidget;
void instalarAccesoVentanas(QWidget *principal);
