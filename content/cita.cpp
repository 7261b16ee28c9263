#include "cita.h"

#include "divisiones.h"
#include "enmiendas.h"
#include "entradas.h"

namespace {

// The provision's ordinal as a word: its caption without the full stop.
QString ordinal(int entrada)
{
    QString rotulo = Rotulo_Articulo(entrada);
    if (rotulo.endsWith(QLatin1Char('.')))
        rotulo.chop(1);
    return rotulo;
}

QString lineaEncabezados(const QStringList &encabezados)
{
    QStringList partes;
    for (const QString &e : encabezados) {
        const QString limpio = e.trimmed();
        if (!limpio.isEmpty())
            partes.append(limpio);
    }
    return partes.join(QStringLiteral(" — "));
}

// The passage with line feeds for its paragraph breaks, none at its end.
QString lineas(const QString &pasaje)
{
    QString texto = pasaje;
    texto.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    while (texto.endsWith(QLatin1Char('\n')))
        texto.chop(1);
    return texto;
}

} // namespace

QString Cita_Entrada(int entrada)
{
    if (entrada == 1)
        return QStringLiteral("Preámbulo");
    if (entrada >= 2 && entrada <= 351)
        return QStringLiteral("Artículo %1").arg(entrada - 1);
    if (entrada == 352)
        return QStringLiteral("Disposición Derogatoria ") + ordinal(entrada);
    if (entrada >= 353 && entrada <= 370)
        return QStringLiteral("Disposición Transitoria ") + ordinal(entrada);
    if (entrada == 371)
        return QStringLiteral("Disposición Final ") + ordinal(entrada);
    return {};
}

QString Obra_Citada()
{
    return QStringLiteral("Constitución de la República Bolivariana de Venezuela (1999)");
}

QString Cita_Completa(int entrada)
{
    return Obra_Citada() + QStringLiteral(", ") + Cita_Entrada(entrada);
}

QList<int> Divisiones_Entrada(int entrada)
{
    QList<int> registros;
    for (const Division_Encontrada &d : {Buscar_Titulo(entrada), Buscar_Capitulo(entrada), Buscar_Seccion(entrada)}) {
        if (d.registro > 0)
            registros.append(d.registro);
    }
    return registros;
}

QString Encabezado_Division(int registro)
{
    if (registro < 1 || registro > Numero_Divisiones)
        return {};
    return Divisiones[size_t(registro)].Titulo.trimmed().toString();
}

QStringList Encabezados_Cita(int entrada)
{
    QStringList encabezados;
    for (const int registro : Divisiones_Entrada(entrada))
        encabezados.append(Encabezado_Division(registro));
    return encabezados;
}

QString Cita_Division(int registro)
{
    if (registro < 1 || registro > Numero_Divisiones)
        return {};
    // The divisions holding its first entry, down to this one.
    QList<int> camino = Divisiones_Entrada(Divisiones[size_t(registro)].Desde);
    const qsizetype aqui = camino.indexOf(registro);
    if (aqui < 0)
        camino = {registro};
    else
        camino.resize(aqui + 1);
    QStringList encabezados;
    for (const int r : std::as_const(camino))
        encabezados.append(Encabezado_Division(r));
    return Obra_Citada() + QStringLiteral(", ") + encabezados.join(QStringLiteral(" — "));
}

QString Texto_Con_Cita(const QString &pasaje, int entrada, const QStringList &encabezados)
{
    QString texto = lineas(pasaje) + QStringLiteral("\n\n") + Cita_Completa(entrada);
    const QString encabezado = lineaEncabezados(encabezados);
    if (!encabezado.isEmpty())
        texto += QLatin1Char('\n') + encabezado;
    if (const QString nota = Nota_Enmienda(entrada); !nota.isEmpty())
        texto += QLatin1Char('\n') + nota;
    return texto;
}

QString Html_Con_Cita(const QString &pasaje, int entrada, const QStringList &encabezados)
{
    QString html;
    for (const QString &parrafo : lineas(pasaje).split(QLatin1Char('\n')))
        html += QStringLiteral("<p>%1</p>").arg(parrafo.toHtmlEscaped());
    html += QStringLiteral("<p><i>%1</i>").arg(Cita_Completa(entrada).toHtmlEscaped());
    const QString encabezado = lineaEncabezados(encabezados);
    if (!encabezado.isEmpty())
        html += QStringLiteral("<br>") + encabezado.toHtmlEscaped();
    if (const QString nota = Nota_Enmienda(entrada); !nota.isEmpty())
        html += QStringLiteral("<br>") + nota.toHtmlEscaped();
    return html + QStringLiteral("</p>");
}
