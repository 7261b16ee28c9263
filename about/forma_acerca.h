#pragma once

#include <QDialog>

class AvisoLector;
class BotonPlano;
class Imagen;
class QFrame;
class QLabel;
class QTimer;
class RichTextView;

// The About dialog: made hidden by the main window right after its first frame (or when first
// asked for) and shown modally from it. It opens narrow on a picture that assembles itself;
// its button widens it to show a note on the source of the text and the contact rows, then
// closes it, the only way to close it. The picture and the note, which most runs never show,
// are loaded on the first showing.
class Forma_Acerca : public QDialog
{
    Q_OBJECT

public:
    explicit Forma_Acerca(QWidget *parent = nullptr);
    ~Forma_Acerca() override;
    Q_DISABLE_COPY_MOVE(Forma_Acerca)

    // The dialog of this run (the last one created and still alive), or null.
    static Forma_Acerca *Instancia();

    // Width of the dialog's frame: outer width = client width + this.
    int anchoMarco() const;

    void FormActivate();
    // Asked before every close; true lets it go ahead.
    bool FormCloseQuery();
    void Boton_FlechaClick();
    void Timer1Timer();
    void MyMailAddressClick();
    void MyWebAddressClick();
    void MyMailAddressMouseEnter();
    void MyMailAddressMouseLeave();
    void MyWebAddressMouseEnter();
    void MyWebAddressMouseLeave();
    void Iniciar_Fundido();

    // Every rejection but Escape's passes through FormCloseQuery.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void setupPanelIzquierdo();
    void setupPanelDerecho();
    void connectHandlers();
    // Sets the width the window system gives the whole dialog, frame included.
    void fijarAnchoExterior(int ancho);
    // A timer tick waits while the picture has a frame not yet painted.
    void servirTick();
    // Decodes the picture and lays out the note; once, before the first showing.
    void cargarContenido();
    // A minimised dialog comes straight back: the main window is hidden while it runs.
    void restaurarSiMinimizada();
    // Told to a screen reader, if one is there: what a key did that is only seen.
    void avisar(const QString &mensaje);
    AvisoLector *Aviso_Lector = nullptr; // made on first use

    QFrame *Panel_Acerca_Izq = nullptr;
    ::Imagen *Imagen = nullptr;
    QFrame *Bevel2 = nullptr;
    BotonPlano *Boton_Flecha = nullptr;
    QFrame *Bevel1 = nullptr;
    QFrame *Panel_Acerca_Der = nullptr;
    RichTextView *wwDBRichEdit1 = nullptr;
    QFrame *Panel_Datos_Mios = nullptr;
    QLabel *Muestra1 = nullptr;
    QLabel *MyMailAddress = nullptr;
    QLabel *MyWebAddress = nullptr;
    QLabel *Muestra4 = nullptr;
    QLabel *Muestra5 = nullptr;
    QLabel *Muestra6 = nullptr;
    QTimer *Timer1 = nullptr;
    bool contenidoCargado = false;
};
