// The article selector's arithmetic: wrapping, pinning at 350, the entry it names, and
// numbers typed from the keyboard.
#include "avisos_qt.h"
#include "casos_selector.h"
#include "casos_teclear_selector.h"
#include "selector.h"

#include <QTest>

#include <limits>

class TstSelector : public QObject
{
    Q_OBJECT

private slots:
    void clicks_wrapAndPin_data() { casosSelector(); }
    void clicks_wrapAndPin();
    void goButton_namesArticlePlusOne_data() { casosIrDirecto(); }
    void goButton_namesArticlePlusOne();
    void typing_fillsLikeACalculatorAndHolds_data() { casosTeclearSelector(); }
    void typing_fillsLikeACalculatorAndHolds();
    void typing_ignoresNonDigits();
};

namespace {

Selector leer(const QString &digitos)
{
    return {uint8_t(digitos[0].digitValue()), uint8_t(digitos[1].digitValue()), uint8_t(digitos[2].digitValue()), 9,
            9};
}

QString mostrar(const Selector &s)
{
    return QStringLiteral("%1%2%3/%4%5")
        .arg(s.centenas)
        .arg(s.decenas)
        .arg(s.unidades)
        .arg(s.maxDecenas)
        .arg(s.maxUnidades);
}

PasoSelector paso(const QString &codigo)
{
    static const QHash<QString, PasoSelector> pasos = {
        {QStringLiteral("C+"), PasoSelector::CentenasArriba}, {QStringLiteral("C-"), PasoSelector::CentenasAbajo},
        {QStringLiteral("D+"), PasoSelector::DecenasArriba},  {QStringLiteral("D-"), PasoSelector::DecenasAbajo},
        {QStringLiteral("U+"), PasoSelector::UnidadesArriba}, {QStringLiteral("U-"), PasoSelector::UnidadesAbajo},
    };
    return pasos.value(codigo);
}

} // namespace

void TstSelector::clicks_wrapAndPin()
{
    QFETCH(QString, inicio);
    QFETCH(QStringList, pasos);
    QFETCH(QStringList, despues);
    Selector s = leer(inicio);
    for (int i = 0; i < pasos.size(); ++i) {
        s = fijarSelector(pasoSelector(s, paso(pasos[i])));
        QCOMPARE(mostrar(s), despues[i]);
    }
}

void TstSelector::goButton_namesArticlePlusOne()
{
    QFETCH(QString, digitos);
    QFETCH(int, entrada);
    QCOMPARE(entradaSelector(leer(digitos)), entrada);
}

void TstSelector::typing_fillsLikeACalculatorAndHolds()
{
    QFETCH(QString, inicio);
    QFETCH(QStringList, teclas);
    QFETCH(QStringList, despues);
    Selector s = leer(inicio);
    TecleoSelector tecleo;
    for (int i = 0; i < teclas.size(); ++i) {
        const QString &t = teclas[i];
        s = fijarSelector(t == QLatin1String("U")   ? tecleo.paso(s, 1)
                          : t == QLatin1String("D") ? tecleo.paso(s, -1)
                                                    : tecleo.digito(s, t.toInt()));
        QCOMPARE(mostrar(s), despues[i]);
    }
}

void TstSelector::typing_ignoresNonDigits()
{
    TecleoSelector tecleo;
    const Selector s = leer(QStringLiteral("123"));
    for (const int malo : {-1, 10, 1000, std::numeric_limits<int>::min()})
        QCOMPARE(tecleo.digito(s, malo), s);
    // Steps far out of range are held at the ends too.
    QCOMPARE(mostrar(fijarSelector(tecleo.paso(s, std::numeric_limits<int>::max()))), QStringLiteral("350/99"));
    QCOMPARE(mostrar(fijarSelector(tecleo.paso(s, std::numeric_limits<int>::min()))), QStringLiteral("000/99"));
}

PRUEBA_APPLESS_MAIN(TstSelector)
#include "tst_selector.moc"
