#pragma once

#include <QDialog>

// The About dialog, created hidden at start and shown modally from the main window.
class Forma_Acerca : public QDialog
{
    Q_OBJECT

public:
    explicit Forma_Acerca(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(Forma_Acerca)
};
