#pragma once

#include <QIcon>
#include <QTimer>
#include <QWidget>

class QLabel;

// Two halves, up and down, each raising its own click: once when the left button is
// released over the half it was pressed on and, while it is held, 400 ms after the press
// and then every 100 ms for as long as the pointer stays over that half. A hold ends when the
// button comes up, wherever that is, or when the spin is hidden. Never takes focus.
// Each half shows a 9 x 6 arrow picture centred on it. To a screen reader it is a spin box
// whose value is the number its label shows, with increase and decrease actions.
class SpinButton : public QWidget
{
    Q_OBJECT

public:
    explicit SpinButton(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(SpinButton)

    static constexpr int PrimeraRepeticionMs = 400;
    static constexpr int RepeticionMs = 100;

    // The pictures of the up and down halves.
    void setFlechas(const QIcon &arriba, const QIcon &abajo);

    QSize sizeHint() const override;

    // The label showing the value this spin changes: its number is the spin's value for
    // screen readers (hacerSpinAccesible), who are told when it changes (avisarValor).
    void setEtiquetaValor(const QLabel *etiqueta);
    const QLabel *etiquetaValor() const { return etiquetaValor_; }
    void avisarValor();

signals:
    void upClick();
    void downClick();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    enum class Mitad { Ninguna, Arriba, Abajo };
    Mitad mitadEn(const QPoint &pos) const;
    QRect rectangulo(Mitad mitad) const;
    void emitir(Mitad mitad);
    void repetir();
    void soltar(); // ends a hold: no half pressed, no repetition

    QIcon flechaArriba;
    QIcon flechaAbajo;
    QTimer repeticion{this}; // "Repeticion": a child, so tests can read it and tick it by hand
    Mitad pulsada = Mitad::Ninguna;    // the half the button went down on
    bool encima = false;               // the pointer is over that half now
    const QLabel *etiquetaValor_ = nullptr;
};
