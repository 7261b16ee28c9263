#pragma once

// Qt's own words in Spanish: the print dialog and its preview, the line edits' context menus,
// the tab bar's scroll buttons, the standard buttons. Installs Qt's Spanish translation
// (qtbase_es.qm, Debian's qt6-translations-l10n) from Qt's translations folder into the running
// application; false, with the program left in Qt's English, when it is not there.
bool instalarTraduccionQt();
