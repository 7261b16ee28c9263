#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>

// For tests that press every key of the window without driving the print and preview dialogs
// Ctrl+P and Ctrl+Shift+P open: closes them, as Escape would, from inside their modal loops.
class CierreDialogosImpresion
{
public:
    CierreDialogosImpresion()
    {
        reloj.setInterval(5);
        reloj.callOnTimeout([this] {
            QWidget *const modal = QApplication::activeModalWidget();
            if (modal && modal->isVisible() && esDeImpresion(modal)) {
                ++cerrados;
                static_cast<QDialog *>(modal)->reject();
            }
        });
        reloj.start();
    }

    static bool esDeImpresion(const QWidget *w)
    {
        return w->objectName() == QLatin1String("Dialogo_Imprimir")
               || w->objectName() == QLatin1String("Vista_Previa_Impresion");
    }

    int cerrados = 0;

private:
    QTimer reloj;
};
