#include "apariencia.h"

#include <QGuiApplication>
#include <QPalette>
#include <QWidget>

QFont Apariencia::fuente(qreal puntos, bool negrita)
{
    QFont f(QString::fromLatin1(FamiliaSansSerif));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(puntos);
    f.setBold(negrita);
    return f;
}

QColor Apariencia::caraBoton()
{
    return QGuiApplication::palette().color(QPalette::Button);
}

void Apariencia::colorear(QWidget *widget, const QColor &fondo, const QColor &texto)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, fondo);
    p.setColor(QPalette::Base, fondo);
    p.setColor(QPalette::WindowText, texto);
    p.setColor(QPalette::Text, texto);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}
