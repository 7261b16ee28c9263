#pragma once

#include "busqueda_global.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QTableView;
class ModeloResultados;

// The whole-text search window "Buscar en la Constitución": a text box, the count of hits
// and a list of the entries holding the phrase, refreshed on every keystroke. Down moves
// from the text box into the list; Enter or a click on a row asks for that result
// (resultadoElegido). Escape closes it; closing hides it, keeping its text and results.
class VentanaBuscar final : public QDialog
{
    Q_OBJECT

public:
    explicit VentanaBuscar(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(VentanaBuscar)

    const QList<Resultado_Busqueda> &resultados() const;
    // Makes the row current in the list without asking for it (F3 moving between entries).
    void marcarFila(int fila);
    // Shows the window beside the main window (the first time), in front, the text box focused.
    void mostrar();

    // The count line: "N coincidencias en M entradas", "Sin coincidencias", or empty for no query.
    static QString textoCuenta(int coincidencias, int entradas, bool hayConsulta);

signals:
    void resultadoElegido(int fila);
    void resultadosCambiados();

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void Texto_BuscarChange();
    void Lista_ResultadosClick();
    void colocarJuntoA(const QWidget *principal);

    QLineEdit *const Texto_Buscar;
    QLabel *const Cuenta_Buscar;
    QTableView *const Lista_Resultados;
    ModeloResultados *const Modelo_Resultados;
    bool colocada = false;
};
