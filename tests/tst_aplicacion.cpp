// An error escaping an event handler is shown in a message box and the program goes on.
#include "aplicacion.h"
#include "avisos_qt.h"
#include "richtextview.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QToolButton>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <stdexcept>

namespace {

// An object whose event handler fails the way a faulty handler would.
class Fallido : public QObject
{
public:
    explicit Fallido(const char *mensaje) : mensaje(mensaje) {}
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::User)
            throw std::runtime_error(mensaje);
        return QObject::event(e);
    }

private:
    const char *mensaje;
};

struct Mostrado {
    QString titulo;
    QString texto;
    QMessageBox::Icon icono = QMessageBox::NoIcon;
    int botones = 0;
};

} // namespace

class TstAplicacion : public QObject
{
    Q_OBJECT

private slots:
    void textoError_data();
    void textoError();
    void errorInHandler_showsMessageAndCarriesOn_data();
    void errorInHandler_showsMessageAndCarriesOn();
    void qtOwnWords_areSpanish();
};

void TstAplicacion::textoError_data()
{
    QTest::addColumn<QString>("mensaje");
    QTest::addColumn<QString>("mostrado");
    QTest::newRow("full stop added") << QStringLiteral("Fallo") << QStringLiteral("Fallo.");
    QTest::newRow("full stop kept") << QStringLiteral("Fallo.") << QStringLiteral("Fallo.");
    QTest::newRow("empty text") << QString() << QStringLiteral(".");
}

void TstAplicacion::textoError()
{
    QFETCH(QString, mensaje);
    QFETCH(QString, mostrado);
    QCOMPARE(::textoError(mensaje), mostrado);
}

void TstAplicacion::errorInHandler_showsMessageAndCarriesOn_data()
{
    QTest::addColumn<QByteArray>("mensaje");
    QTest::addColumn<QString>("texto");
    QTest::newRow("without full stop") << QByteArray("Índice fuera de rango") << QStringLiteral("Índice fuera de rango.");
    QTest::newRow("with full stop") << QByteArray("Sin memoria.") << QStringLiteral("Sin memoria.");
}

void TstAplicacion::errorInHandler_showsMessageAndCarriesOn()
{
    QFETCH(QByteArray, mensaje);
    QFETCH(QString, texto);
    Fallido fallido(mensaje.constData());
    Mostrado visto;
    // The message box is modal: read it and press OK from inside its event loop.
    QTimer cerrar;
    connect(&cerrar, &QTimer::timeout, this, [&visto] {
        auto *caja = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!caja)
            return;
        visto = {caja->windowTitle(), caja->text(), caja->icon(), int(caja->buttons().size())};
        caja->button(QMessageBox::Ok)->click();
    });
    cerrar.start(10);
    QCoreApplication::postEvent(&fallido, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    QCOMPARE(visto.texto, texto);
    QCOMPARE(visto.titulo, QStringLiteral("Constitución"));
    QCOMPARE(visto.icono, QMessageBox::Critical);
    QCOMPARE(visto.botones, 1);
    // The application carries on delivering events.
    bool entregado = false;
    QTimer::singleShot(0, this, [&entregado] { entregado = true; });
    QTRY_VERIFY(entregado);
}

void TstAplicacion::qtOwnWords_areSpanish()
{
    // A line edit's own context menu, as Qt makes it on a right click.
    QLineEdit linea(QStringLiteral("abc"));
    const std::unique_ptr<QMenu> menu(linea.createStandardContextMenu());
    QStringList textos;
    for (const QAction *a : menu->actions()) {
        if (!a->isSeparator())
            textos << a->text().section(QLatin1Char('\t'), 0, 0);
    }
    QCOMPARE(textos, (QStringList{QStringLiteral("&Deshacer"), QStringLiteral("&Rehacer"), QStringLiteral("Cor&tar"),
                                  QStringLiteral("&Copiar"), QStringLiteral("&Pegar"), QStringLiteral("Borrar"),
                                  QStringLiteral("Seleccionar todo")}));
    // The tab bar's scroll buttons, as a screen reader names them.
    QTabWidget pestanas;
    const auto *const izquierda = pestanas.findChild<QToolButton *>(QStringLiteral("ScrollLeftButton"));
    QVERIFY(izquierda);
    QCOMPARE(izquierda->accessibleName(), QStringLiteral("Desplazar hacia la izquierda"));
    // The standard buttons.
    QMessageBox caja;
    caja.setStandardButtons(QMessageBox::Ok);
    QCOMPARE(caja.button(QMessageBox::Ok)->text(), QStringLiteral("Aceptar"));
    // The text view's own menu keeps its English captions.
    RichTextView vista;
    const std::unique_ptr<QMenu> menuTexto(vista.crearMenuContextual(nullptr));
    QCOMPARE(menuTexto->actions().first()->text(), QStringLiteral("&View"));
    QCOMPARE(menuTexto->actions().at(2)->text(), QStringLiteral("Cu&t"));
}

// The application object under test, as the program makes it.
AVISOS_QT_MAIN(TstAplicacion, Aplicacion aplicacion(argc, argv);)
#include "tst_aplicacion.moc"
