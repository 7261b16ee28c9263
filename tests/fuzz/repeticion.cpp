// Runs a fuzz target over saved inputs without libFuzzer: every file named on the
// command line, or every file inside a folder named there. Used to replay the seed
// corpora in the ordinary (and sanitizer) builds, and to replay a crash.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *datos, size_t tamano);

int main(int argc, char **argv)
{
    namespace fs = std::filesystem;
    std::vector<fs::path> archivos;
    for (int i = 1; i < argc; ++i) {
        const fs::path ruta(argv[i]);
        if (fs::is_directory(ruta)) {
            for (const auto &entrada : fs::directory_iterator(ruta))
                if (entrada.is_regular_file())
                    archivos.push_back(entrada.path());
        } else {
            archivos.push_back(ruta);
        }
    }
    std::sort(archivos.begin(), archivos.end());
    if (archivos.empty()) {
        std::fprintf(stderr, "no input to replay\n");
        return 1;
    }
    for (const auto &ruta : archivos) {
        std::ifstream f(ruta, std::ios::binary);
        if (!f) {
            std::fprintf(stderr, "cannot read %s\n", ruta.c_str());
            return 1;
        }
        const std::vector<char> bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size());
    }
    std::printf("%zu inputs replayed\n", archivos.size());
    return 0;
}
