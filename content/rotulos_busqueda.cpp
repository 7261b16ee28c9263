#include "rotulos_busqueda.h"

#include "busqueda_global.h"
#include "cita.h"
#include "contar.h"
#include "enmiendas.h"
#include "quiso_decir.h"

#include <QStringList>

QString Nombre_Resultado(int entrada)
{
    const QString nombre = Cita_Entrada(entrada);
    return Entrada_Enmendada(entrada) ? nombre + QStringLiteral(" (enmendado)") : nombre;
}

QString Texto_Quiso_Decir(const QStringList &ofrecidas)
{
    if (ofrecidas.isEmpty())
        return QStringLiteral("Sin coincidencias");
    QStringList palabras = ofrecidas;
    const QString ultima = palabras.takeLast();
    const QString lista = palabras.isEmpty() ? ultima : palabras.join(QStringLiteral(", ")) + QStringLiteral(" o ") + ultima;
    return QStringLiteral("Sin coincidencias. ¿Quiso decir %1?").arg(lista);
}

QString Texto_Cuenta(int coincidencias, int entradas, QStringView consulta)
{
    if (consulta.isEmpty())
        return QStringLiteral("Escriba las palabras que busca");
    switch (analizarConsulta(consulta).motivo) {
    case Motivo_Sin_Consulta::Ninguno:
        break;
    case Motivo_Sin_Consulta::Vacia:
    case Motivo_Sin_Consulta::Solo_Signos:
        return QStringLiteral("Sin coincidencias: escriba letras o números");
    case Motivo_Sin_Consulta::Solo_Exclusiones:
        return QStringLiteral("Sin coincidencias: escriba también lo que busca, no solo lo que excluye");
    }
    if (coincidencias == 0) {
        const Quiso_Decir quiso = quisoDecir(consulta);
        QStringList palabras;
        for (const Sugerencia_Consulta &s : quiso.sugerencias)
            palabras << QStringLiteral("«%1»").arg(s.palabra);
        return Texto_Quiso_Decir(palabras);
    }
    return contar(coincidencias, "coincidencia", "coincidencias") + QStringLiteral(" en ")
           + contar(entradas, "entrada", "entradas");
}
