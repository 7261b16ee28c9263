#include "ventanabuscar.h"

#include "apariencia.h"
#include "crear.h"
#include "delegadoresaltado.h"
#include "modeloresultados.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QString contar(int n, const char *singular, const char *plural)
{
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(n == 1 ? singular : plural));
}

} // namespace

VentanaBuscar::VentanaBuscar(QWidget *parent)
    : QDialog(parent)
    , Texto_Buscar(crear<QLineEdit>(this, "Texto_Buscar"))
    , Cuenta_Buscar(crear<QLabel>(this, "Cuenta_Buscar"))
    , Lista_Resultados(crear<QTableView>(this, "Lista_Resultados"))
    , Modelo_Resultados(new ModeloResultados(this))
{
    setObjectName(QStringLiteral("VentanaBuscar"));
    setWindowTitle(QStringLiteral("Buscar en la Constitución"));
    setModal(false);
    setFont(Apariencia::fuente());
    Apariencia::colorear(this, Apariencia::caraBoton(), Qt::black);
    Texto_Buscar->setPlaceholderText(QStringLiteral("Palabras o frase"));
    Texto_Buscar->setAccessibleName(QStringLiteral("Texto a buscar"));
    Cuenta_Buscar->setFont(Apariencia::fuente(8, true));
    Lista_Resultados->setAccessibleName(QStringLiteral("Resultados de la búsqueda"));

    Lista_Resultados->setModel(Modelo_Resultados);
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
    Lista_Resultados->horizontalHeader()->setStretchLastSection(true);
    Lista_Resultados->setColumnWidth(ModeloResultados::ColumnaEntrada, 100);
    Lista_Resultados->setColumnWidth(ModeloResultados::ColumnaCoincidencias, 45);
    Apariencia::colorear(Lista_Resultados, Apariencia::CieloAzul, Qt::black);

    auto *const columna = new QVBoxLayout(this);
    columna->setContentsMargins(5, 5, 5, 5);
    columna->setSpacing(4);
    columna->addWidget(Texto_Buscar);
    columna->addWidget(Cuenta_Buscar);
    columna->addWidget(Lista_Resultados, 1);
    resize(560, 360);

    connect(Texto_Buscar, &QLineEdit::textChanged, this, &VentanaBuscar::Texto_BuscarChange);
    connect(Lista_Resultados, &QAbstractItemView::clicked, this, &VentanaBuscar::Lista_ResultadosClick);
    Texto_Buscar->installEventFilter(this);
    Lista_Resultados->installEventFilter(this);
}

const QList<Resultado_Busqueda> &VentanaBuscar::resultados() const
{
    return Modelo_Resultados->resultados();
}

QString VentanaBuscar::textoCuenta(int coincidencias, int entradas, bool hayConsulta)
{
    if (!hayConsulta)
        return {};
    if (coincidencias == 0)
        return QStringLiteral("Sin coincidencias");
    return contar(coincidencias, "coincidencia", "coincidencias") + QStringLiteral(" en ")
           + contar(entradas, "entrada", "entradas");
}

void VentanaBuscar::Texto_BuscarChange()
{
    const QString consulta = Texto_Buscar->text();
    Modelo_Resultados->setResultados(Buscar_En_Textos(consulta));
    Cuenta_Buscar->setText(textoCuenta(Modelo_Resultados->totalCoincidencias(), Modelo_Resultados->rowCount(),
                                       !palabrasConsulta(consulta).isEmpty()));
    emit resultadosCambiados();
}

void VentanaBuscar::Lista_ResultadosClick()
{
    const QModelIndex actual = Lista_Resultados->currentIndex();
    if (actual.isValid())
        emit resultadoElegido(actual.row());
}

void VentanaBuscar::marcarFila(int fila)
{
    const QModelIndex i = Modelo_Resultados->index(fila, 0);
    if (!i.isValid())
        return;
    Lista_Resultados->setCurrentIndex(i);
    Lista_Resultados->scrollTo(i);
}

bool VentanaBuscar::eventFilter(QObject *objeto, QEvent *evento)
{
    if (evento->type() != QEvent::KeyPress)
        return QDialog::eventFilter(objeto, evento);
    const auto *const tecla = static_cast<QKeyEvent *>(evento);
    const bool sinModificador = !(tecla->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
    if (objeto == Texto_Buscar && tecla->key() == Qt::Key_Down && sinModificador
        && Modelo_Resultados->rowCount() > 0) {
        Lista_Resultados->setFocus(Qt::TabFocusReason);
        if (!Lista_Resultados->currentIndex().isValid())
            Lista_Resultados->setCurrentIndex(Modelo_Resultados->index(0, 0));
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
            Lista_Resultados->setCurrentIndex(Modelo_Resultados->index(0, 0));
        Lista_ResultadosClick();
        return true;
    }
    return QDialog::eventFilter(objeto, evento);
}

void VentanaBuscar::mostrar()
{
    if (!colocada && parentWidget()) {
        colocada = true;
        colocarJuntoA(parentWidget()->window());
    }
    show();
    raise();
    activateWindow();
    Texto_Buscar->setFocus(Qt::ShortcutFocusReason);
    Texto_Buscar->selectAll();
}

void VentanaBuscar::colocarJuntoA(const QWidget *principal)
{
    // To the right of the main window, else to its left, else where it falls.
    const QRect marco = principal->frameGeometry();
    const QScreen *const pantalla = principal->screen();
    const QRect libre = pantalla ? pantalla->availableGeometry() : QRect();
    // Not shown yet, this window has no frame: take the main window's.
    const int ancho = width() + marco.width() - principal->width();
    QPoint donde(marco.right() + 1, marco.top());
    if (libre.isValid() && donde.x() + ancho > libre.right() + 1)
        donde.setX(marco.left() - ancho);
    if (libre.isValid() && donde.x() < libre.left())
        donde.setX(qMax(libre.left(), libre.right() + 1 - ancho));
    move(donde);
}
