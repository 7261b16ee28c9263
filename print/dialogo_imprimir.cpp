// The print and preview dialogs, built as the module the reader loads on its first print.
#include "dialogo_imprimir.h"

#include <QAction>
#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>
#include <QToolButton>

namespace {

// One of the preview's tool-bar actions, by the caption Qt gives it (translated or not).
QAction *accionVistaPrevia(const QPrintPreviewDialog &dialogo, const char *texto)
{
    const QString titulo = QCoreApplication::translate("QPrintPreviewDialog", texto);
    for (QAction *const accion : dialogo.findChildren<QAction *>()) {
        if (accion->text() == titulo)
            return accion;
    }
    return nullptr;
}

// Keys for the preview's tool buttons. Printing and turning pages are Qt's own actions, which
// act when triggered; Qt zooms only on the zoom buttons' clicks, so the zoom keys click them.
void teclasVistaPrevia(QPrintPreviewDialog &dialogo)
{
    const struct {
        const char *texto;
        QKeySequence tecla;
    } teclas[] = {
        {"Print", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"Next page", QKeySequence(Qt::CTRL | Qt::Key_PageDown)},
        {"Previous page", QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
    };
    for (const auto &t : teclas) {
        if (QAction *const accion = accionVistaPrevia(dialogo, t.texto))
            accion->setShortcut(t.tecla);
    }

    const struct {
        const char *texto;
        const char *nombre;
        QList<QKeySequence> teclas;
    } zoom[] = {
        {"Zoom in", "Vista_Previa_Acercar",
         {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)}},
        {"Zoom out", "Vista_Previa_Alejar", {QKeySequence(Qt::CTRL | Qt::Key_Minus)}},
    };
    const auto *const barra = dialogo.findChild<QToolBar *>();
    for (const auto &z : zoom) {
        QAction *const accion = accionVistaPrevia(dialogo, z.texto);
        auto *const boton = barra && accion ? qobject_cast<QToolButton *>(barra->widgetForAction(accion)) : nullptr;
        if (!boton)
            continue;
        auto *const tecla = new QAction(accion->text(), &dialogo);
        tecla->setObjectName(QString::fromLatin1(z.nombre));
        tecla->setShortcuts(z.teclas);
        QObject::connect(tecla, &QAction::triggered, boton, &QToolButton::click);
        dialogo.addAction(tecla);
        accion->setToolTip(accion->text() + QStringLiteral(" (") + z.teclas.first().toString(QKeySequence::NativeText)
                           + QLatin1Char(')'));
    }
}

} // namespace

extern "C" void constitucion_dialogo_imprimir(QWidget *padre, const QString &cita, bool vistaPrevia,
                                              const Pintar_Paginas &pintar)
{
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setDocName(cita);
    impresora.setPageOrientation(QPageLayout::Portrait);
    impresora.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    if (vistaPrevia) {
        QPrintPreviewDialog dialogo(&impresora, padre);
        dialogo.setObjectName(QStringLiteral("Vista_Previa_Impresion"));
        dialogo.setWindowTitle(QStringLiteral("Vista previa: ") + cita);
        teclasVistaPrevia(dialogo);
        // Readable at once: the page as wide as the window, the window as large as the screen
        // leaves room for (Qt's default size at 910 x 512 shows a page at a quarter of its size).
        if (QAction *const ancho = dialogo.findChild<QAction *>(QStringLiteral("fitWidthAction")))
            ancho->trigger();
        dialogo.setWindowState(Qt::WindowMaximized);
        QObject::connect(&dialogo, &QPrintPreviewDialog::paintRequested, &dialogo,
                         [&pintar](QPrinter *destino) { pintar(*destino); });
        dialogo.exec();
        return;
    }
    QPrintDialog dialogo(&impresora, padre);
    dialogo.setObjectName(QStringLiteral("Dialogo_Imprimir"));
    dialogo.setWindowTitle(QStringLiteral("Imprimir: ") + cita);
    if (dialogo.exec() == QDialog::Accepted)
        pintar(impresora);
}
