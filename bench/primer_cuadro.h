#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

#include <cstdio>
#include <ctime>

// Watches a window for its first frame: once the window has been painted and the
// paint pass (children included) has finished, prints the monotonic clock in
// nanoseconds on standard output and ends the event loop. bench_arranque reads it.
class PrimerCuadro : public QObject
{
public:
    explicit PrimerCuadro(QObject *ventana)
        : QObject(ventana)
    {
        ventana->installEventFilter(this);
    }

    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        if (evento->type() == QEvent::Paint && !visto) {
            visto = true;
            // Runs after the whole frame has been painted and flushed to the window.
            QTimer::singleShot(0, objeto, [] {
                timespec t{};
                clock_gettime(CLOCK_MONOTONIC, &t);
                std::printf("%lld\n", static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    bool visto = false;
};
