#include "ventana_buscar.h"

#include "apariencia.h"
#include "aviso_lector.h"
#include "cita.h"
#include "colocacion_buscar.h"
#include "columnas_resultados.h"
#include "crear.h"
#include "delegadoresaltado.h"
#include "entradas.h"
#include "fila_actual.h"
#include "linea_cuenta.h"
#include "modelo_resultados.h"
#include "orden_resultados.h"
#include "richtextview.h"
#include "rotulos_busqueda.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTableView>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <QVBoxLayout>

VentanaBuscar::VentanaBuscar(QWidget *parent)
    : QDialog(parent)
    , Texto_Buscar(crear<QLineEdit>(this, "Texto_Buscar"))
    , Cuenta_Buscar(crear<QLabel>(this, "Cuenta_Buscar"))
    , Boton_Imprimir_Resultados(crear<QPushButton>(this, "Boton_Imprimir_Resultados"))
    , Lista_Resultados(crear<QTableView>(this, "Lista_Resultados"))
    , Modelo_Resultados(new ModeloResultados(this))
    , Orden_Resultados(new OrdenResultados(this))
    , Rotulo_Vista(crear<QLabel>(this, "Rotulo_Vista"))
    , Vista_Previa(crear<RichTextView>(this, "Vista_Previa"))
{
    setObjectName(QStringLiteral("VentanaBuscar"));
    setWindowTitle(QStringLiteral("Buscar en la Constitución"));
    setModal(false);
    setFont(Apariencia::fuente());
    Apariencia::colorear(this, Apariencia::caraBoton(), Qt::black);
    Texto_Buscar->setPlaceholderText(QStringLiteral("Palabras o frase"));
    Texto_Buscar->setAccessibleName(QStringLiteral("Texto a buscar"));
    Cuenta_Buscar->setFont(Apariencia::fuente(8, true));
    Cuenta_Buscar->setTextFormat(Qt::RichText);
    Cuenta_Buscar->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    Cuenta_Buscar->setWordWrap(true);
    Lista_Resultados->setAccessibleName(QStringLiteral("Resultados de la búsqueda"));
    Boton_Imprimir_Resultados->setText(QStringLiteral("Imprimir…"));
    Boton_Imprimir_Resultados->setAccessibleName(QStringLiteral("Imprimir los resultados"));
    Boton_Imprimir_Resultados->setToolTip(QStringLiteral("Imprimir las entradas halladas (Ctrl+P)"));
    Boton_Imprimir_Resultados->setAutoDefault(false);
    Boton_Imprimir_Resultados->setEnabled(false);

    Orden_Resultados->setSourceModel(Modelo_Resultados);
    Lista_Resultados->setModel(Orden_Resultados);
    Lista_Resultados->setItemDelegateForColumn(ModeloResultados::ColumnaContexto, new DelegadoResaltado(Lista_Resultados));
    Lista_Resultados->setSelectionBehavior(QAbstractItemView::SelectRows);
    Lista_Resultados->setSelectionMode(QAbstractItemView::SingleSelection);
    Lista_Resultados->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Lista_Resultados->setTabKeyNavigation(false);
    Lista_Resultados->setWordWrap(false);
    Lista_Resultados->setCursor(Qt::PointingHandCursor);
    Lista_Resultados->verticalHeader()->hide();
    Lista_Resultados->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Lista_Resultados->verticalHeader()->setDefaultSectionSize(Lista_Resultados->fontMetrics().height() + 4);
    Lista_Resultados->horizontalHeader()->setHighlightSections(false);
    // The window orders (Lista_ResultadosColumnClick); the view keeps no order of its own.
    Lista_Resultados->setSortingEnabled(false);
    Lista_Resultados->horizontalHeader()->setSectionsClickable(true);
    Lista_Resultados->horizontalHeader()->setSortIndicatorShown(true);
    Lista_Resultados->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    new ColumnasResultados(Lista_Resultados);
    Apariencia::colorear(Lista_Resultados, Apariencia::CieloAzul, Qt::black);

    Rotulo_Vista->setFont(Apariencia::fuente(8, true));
    Vista_Previa->setAccessibleName(QStringLiteral("La coincidencia en su párrafo"));
    Vista_Previa->setFont(Apariencia::fuente(8));
    Apariencia::colorear(Vista_Previa, Apariencia::CieloAzul, Apariencia::Granate);
    Vista_Previa->setFixedHeight(Vista_Previa->fontMetrics().lineSpacing() * 5 + 2 * Vista_Previa->frameWidth() + 8);
    Vista_Previa->ClearText();

    auto *const columna = new QVBoxLayout(this);
    columna->setContentsMargins(5, 5, 5, 5);
    columna->setSpacing(4);
    columna->addWidget(Texto_Buscar);
    auto *const fila = new QHBoxLayout;
    fila->addWidget(Cuenta_Buscar, 1);
    fila->addWidget(Boton_Imprimir_Resultados);
    columna->addLayout(fila);
    columna->addWidget(Lista_Resultados, 1);
    columna->addWidget(Rotulo_Vista);
    columna->addWidget(Vista_Previa);
    resize(560, 420);
    setMinimumSize(240, 200);
    Cuenta_Leida = Texto_Cuenta(0, 0, {});
    Cuenta_Buscar->setText(Cuenta_Leida);
    // Always taken, so that Alt and a digit never types the digit into the text box.
    for (int i = 0; i < 3; ++i) {
        auto *const atajo = new QShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_1 + i)), this);
        atajo->setObjectName(QStringLiteral("Atajo_Sugerencia_%1").arg(i + 1));
        connect(atajo, &QShortcut::activated, this, [this, i] { tomarSugerencia(i); });
    }

    connect(Texto_Buscar, &QLineEdit::textChanged, this, &VentanaBuscar::Texto_BuscarChange);
    connect(Lista_Resultados, &QAbstractItemView::clicked, this, &VentanaBuscar::Lista_ResultadosClick);
    for (const int columna : {int(ModeloResultados::ColumnaEntrada), int(ModeloResultados::ColumnaCoincidencias)}) {
        auto *const atajo = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + columna)), this);
        atajo->setObjectName(QStringLiteral("Atajo_Orden_%1").arg(columna + 1));
        connect(atajo, &QShortcut::activated, this, [this, columna] { Lista_ResultadosColumnClick(columna); });
    }
    connect(Lista_Resultados->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &VentanaBuscar::Lista_ResultadosColumnClick);
    connect(Cuenta_Buscar, &QLabel::linkActivated, this, &VentanaBuscar::Cuenta_BuscarLinkActivated);
    connect(Boton_Imprimir_Resultados, &QPushButton::clicked, this, &VentanaBuscar::imprimirPedido);
    Texto_Buscar->installEventFilter(this);
    Lista_Resultados->installEventFilter(this);
    anunciarFilaAlEntrar(Lista_Resultados);
}

