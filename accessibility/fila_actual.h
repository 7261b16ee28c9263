#pragma once

class QAbstractItemView;

// The row of a list or table that has the keyboard, told to a screen reader.
//
// Qt reports a view's own focus after the focus of its current item (the view makes its first
// item current as it takes the keyboard), and Orca then speaks the view alone: the first row,
// which no arrow key has reached, was never heard.

// Reports the view's current item as focused, if the view has the keyboard and a screen
// reader is listening.
void anunciarFilaActual(QAbstractItemView *vista);
// From now on, every time the view takes the keyboard its current item is reported just after
// the view itself.
void anunciarFilaAlEntrar(QAbstractItemView *vista);
