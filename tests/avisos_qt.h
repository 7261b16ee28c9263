#pragma once

// The main() of every test: Qt Test's (QTEST_MAIN, QTEST_GUILESS_MAIN, QTEST_APPLESS_MAIN)
// with one rule for Qt's warnings. The offscreen platform the tests run on warns each time a
// window asks for what it cannot do; those warnings, and only they, matched by their exact
// text, are dropped. Any other warning fails the test function it comes in, unless the test
// expects it with QTest::ignoreMessage.
#include <QApplication>
#include <QRegularExpression>
#include <QStringList>
#include <QTest>
#include <QThread>

namespace avisos_qt {

inline QtMessageHandler manejadorDeQtTest = nullptr;
inline Qt::HANDLE hiloDeLasPruebas = nullptr;

inline bool esDeLaPlataforma(const QString &mensaje)
{
    static const QStringList conocidos = {
        QStringLiteral("This plugin does not support propagateSizeHints()"),
        QStringLiteral("This plugin does not support raise()"),
        QStringLiteral("This plugin does not support grabbing the keyboard"),
    };
    return conocidos.contains(mensaje);
}

inline void filtrar(QtMsgType tipo, const QMessageLogContext &contexto, const QString &mensaje)
{
    if (tipo == QtWarningMsg && esDeLaPlataforma(mensaje))
        return;
    // Qt Test turns a warning that matches a failOnWarning pattern into a failure, after
    // letting ignoreMessage take it; its patterns last one test function, so the pattern
    // is given again for each warning, just before Qt Test sees it.
    if (tipo == QtWarningMsg && QTest::currentTestFunction() && QThread::currentThreadId() == hiloDeLasPruebas)
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    manejadorDeQtTest(tipo, contexto, mensaje);
}

// What QTest::qExec does, with the filter put in front of Qt Test's own message handler.
inline int ejecutar(QObject *prueba, int argc, char **argv)
{
    QTest::qInit(prueba, argc, argv);
    hiloDeLasPruebas = QThread::currentThreadId();
    manejadorDeQtTest = qInstallMessageHandler(filtrar);
    const int resultado = QTest::qRun();
    QTest::qCleanup();
    return resultado;
}

} // namespace avisos_qt

// main() for the test class, the statements given making the application object.
#define AVISOS_QT_MAIN(Clase, ...)                                                                                     \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        __VA_ARGS__                                                                                                    \
        Clase prueba;                                                                                                  \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return avisos_qt::ejecutar(&prueba, argc, argv);                                                               \
    }

// With a QApplication, as QTEST_MAIN.
#define PRUEBA_MAIN(Clase)                                                                                             \
    AVISOS_QT_MAIN(Clase, QApplication aplicacion(argc, argv); aplicacion.setAttribute(Qt::AA_Use96Dpi, true);)
// With a QCoreApplication, as QTEST_GUILESS_MAIN.
#define PRUEBA_GUILESS_MAIN(Clase)                                                                                     \
    AVISOS_QT_MAIN(Clase, QCoreApplication aplicacion(argc, argv); aplicacion.setAttribute(Qt::AA_Use96Dpi, true);)
// Without an application object, as QTEST_APPLESS_MAIN.
#define PRUEBA_APPLESS_MAIN(Clase) AVISOS_QT_MAIN(Clase, )
