#pragma once

#include <QObject>

class QTableView;

// Keeps the result list's columns fitted to its width: "Entrada" as wide as the longest name
// it lists (never more than half of what "Veces" leaves), "Veces" fixed, and the rest to the
// context, refitted when the list is resized or its rows change.
class ColumnasResultados final : public QObject
{
    Q_OBJECT

public:
    explicit ColumnasResultados(QTableView *lista);
    Q_DISABLE_COPY_MOVE(ColumnasResultados)

    void ajustar();

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    QTableView *const lista;
    // Its viewport, kept: while the list is being destroyed its events still come, and the list
    // may no longer be asked for it.
    const QObject *const vista;
};