const QList<Resultado_Busqueda> &VentanaBuscar::resultados() const
{
    return Modelo_Resultados->resultados();
}


void VentanaBuscar::Texto_BuscarChange()
{
    const QString consulta = Texto_Buscar->text();
    Modelo_Resultados->setResultados(Buscar_En_Textos(consulta));
    const Linea_Cuenta linea = lineaCuenta(Modelo_Resultados->totalCoincidencias(), Modelo_Resultados->rowCount(), consulta);
    Cuenta_Leida = linea.texto;
    Cuenta_Buscar->setText(linea.enriquecido);
    Sugerencias = linea.sugerencias;
    Boton_Imprimir_Resultados->setEnabled(Modelo_Resultados->rowCount() > 0);
    Rotulo_Vista->clear();
    Vista_Previa->ClearText();
    Coincidencia_Pendiente.reset();
    anunciarCuenta();
    emit resultadosCambiados();
}

void VentanaBuscar::Lista_ResultadosClick()
{
    const QModelIndex actual = Orden_Resultados->mapToSource(Lista_Resultados->currentIndex());
    if (actual.isValid())
        emit resultadoElegido(actual.row());
}

QModelIndex VentanaBuscar::filaDe(int resultado) const
{
    return Orden_Resultados->mapFromSource(Modelo_Resultados->index(resultado, 0));
}

void VentanaBuscar::Lista_ResultadosColumnClick(int columna)
{
    QHeaderView *const cabecera = Lista_Resultados->horizontalHeader();
    if (!Orden_Resultados->ordenarPor(columna)) {
        // The header has moved its arrow to the column clicked: back where the order is.
        cabecera->setSortIndicator(Orden_Resultados->sortColumn(), Orden_Resultados->sortOrder());
        return;
    }
    cabecera->setSortIndicator(columna, Orden_Resultados->sortOrder());
    if (Lista_Resultados->currentIndex().isValid())
        Lista_Resultados->scrollTo(Lista_Resultados->currentIndex());
    const bool porVeces = columna == ModeloResultados::ColumnaCoincidencias;
    avisar(QStringLiteral("Ordenado por %1, %2")
               .arg(Modelo_Resultados->headerData(columna, Qt::Horizontal).toString(),
                    porVeces ? QStringLiteral("de mayor a menor") : QStringLiteral("en el orden del texto")));
}

