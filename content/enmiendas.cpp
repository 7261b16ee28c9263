#include "enmiendas.h"

#include <algorithm>
#include <array>

namespace {

// Entries, not article numbers: article N is entry N + 1.
constexpr std::array Entradas_Enmendadas{161, 163, 175, 193, 231};

} // namespace

bool Entrada_Enmendada(int entrada)
{
    return std::ranges::find(Entradas_Enmendadas, entrada) != Entradas_Enmendadas.end();
}

QString Nota_Enmienda(int entrada)
{
    if (!Entrada_Enmendada(entrada))
        return {};
    return QStringLiteral("Artículo modificado por la Enmienda N.º 1 (Gaceta Oficial N.º 5.908 Extraordinario, "
                          "19 de febrero de 2009). Se muestra el texto de 1999.");
}
