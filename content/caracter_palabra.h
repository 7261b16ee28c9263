#pragma once

#include <QChar>

// Word characters of the texts: letters, accented ones included, and digits. Spaces,
// punctuation, the guillemets, the degree sign and paragraph breaks end a word. The rich
// text view's whole-word search and the whole-text search share this rule.
inline bool esCaracterPalabra(QChar c)
{
    return c.isLetterOrNumber();
}
