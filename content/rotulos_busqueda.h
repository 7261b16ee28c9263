#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// The words the whole-text search shows around its results, shared by the search window and
// the terminal's --buscar.

// The entry's full name as a result names it: "Artículo 132", "Disposición Transitoria
// Séptima"; an article amended since 1999 carries " (enmendado)".
QString Nombre_Resultado(int entrada);

// The count line: "N coincidencias en M entradas", "Sin coincidencias" (with "¿Quiso decir
// «…»?" and the nearest words of the text when a word typed is none of them), and what to type
// when the query is empty, holds no letter or digit, or only leaves out.
QString Texto_Cuenta(int coincidencias, int entradas, QStringView consulta);

// The count line offering words: "Sin coincidencias. ¿Quiso decir «a»?", "… «a» o «b»?",
// "… «a», «b» o «c»?", each offered word written as given (quotes included); "Sin
// coincidencias" when none is offered.
QString Texto_Quiso_Decir(const QStringList &ofrecidas);
