// Whole-text search: the search window, made on the first Ctrl+F, and F3 / Shift+F3
// through its hits, or through the concordance word's entries while it has none.
#include "form1.h"
#include "form1_atajos.h"

#include "anuncio_coincidencia.h"
#include "estado_lector.h"
#include "listaconbusqueda.h"
#include "richtextview.h"
#include "ventana_buscar.h"

#include <QAction>
#include <QFrame>

using namespace UnitM01;

void Form1::Atajo_Buscar_Triggered()
{
    if (!Ventana_Buscar) {
        Ventana_Buscar = new VentanaBuscar(this);
        // The search keys work in the search window too.
        const std::span<const Atajo> tabla = Tabla_Atajos();
        for (qsizetype i = 0; i < Acciones_Atajos.size(); ++i) {
            if (tabla[size_t(i)].enBuscar)
                Ventana_Buscar->addAction(Acciones_Atajos[i]);
        }
        connect(Ventana_Buscar, &VentanaBuscar::resultadoElegido, this, &Form1::Ventana_BuscarResultadoElegido);
        connect(Ventana_Buscar, &VentanaBuscar::resultadosCambiados, this,
                &Form1::Ventana_BuscarResultadosCambiados);
        connect(Ventana_Buscar, &VentanaBuscar::imprimirPedido, this, &Form1::Ventana_BuscarImprimirPedido);
    }
    // The text column: the caption strip and the text view.
    Ventana_Buscar->mostrar(Panel1);
}

void Form1::Atajo_Buscar_Siguiente_Triggered()
{
    pasoBusqueda(true);
}

void Form1::Atajo_Buscar_Anterior_Triggered()
{
    pasoBusqueda(false);
}

void Form1::Ventana_BuscarResultadoElegido(int fila)
{
    // A row chosen shows its entry afresh, from its first hit.
    Tramos_Mostrados.clear();
    Mostrar_Coincidencia({fila, 0});
}

void Form1::Ventana_BuscarResultadosCambiados()
{
    Coincidencia_Actual = {};
}

void Form1::pasoBusqueda(bool adelante)
{
    // The concordance word's entries only while the search box is empty: a query that
    // finds nothing steps nowhere.
    if (!Ventana_Buscar || Ventana_Buscar->consultaVacia()) {
        pasoConcordancia(adelante);
        return;
    }
    Mostrar_Coincidencia(pasoDesdeEntrada(Ventana_Buscar->resultados(), Coincidencia_Actual, Articulo_Actual, adelante));
}

void Form1::Mostrar_Coincidencia(Posicion_Coincidencia posicion)
{
    if (!Ventana_Buscar)
        return;
    const QList<Resultado_Busqueda> &resultados = Ventana_Buscar->resultados();
    if (posicion.fila < 0 || posicion.fila >= resultados.size())
        return;
    const Resultado_Busqueda &r = resultados[posicion.fila];
    if (posicion.tramo < 0 || posicion.tramo >= r.tramos.size())
        return;
    Coincidencia_Actual = posicion;
    const Tramo &t = r.tramos[posicion.tramo];
    // One announcement: the entry, when it changes, then the hit.
    QString anuncio;
    if (Articulo_Actual != r.entrada || Tramos_Mostrados != r.tramos) {
        Resaltar_Tramos = r.tramos;
        Caret_Tras_Mostrar = t.inicio;
        Anuncio_Retenido = &anuncio;
        Mover_A_Entrada(r.entrada);
        Anuncio_Retenido = nullptr;
    } else {
        ColorMemo1->PonerCaret(t.inicio);
    }
    ColorMemo1->MarcarActual(t.inicio, t.largo);
    Ventana_Buscar->marcarFila(posicion.fila);
    Ventana_Buscar->mostrarCoincidencia(r.entrada, r.tramos, posicion.tramo);
    const QString hit = anuncioCoincidencia(r.entrada, r.tramos, posicion.tramo);
    anunciar(anuncio.isEmpty() ? hit : anuncio + QStringLiteral(". ") + hit);
}

void Form1::pasoConcordancia(bool adelante)
{
    if (!ListBox2)
        return; // its page is not made yet, so no word has been chosen
    const int n = ListBox2->count();
    if (n == 0)
        return;
    const int actual = ListBox2->selectedItems().isEmpty() ? -1 : ListBox2->currentRow();
    const int fila = actual < 0 ? (adelante ? 0 : n - 1) : ((actual + (adelante ? 1 : -1)) % n + n) % n;
    ListBox2->setCurrentRow(fila);
    ListBox2Click();
}
