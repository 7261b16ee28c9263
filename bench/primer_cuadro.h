#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

#include <cstdio>
#include <ctime>

#include <sys/resource.h>

// Watches a window for its first frame: once the window has been painted and the
// paint pass (children included) has finished, prints on standard output the monotonic
// clock in nanoseconds and the peak resident memory so far in KiB, then ends the event
// loop, at once or after esperaMs of running on. bench_arranque reads both.
class PrimerCuadro : public QObject
{
public:
    explicit PrimerCuadro(QObject *ventana, int esperaMs = 0)
        : QObject(ventana)
        , espera(esperaMs)
    {
        ventana->installEventFilter(this);
    }

    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        if (evento->type() == QEvent::Paint && !visto) {
            visto = true;
            // Runs after the whole frame has been painted and flushed to the window.
            QTimer::singleShot(0, objeto, [this] {
                timespec t{};
                clock_gettime(CLOCK_MONOTONIC, &t);
                rusage uso{};
                getrusage(RUSAGE_SELF, &uso);
                std::printf("%lld %ld\n", static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec, uso.ru_maxrss);
                std::fflush(stdout);
                QTimer::singleShot(espera, qApp, &QCoreApplication::quit);
            });
        }
        return false;
    }

private:
    int espera;
    bool visto = false;
};
