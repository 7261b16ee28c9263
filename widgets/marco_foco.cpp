#include "marco_foco.h"

#include "apariencia.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPointer>
#include <QSplitter>
#include <QWidget>

#include <cmath>

namespace {

double luminancia(const QColor &c)
{
    const auto canal = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * canal(c.redF()) + 0.7152 * canal(c.greenF()) + 0.0722 * canal(c.blueF());
}

// The background a control shows inside its edges: its viewport's for a scroll area.
QColor fondoDe(const QWidget *w)
{
    if (const auto *area = qobject_cast<const QAbstractScrollArea *>(w); area && area->viewport())
        w = area->viewport();
    return w->palette().color(w->backgroundRole());
}

// Drawn over the focused control as its parent's child, just above it, so that nothing the
// control stacks inside itself (a scroll bar, a viewport) can cover it; a control whose parent
// lays out every child itself (a splitter) or that has none carries the frame as its own child.
// Lets every mouse event through.
class Marco final : public QWidget
{
public:
    Marco()
    {
        setObjectName(QStringLiteral("MarcoFoco"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
    }

    void seguir(QWidget *control)
    {
        if (objetivo)
            objetivo->removeEventFilter(this);
        objetivo = control;
        if (!control) {
            hide();
            return;
        }
        QWidget *const padre = control->parentWidget();
        QList<QColor> vecinos{fondoDe(control)};
        if (padre)
            vecinos << fondoDe(padre);
        if (qobject_cast<QAbstractItemView *>(control))
            vecinos << control->palette().color(QPalette::Highlight);
        color = MarcoFoco::colorPara(vecinos);
        QWidget *const lugar = padre && !control->isWindow() && !qobject_cast<QSplitter *>(padre) ? padre : control;
        if (parentWidget() != lugar)
            setParent(lugar);
        control->installEventFilter(this);
        ajustar();
        show();
    }

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        const QEvent::Type tipo = evento->type();
        if (objeto == objetivo && (tipo == QEvent::Resize || tipo == QEvent::Move || tipo == QEvent::ChildAdded))
            ajustar();
        else if (objeto == objetivo && (tipo == QEvent::Hide || tipo == QEvent::Show))
            setVisible(tipo == QEvent::Show);
        return false;
    }

    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        const QRect r = rect();
        const int g = MarcoFoco::Grosor;
        p.fillRect(QRect(r.left(), r.top(), r.width(), g), color);
        p.fillRect(QRect(r.left(), r.bottom() - g + 1, r.width(), g), color);
        p.fillRect(QRect(r.left(), r.top() + g, g, r.height() - 2 * g), color);
        p.fillRect(QRect(r.right() - g + 1, r.top() + g, g, r.height() - 2 * g), color);
    }

private:
    void ajustar()
    {
        setGeometry(parentWidget() == objetivo ? objetivo->rect() : objetivo->geometry());
        raise();
    }

    QPointer<QWidget> objetivo;
    QColor color;
};

// Lives as long as the application; makes the frame on the first focus change.
class Seguidor final : public QObject
{
public:
    explicit Seguidor(QObject *padre)
        : QObject(padre)
    {
        setObjectName(QStringLiteral("SeguidorFoco"));
        connect(qApp, &QApplication::focusChanged, this, &Seguidor::cambio);
    }

private:
    void cambio(QWidget *, QWidget *ahora)
    {
        if (!marco) {
            if (!ahora)
                return;
            marco = new Marco;
        }
        marco->seguir(ahora);
    }

    QPointer<Marco> marco; // destroyed with the control it sits on; made again when needed
};

} // namespace

void MarcoFoco::instalar()
{
    if (!qApp || qApp->findChild<QObject *>(QStringLiteral("SeguidorFoco"), Qt::FindDirectChildrenOnly))
        return;
    new Seguidor(qApp);
}

double MarcoFoco::contraste(const QColor &a, const QColor &b)
{
    const double la = luminancia(a);
    const double lb = luminancia(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QColor MarcoFoco::colorPara(const QList<QColor> &vecinos)
{
    const QColor candidatos[] = {Apariencia::Azul, Apariencia::Granate, QColor(Qt::black), Apariencia::Blanco,
                                 Apariencia::Amarillo};
    const auto peor = [&vecinos](const QColor &c) {
        double menor = 21;
        for (const QColor &v : vecinos)
            menor = qMin(menor, contraste(c, v));
        return menor;
    };
    const QColor *mejor = &candidatos[0];
    for (const QColor &c : candidatos) {
        if (peor(c) >= 3)
            return c;
        if (peor(c) > peor(*mejor))
            mejor = &c;
    }
    return *mejor;
}
