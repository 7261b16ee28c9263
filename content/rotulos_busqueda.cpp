#include "rotulos_busqueda.h"

#include "busqueda_global.h"
#include "cita.h"
#include "contar.h"
#include "enmiendas.h"

QString Nombre_Resultado(int entrada)
{
    const QString nombre = Cita_Entrada(entrada);
    return Entrada_Enmendada(entrada) ? nombre + QStringLiteral(" (enmendado)") : nombre;
}

QString Texto_Cuenta(int coincidencias, int entradas, QStringView consulta)
{
    if (consulta.isEmpty())
        return QStringLiteral("Escriba las palabras que busca");
    if (palabrasConsulta(consulta).isEmpty())
        return QStringLiteral("Sin coincidencias: escriba letras o números");
    if (coincidencias == 0)
        return QStringLiteral("Sin coincidencias");
    return contar(coincidencias, "coincidencia", "coincidencias") + QStringLiteral(" en ")
           + contar(entradas, "entrada", "entradas");
}
