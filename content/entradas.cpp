#include "entradas.h"

const std::array<QStringView, 20> Nombres_Disposicion = {
    u"",
    u"Única.", u"Primera.", u"Segunda.", u"Tercera.", u"Cuarta.", u"Quinta.", u"Sexta.",
    u"Séptima.", u"Octava.", u"Novena.", u"Décima.", u"Decimoprimera.", u"Decimosegunda.",
    u"Decimotercera.", u"Decimocuarta.", u"Decimoquinta.", u"Decimosexta.", u"Decimoséptima.",
    u"Decimoctava.",
};

QString Texto_Entrada(int entrada)
{
    if (entrada < 1 || entrada > Numero_Entradas)
        return {};
    return Textos[entrada].Texto;
}

QString Rotulo_Articulo(int entrada)
{
    QString rotulo;
    if (entrada == 1)
        rotulo = QStringLiteral("Preámbulo");
    else if (entrada >= 2 && entrada <= 351)
        rotulo = QStringLiteral("Artículo %1").arg(entrada - 1);
    else if (entrada == 352 || entrada == 371)
        rotulo = Nombres_Disposicion[1].toString();
    else if (entrada >= 353 && entrada <= 370)
        rotulo = Nombres_Disposicion[entrada - 351].toString();
    return rotulo.left(20);
}
