// The print and preview dialogs, built as the module the reader loads on its first print.
#include "dialogo_imprimir.h"

#include <QAction>
#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

// Keys for the preview's own tool buttons, found by their captions.
void teclasVistaPrevia(QPrintPreviewDialog &dialogo)
{
    const struct {
        const char *texto;
        QKeySequence tecla;
    } teclas[] = {
        {"Print", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"Zoom in", QKeySequence(Qt::CTRL | Qt::Key_Plus)},
        {"Zoom out", QKeySequence(Qt::CTRL | Qt::Key_Minus)},
        {"Next page", QKeySequence(Qt::CTRL | Qt::Key_PageDown)},
        {"Previous page", QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
    };
    for (QAction *const accion : dialogo.findChildren<QAction *>()) {
        for (const auto &t : teclas) {
            if (accion->text() == QCoreApplication::translate("QPrintPreviewDialog", t.texto))
                accion->setShortcut(t.tecla);
        }
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
