// Start-up time and peak memory of the whole program, side by side with the smallest
// Qt Widgets program (an empty window) and with that window showing one line of text,
// all run as fresh processes on a private Xvfb server.
// Time: from just before the process is spawned to its first painted frame (the child
// reports the monotonic clock then, see primer_cuadro.h). Memory: the child's peak
// resident set (ru_maxrss) at its first frame, as it reports it, and at its end: the
// program runs on for a second after its frame, the yardsticks end at theirs. Prints
// the medians of N runs of each (default 15, taken in turns after one warm-up run each)
// and the ratios program / yardstick.
//     bench_arranque [runs]
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

struct Medida {
    double milisegundos = 0;
    double mibCuadro = 0; // peak resident set at the first frame
    double mibFinal = 0;  // peak resident set of the whole run
};

long long ahora()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

[[noreturn]] void fallar(const std::string &que)
{
    std::fprintf(stderr, "bench_arranque: %s\n", que.c_str());
    std::exit(1);
}

std::string carpetaPropia()
{
    char ruta[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", ruta, sizeof ruta - 1);
    if (n <= 0)
        fallar("cannot find its own folder");
    ruta[n] = '\0';
    std::string s(ruta);
    return s.substr(0, s.rfind('/'));
}

// Starts Xvfb on a free display number it picks itself; returns the display name.
std::string iniciarXvfb(pid_t *pid)
{
    int tubo[2];
    if (pipe(tubo) != 0)
        fallar("pipe");
    const std::string fd = std::to_string(tubo[1]);
    std::vector<std::string> args = {"Xvfb", "-displayfd", fd, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"};
    std::vector<char *> argv;
    for (auto &a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t acciones;
    posix_spawn_file_actions_init(&acciones);
    posix_spawn_file_actions_addopen(&acciones, 2, "/dev/null", O_WRONLY, 0);
    if (posix_spawnp(pid, "Xvfb", &acciones, nullptr, argv.data(), environ) != 0)
        fallar("cannot start Xvfb");
    posix_spawn_file_actions_destroy(&acciones);
    close(tubo[1]);
    char numero[32] = {};
    const ssize_t n = read(tubo[0], numero, sizeof numero - 1);
    close(tubo[0]);
    if (n <= 0)
        fallar("Xvfb gave no display number");
    return ":" + std::to_string(std::atoi(numero));
}

Medida medir(const std::string &programa, const std::vector<char *> &entorno)
{
    int tubo[2];
    if (pipe(tubo) != 0)
        fallar("pipe");
    posix_spawn_file_actions_t acciones;
    posix_spawn_file_actions_init(&acciones);
    posix_spawn_file_actions_adddup2(&acciones, tubo[1], 1);
    posix_spawn_file_actions_addclose(&acciones, tubo[0]);
    posix_spawn_file_actions_addopen(&acciones, 2, "/dev/null", O_WRONLY, 0);
    std::string nombre = programa;
    char *argv[] = {nombre.data(), nullptr};
    pid_t pid = 0;
    const long long inicio = ahora();
    if (posix_spawn(&pid, programa.c_str(), &acciones, nullptr, argv, const_cast<char **>(entorno.data())) != 0)
        fallar("cannot start " + programa);
    posix_spawn_file_actions_destroy(&acciones);
    close(tubo[1]);
    std::string salida;
    char bloque[256];
    ssize_t n;
    while ((n = read(tubo[0], bloque, sizeof bloque)) > 0 || (n < 0 && errno == EINTR))
        if (n > 0)
            salida.append(bloque, std::size_t(n));
    close(tubo[0]);
    int estado = 0;
    rusage uso{};
    if (wait4(pid, &estado, 0, &uso) != pid || !WIFEXITED(estado) || WEXITSTATUS(estado) != 0 || salida.empty())
        fallar(programa + " did not reach its first frame");
    long long cuadro = 0;
    long kibCuadro = 0;
    if (std::sscanf(salida.c_str(), "%lld %ld", &cuadro, &kibCuadro) != 2)
        fallar(programa + " did not report its first frame");
    return {double(cuadro - inicio) / 1e6, double(kibCuadro) / 1024.0, double(uso.ru_maxrss) / 1024.0};
}

double mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t m = v.size() / 2;
    return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2;
}

} // namespace

int main(int argc, char **argv)
{
    const int corridas = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const std::string carpeta = carpetaPropia();
    struct Programa {
        const char *archivo;
        const char *rotulo;
        std::vector<double> tiempos, memorias, memoriasFinales;
    };
    Programa programas[] = {
        {"arranque_lector", "constitucion (main window)", {}, {}, {}},
        {"arranque_minimo", "minimal Qt Widgets window", {}, {}, {}},
        {"arranque_texto", "minimal window, one text line", {}, {}, {}},
    };

    pid_t xvfb = 0;
    const std::string pantalla = "DISPLAY=" + iniciarXvfb(&xvfb);
    std::vector<std::string> variables;
    for (char **e = environ; *e; ++e) {
        const std::string v(*e);
        if (v.rfind("DISPLAY=", 0) != 0 && v.rfind("QT_QPA_PLATFORM=", 0) != 0 && v.rfind("WAYLAND_DISPLAY=", 0) != 0)
            variables.push_back(v);
    }
    variables.push_back(pantalla);
    std::vector<char *> entorno;
    for (auto &v : variables)
        entorno.push_back(v.data());
    entorno.push_back(nullptr);

    // Warm-up: libraries, fonts and the X server's first client.
    for (const Programa &p : programas)
        medir(carpeta + "/" + p.archivo, entorno);
    for (int i = 0; i < corridas; ++i) {
        for (Programa &p : programas) {
            const Medida m = medir(carpeta + "/" + p.archivo, entorno);
            p.tiempos.push_back(m.milisegundos);
            p.memorias.push_back(m.mibCuadro);
            p.memoriasFinales.push_back(m.mibFinal);
        }
    }
    kill(xvfb, SIGTERM);
    waitpid(xvfb, nullptr, 0);

    std::printf("medians of %d runs               first frame    peak memory    peak 1 s later\n", corridas);
    for (const Programa &p : programas) {
        std::printf("%-31s %8.1f ms    %8.1f MiB", p.rotulo, mediana(p.tiempos), mediana(p.memorias));
        if (&p == &programas[0])
            std::printf("    %8.1f MiB", mediana(p.memoriasFinales));
        std::printf("\n");
    }
    const Programa &lector = programas[0];
    for (const Programa *vara : {&programas[1], &programas[2]}) {
        std::printf("ratio to the %-18s %8.2f x     %8.2f x\n", vara == &programas[1] ? "empty window" : "text-line window",
                    mediana(lector.tiempos) / mediana(vara->tiempos),
                    mediana(lector.memorias) / mediana(vara->memorias));
    }
    return 0;
}
