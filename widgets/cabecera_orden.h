#pragma once

#include <QProxyStyle>

class QHeaderView;

// The sort indicator of a narrow column's heading drawn small in the room the caption leaves
// beside it (else in the section's bottom margin), so that the caption keeps the whole
// section's width instead of giving the indicator its room.
class CabeceraOrden final : public QProxyStyle
{
public:
    // Gives the header this style (owned by the header).
    static void aplicar(QHeaderView *cabecera);

    void drawControl(ControlElement elemento, const QStyleOption *opcion, QPainter *pintor,
                     const QWidget *widget) const override;

private:
    using QProxyStyle::QProxyStyle;
};
