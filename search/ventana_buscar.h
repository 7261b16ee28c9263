#pragma once

#include "busqueda_global.h"
#include "quiso_decir.h"

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTimer;
class AvisoLector;
class ModeloResultados;
class OrdenResultados;
class RichTextView;

// The whole-text search window "Buscar en la Constitución": a text box, the count of hits
// and a list of the entries holding the phrase, refreshed on every keystroke. Down moves
// from the text box into the list; Enter or a click on a row asks for that result
// (resultadoElegido); a click on "Veces" (Ctrl+2) lists the most hits first, on "Entrada"
// (Ctrl+1) in the entries' order again. Below the list, the hit shown in the main window in its paragraph, the
// hits bold on yellow and the current one dark orange, so that it can be read wherever the
// window system puts this window. The button "Imprimir…" beside the count, enabled while there
// are results, asks for them to be printed (imprimirPedido). When nothing is found, the count
// line may offer the nearest words of the text: Alt+1, Alt+2, Alt+3 or a click on a word puts
// it in place of the word typed, and a screen reader is told what is searched and found.
// Escape closes the window; closing hides it, keeping its text and results.
class VentanaBuscar final : public QDialog
{
    Q_OBJECT

public:
    explicit VentanaBuscar(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(VentanaBuscar)

    const QList<Resultado_Busqueda> &resultados() const;
    // Makes the row current in the list without asking for it (F3 moving between entries).
    void marcarFila(int fila);
    // The hit of the entry's hits shown in the main window, in its paragraph.
    void mostrarCoincidencia(int entrada, const QList<Tramo> &tramos, int tramo);
    // Whether the text box is empty (not even a space typed).
    bool consultaVacia() const;
    // The text typed into the box.
    QString consulta() const;
    // Shows the window in front, the text box focused. The first time it is placed where it
    // covers none of columna, the main window's text column; while it stays where it was put,
    // it is placed again whenever the main window moves or changes size, as when the window
    // manager frames and places the main window after its first frame.
    void mostrar(const QWidget *columna);

signals:
    void resultadoElegido(int fila);
    void resultadosCambiados();
    void imprimirPedido();

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void Texto_BuscarChange();
    void Lista_ResultadosClick();
    void Cuenta_BuscarLinkActivated(const QString &enlace);
    // A click on a heading of the list, or Ctrl+1, Ctrl+2: "Entrada" lists the results in the
    // entries' order, "Veces" the most hits first.
    void Lista_ResultadosColumnClick(int columna);
    // The list's row of a result, and the result a row shows.
    QModelIndex filaDe(int resultado) const;
    // Puts the offered word numero (from 0) in place of the word typed.
    void tomarSugerencia(int numero);
    void colocarFueraDe(const QWidget *columna);
    // Scrolls the preview to start with a whole line, the one at posicion kept in sight.
    void alinearVistaPrevia(int posicion);

    QLineEdit *const Texto_Buscar;
    QLabel *const Cuenta_Buscar;
    QPushButton *const Boton_Imprimir_Resultados;
    QTableView *const Lista_Resultados;
    ModeloResultados *const Modelo_Resultados;
    OrdenResultados *const Orden_Resultados;
    QLabel *const Rotulo_Vista;
    RichTextView *const Vista_Previa;
    // The text column it keeps clear of, where it was put, and the main window's frame it was
    // put beside (in screen coordinates); its size before it was first placed, which placing it
    // again starts from.
    const QWidget *columnaTexto = nullptr;
    QSize tamanoDisenado;
    QPoint colocadaEn;
    QRect marcoUsado;
    // The words offered on the count line.
    QList<Sugerencia_Consulta> Sugerencias;
    // The count line as it reads, without its links.
    QString Cuenta_Leida;
    // The count, told to a screen reader once typing pauses; made when first needed.
    void anunciarCuenta();
    void avisar(const QString &mensaje);
    AvisoLector *Aviso_Cuenta = nullptr;
    QTimer *Pausa_Tecleo = nullptr;
    // The hit the main window showed while this one was hidden, shown here when it shows.
    struct Coincidencia_Mostrada {
        int entrada = 0;
        QList<Tramo> tramos;
        int tramo = 0;
    };
    std::optional<Coincidencia_Mostrada> Coincidencia_Pendiente;
};