void VentanaBuscar::Cuenta_BuscarLinkActivated(const QString &enlace)
{
    tomarSugerencia(enlace.toInt() - 1);
}

void VentanaBuscar::tomarSugerencia(int numero)
{
    if (numero < 0 || numero >= Sugerencias.size())
        return;
    const QString consulta = Sugerencias[numero].consulta;
    Texto_Buscar->setText(consulta);
    Texto_Buscar->setFocus(Qt::OtherFocusReason);
    // Said at once, with what is searched now: the text box changed without a key typed into it.
    if (Pausa_Tecleo)
        Pausa_Tecleo->stop();
    avisar(QStringLiteral("Se busca «%1». %2").arg(consulta, Cuenta_Leida));
}

void VentanaBuscar::marcarFila(int fila)
{
    const QModelIndex i = filaDe(fila);
    if (!i.isValid())
        return;
    // Quietly: the view would report its new current row as focused, and a screen reader
    // would follow it here, away from the main window (and into this one while it is
    // hidden); the hit is announced by the main window.
    {
        const QSignalBlocker sinAvisos(Lista_Resultados->selectionModel());
        Lista_Resultados->selectionModel()->setCurrentIndex(
            i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    Lista_Resultados->scrollTo(i);
    Lista_Resultados->viewport()->update();
}

bool VentanaBuscar::eventFilter(QObject *objeto, QEvent *evento)
{
    // The main window moved, resized or framed since: placed again, unless the reader has moved
    // this one. A frame the window manager adds sends no event; it is seen when this window
    // comes up.
    const QEvent::Type tipo = evento->type();
    const bool cambio = ((tipo == QEvent::Move || tipo == QEvent::Resize || tipo == QEvent::WindowActivate)
                         && columnaTexto && objeto == columnaTexto->window())
                        || (tipo == QEvent::WindowActivate && objeto == this);
    if (cambio && geometry().topLeft() == colocadaEn && columnaTexto->window()->frameGeometry() != marcoUsado) {
        colocarFueraDe(columnaTexto);
        return QDialog::eventFilter(objeto, evento);
    }
    if (evento->type() != QEvent::KeyPress)
        return QDialog::eventFilter(objeto, evento);
    const auto *const tecla = static_cast<QKeyEvent *>(evento);
    const bool sinModificador = !(tecla->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
    if (objeto == Texto_Buscar && tecla->key() == Qt::Key_Down && sinModificador
        && Modelo_Resultados->rowCount() > 0) {
        // The row first, so that the list takes the keyboard on it (and it is heard).
        if (!Lista_Resultados->currentIndex().isValid())
            Lista_Resultados->setCurrentIndex(Orden_Resultados->index(0, 0));
        Lista_Resultados->setFocus(Qt::TabFocusReason);
        return true;
    }
    const bool intro = tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter;
    if (objeto == Lista_Resultados && intro) {
        Lista_ResultadosClick();
        return true;
    }
    // Enter in the text box opens the row marked in the list, the first one when none is.
    if (objeto == Texto_Buscar && intro && sinModificador && Modelo_Resultados->rowCount() > 0) {
        if (!Lista_Resultados->currentIndex().isValid())
            Lista_Resultados->setCurrentIndex(Orden_Resultados->index(0, 0));
        Lista_ResultadosClick();
        return true;
    }
    return QDialog::eventFilter(objeto, evento);
}

void VentanaBuscar::anunciarCuenta()
{
    if (!QAccessible::isActive())
        return;
    if (!Pausa_Tecleo) {
        Pausa_Tecleo = new QTimer(this);
        Pausa_Tecleo->setSingleShot(true);
        Pausa_Tecleo->setInterval(700);
        connect(Pausa_Tecleo, &QTimer::timeout, this, [this] { avisar(Cuenta_Leida); });
    }
    Pausa_Tecleo->start();
}

void VentanaBuscar::avisar(const QString &mensaje)
{
    if (!QAccessible::isActive())
        return;
    // Told from the main window: a screen reader speaks a notification with the names of the
    // windows and panes around it, and this window would add its own count line, the same
    // words again.
    if (!Aviso_Cuenta)
        Aviso_Cuenta = new AvisoLector(parentWidget() ? parentWidget()->window() : this);
    Aviso_Cuenta->anunciar(mensaje);
}

bool VentanaBuscar::consultaVacia() const
{
    return Texto_Buscar->text().isEmpty();
}

QString VentanaBuscar::consulta() const
{
    return Texto_Buscar->text();
}

void VentanaBuscar::mostrarCoincidencia(int entrada, const QList<Tramo> &tramos, int tramo)
{
    // A hidden window tells a screen reader nothing: the passage waits for the window.
    if (!isVisible()) {
        Coincidencia_Pendiente = {entrada, tramos, tramo};
        return;
    }
    Coincidencia_Pendiente.reset();
    const Pasaje_Coincidencia pasaje = pasajeDe(Texto_Entrada(entrada), tramos, tramo);
    Rotulo_Vista->setText(Cita_Entrada(entrada));
    Vista_Previa->ClearText();
    Vista_Previa->SetLinesText(pasaje.texto);
    QList<QPair<int, int>> marcas;
    for (const Tramo &t : pasaje.tramos)
        marcas.append({t.inicio, t.largo});
    Vista_Previa->MarcarTramos(marcas, Apariencia::Amarillo);
    if (pasaje.actual < 0)
        return;
    const Tramo &actual = pasaje.tramos[pasaje.actual];
    Vista_Previa->MarcarActual(actual.inicio, actual.largo);
    // The hit's end, then its start, into sight.
    Vista_Previa->PonerCaret(actual.inicio + actual.largo);
    Vista_Previa->PonerCaret(actual.inicio);
    alinearVistaPrevia(actual.inicio);
}

void VentanaBuscar::alinearVistaPrevia(int posicion)
{
    // Bringing the hit into sight scrolls as little as it can, which may leave part of a line at
    // the top: the view starts instead with that line, or the next one, whole, whichever keeps
    // the hit's line in sight.
    QScrollBar *const barra = Vista_Previa->verticalScrollBar();
    const int valor = barra->value();
    if (valor == 0)
        return;
    const QTextDocument *const documento = Vista_Previa->document();
    const auto lineaEn = [documento](int pos) {
        const QTextBlock bloque = documento->findBlock(pos);
        const QTextLine linea = bloque.layout()->lineForTextPosition(pos - bloque.position());
        const qreal arriba = documento->documentLayout()->blockBoundingRect(bloque).top() + linea.y();
        return QRectF(0, arriba, 1, linea.height());
    };
    const QRectF arribaCortada = lineaEn(Vista_Previa->cursorForPosition(QPoint(0, 0)).position());
    const QRectF linea = lineaEn(posicion);
    const int margen = int(documento->documentMargin());
    const int alto = Vista_Previa->viewport()->height();
    const auto muestra = [&](int v) { return linea.top() >= v && linea.bottom() <= v + alto; };
    const int cortada = int(arribaCortada.top());
    const int siguiente = int(arribaCortada.bottom());
    for (int v : {cortada, siguiente}) {
        // The first line keeps the margin above it.
        if (v <= margen)
            v = 0;
        if (muestra(v)) {
            barra->setValue(v);
            return;
        }
    }
}

void VentanaBuscar::mostrar(const QWidget *columna)
{
    if (!columnaTexto && columna) {
        columnaTexto = columna;
        tamanoDisenado = size();
        colocarFueraDe(columna);
        columna->window()->installEventFilter(this);
        installEventFilter(this);
    }
    show();
    raise();
    activateWindow();
    if (Coincidencia_Pendiente)
        mostrarCoincidencia(Coincidencia_Pendiente->entrada, Coincidencia_Pendiente->tramos,
                            Coincidencia_Pendiente->tramo);
    Texto_Buscar->setFocus(Qt::ShortcutFocusReason);
    Texto_Buscar->selectAll();
}

void VentanaBuscar::colocarFueraDe(const QWidget *columna)
{
    const QWidget *const principal = columna->window();
    const QScreen *const pantalla = principal->screen();
    if (!pantalla)
        return;
    // Measured as laid out: a Ctrl+F right after the first frame may come before a pending layout.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QRect texto(columna->mapToGlobal(QPoint(0, 0)), columna->size());
    // Not shown yet, this window has no frame: its frame is taken to be the main window's.
    const QRect marcoPrincipal = principal->frameGeometry();
    const QMargins marco(principal->geometry().left() - marcoPrincipal.left(),
                         principal->geometry().top() - marcoPrincipal.top(),
                         marcoPrincipal.right() - principal->geometry().right(),
                         marcoPrincipal.bottom() - principal->geometry().bottom());
    const QSize conMarco(marco.left() + marco.right(), marco.top() + marco.bottom());
    const QRect donde = colocarVentanaBuscar(pantalla->availableGeometry(), marcoPrincipal, texto,
                                             tamanoDisenado + conMarco, minimumSize() + conMarco);
    // Placed by its inside, which the window manager keeps when it frames a window.
    setGeometry(donde.marginsRemoved(marco));
    colocadaEn = geometry().topLeft();
    marcoUsado = marcoPrincipal;
}
