// What every benchmark executable shares: the application object and the shown main window.
#include "bench_comun.h"

#include "form1.h"

#include <QApplication>

#include <benchmark/benchmark.h>

Form1 &ventanaMostrada()
{
    static Form1 *const v = [] {
        auto *f = new Form1;
        f->show();
        QApplication::processEvents();
        f->completarArranque(); // the window as the reader has it once start-up is over
        return f;
    }();
    return *v;
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
