#pragma once

#include <QTimer>
#include <QWidget>

// Two halves, up and down, each raising its own click: once when the left button is
// released over the half it was pressed on and, while it is held, 400 ms after the press
// and then every 100 ms for as long as the pointer stays over that half. Never takes focus.
class SpinButton : public QWidget
{
    Q_OBJECT

public:
    explicit SpinButton(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(SpinButton)

    static constexpr int PrimeraRepeticionMs = 400;
    static constexpr int RepeticionMs = 100;

    QSize sizeHint() const override;

signals:
    void upClick();
    void downClick();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    enum class Mitad { Ninguna, Arriba, Abajo };
    Mitad mitadEn(const QPoint &pos) const;
    QRect rectangulo(Mitad mitad) const;
    void emitir(Mitad mitad);
    void repetir();

    QTimer repeticion;
    Mitad pulsada = Mitad::Ninguna;    // the half the button went down on
    bool encima = false;               // the pointer is over that half now
};
