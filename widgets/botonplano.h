#pragma once

#include <QPushButton>

// A flat push button: a rectangle in its own colour, raised when up and sunken and lit when
// pressed or down, with a hand cursor. A picture sits centred at the top and the caption is
// centred in the rest, or the picture stands right of the caption, the two centred together.
// Under the mouse an enabled button takes the hover colour.
class BotonPlano : public QPushButton
{
    Q_OBJECT

public:
    explicit BotonPlano(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(BotonPlano)

    // The surface colour, kept in the palette's Button role; assigning the colour held does nothing.
    QColor color() const;
    void setColor(const QColor &color);

    // Moves the caption down by this many pixels from the centre.
    void setCaptionOffset(int pixels);

    // The picture to the right of the caption instead of above it.
    void setImagenALaDerecha(bool derecha);

    // Hover colouring: the mouse entered or left the button.
    void MouseEnter();
    void MouseLeave();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    int captionOffset = 0;
    bool imagenALaDerecha = false;
};
