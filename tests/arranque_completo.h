#pragma once

#include "forma_acerca.h"

#include <QAbstractItemView>
#include <QTest>
#include <QWidget>

// Waits, running the event loop, until the main window's start-up is over: what its first
// frame leaves for right after it (the "Referencias" and "Estdísticas" pages, the About
// dialog, the statistics rows) has been made.
inline bool esperarArranque(const QWidget *ventana)
{
    return QTest::qWaitFor([ventana] {
        const auto *const lista = ventana->findChild<QAbstractItemView *>(QStringLiteral("ListView1"));
        return lista && lista->model()->rowCount() > 0 && Forma_Acerca::Instancia();
    });
}
