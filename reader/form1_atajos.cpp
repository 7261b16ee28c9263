// The window's keyboard actions: one table of keys, each row made an action of the window
// that works wherever the focus is inside it. Keys the focused widget uses itself (arrows,
// Page Up/Down, Home/End with or without Ctrl, Ctrl+C, Ctrl+A, F2, Tab, Escape, letters
// and digits for type-to-search) stay out of it.
#include "form1_atajos.h"

#include "botones_laterales.h"
#include "estado_lector.h"

#include <QAction>
#include <QKeyEvent>
#include <QPushButton>

namespace {

constexpr QKeyCombination Ninguna(Qt::Key_unknown);

} // namespace

using namespace UnitM01;

std::span<const Atajo> Form1::Tabla_Atajos()
{
    static const Atajo Atajos[] = {
        {"Atajo_Atras", Qt::ALT | Qt::Key_Left, Ninguna, &Form1::Historial_Atras, nullptr, false},
        {"Atajo_Adelante", Qt::ALT | Qt::Key_Right, Ninguna, &Form1::Historial_Adelante, nullptr, false},
        {"Atajo_Anterior", Qt::ALT | Qt::Key_PageUp, Ninguna, &Form1::Boton_Menu_Anterior_Click,
         &Form1::Boton_Menu_Anterior_, false},
        {"Atajo_Siguiente", Qt::ALT | Qt::Key_PageDown, Ninguna, &Form1::Boton_Menu_Siguiente_Click,
         &Form1::Boton_Menu_Siguiente_, false},
        {"Atajo_Primero", Qt::ALT | Qt::Key_Home, Ninguna, &Form1::Boton_Menu_Primero_Click,
         &Form1::Boton_Menu_Primero_, false},
        {"Atajo_Ultimo", Qt::ALT | Qt::Key_End, Ninguna, &Form1::Boton_Menu_Ultimo_Click,
         &Form1::Boton_Menu_Ultimo_, false},
        {"Atajo_Selector", Qt::CTRL | Qt::Key_G, Ninguna, &Form1::Teclear_Selector, nullptr, false},
        {"Atajo_Ampliar", Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal, &Form1::Ampliar_Texto, nullptr, false},
        {"Atajo_Reducir", Qt::CTRL | Qt::Key_Minus, Ninguna, &Form1::Reducir_Texto, nullptr, false},
        {"Atajo_Tamano_Disenado", Qt::CTRL | Qt::Key_0, Ninguna, &Form1::Restaurar_Texto, nullptr, false},
        {"Atajo_Copiar_Cita", Qt::CTRL | Qt::SHIFT | Qt::Key_C, Ninguna, &Form1::Copiar_Con_Cita, nullptr, false},
        {"Atajo_Buscar", Qt::CTRL | Qt::Key_F, Ninguna, &Form1::Atajo_Buscar_Triggered, nullptr, true},
        {"Atajo_Buscar_Siguiente", QKeyCombination(Qt::Key_F3), Ninguna, &Form1::Atajo_Buscar_Siguiente_Triggered,
         nullptr, true},
        {"Atajo_Buscar_Anterior", Qt::SHIFT | Qt::Key_F3, Ninguna, &Form1::Atajo_Buscar_Anterior_Triggered, nullptr,
         true},
        {"Atajo_Imprimir", Qt::CTRL | Qt::Key_P, Ninguna, &Form1::Atajo_Imprimir_Triggered, nullptr, true},
        {"Atajo_Vista_Previa", Qt::CTRL | Qt::SHIFT | Qt::Key_P, Ninguna, &Form1::Atajo_Vista_Previa_Triggered, nullptr,
         true},
    };
    return Atajos;
}

void Form1::setupAtajos()
{
    for (const Atajo &a : Tabla_Atajos()) {
        auto *const accion = new QAction(this);
        accion->setObjectName(QString::fromLatin1(a.nombre));
        QList<QKeySequence> teclas{QKeySequence(a.tecla)};
        if (a.otraTecla != Ninguna)
            teclas.append(QKeySequence(a.otraTecla));
        accion->setShortcuts(teclas);
        accion->setShortcutContext(Qt::WindowShortcut);
        connect(accion, &QAction::triggered, this, a.manejador);
        addAction(accion);
        Acciones_Atajos.append(accion);
    }
    auto *const raton = new BotonesLaterales(this);
    connect(raton, &BotonesLaterales::atras, this, &Form1::Historial_Atras);
    connect(raton, &BotonesLaterales::adelante, this, &Form1::Historial_Adelante);
}

// A stepping key whose button is off (Alt+Home on the first entry, Alt+Page Down on the
// last) reaches no action; a screen reader is told that there is nowhere to go.
void Form1::avisarTeclaSinEfecto(const QKeyEvent *tecla)
{
    const std::span<const Atajo> tabla = Tabla_Atajos();
    for (qsizetype i = 0; i < Acciones_Atajos.size(); ++i) {
        const Atajo &a = tabla[size_t(i)];
        if (!a.boton || Acciones_Atajos[i]->isEnabled() || tecla->keyCombination() != a.tecla)
            continue;
        anunciar(Articulo_Actual <= 1 ? QStringLiteral("Ya está en la primera entrada")
                                    : QStringLiteral("Ya está en la última entrada"));
        return;
    }
}

void Form1::Actualizar_Atajos()
{
    const std::span<const Atajo> tabla = Tabla_Atajos();
    for (qsizetype i = 0; i < Acciones_Atajos.size(); ++i) {
        if (QPushButton *Form1::*const boton = tabla[size_t(i)].boton)
            Acciones_Atajos[i]->setEnabled((this->*boton)->isEnabled());
    }
}
