// Build step: decodes the pictures the windows put on their buttons into tables of
// premultiplied ARGB pixels, so that the program shows them without decoding a PNG.
//     generar_pixeles <output.cpp> <picture.png>...
// Each table is named in the program by the picture's resource path, ":/<file name>".
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: generar_pixeles <output.cpp> <picture.png>...\n");
        return 2;
    }
    QByteArray cpp = "// Generated from resources/*.png by generar_pixeles. Do not edit.\n"
                     "#include \"pixeles.h\"\n\nnamespace {\n";
    QByteArray tabla = "\nconstexpr Pixeles Tabla_Pixeles[] = {\n";
    for (int i = 2; i < argc; ++i) {
        const QString ruta = QString::fromLocal8Bit(argv[i]);
        const QImage imagen = QImage(ruta, "png").convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (imagen.isNull()) {
            std::fprintf(stderr, "generar_pixeles: cannot read %s\n", argv[i]);
            return 1;
        }
        const QByteArray nombre = "p" + QByteArray::number(i - 2);
        cpp += "constexpr std::uint32_t " + nombre + "[] = {";
        for (int y = 0; y < imagen.height(); ++y) {
            const auto *const fila = reinterpret_cast<const QRgb *>(imagen.constScanLine(y));
            cpp += "\n   ";
            for (int x = 0; x < imagen.width(); ++x)
                cpp += " 0x" + QByteArray::number(fila[x], 16).rightJustified(8, '0') + ',';
        }
        cpp += "\n};\n";
        tabla += "    {\":/" + QFileInfo(ruta).fileName().toUtf8() + "\", " + QByteArray::number(imagen.width()) + ", "
                 + QByteArray::number(imagen.height()) + ", " + nombre + "},\n";
    }
    cpp += tabla + "};\n\n} // namespace\n\nconst std::span<const Pixeles> Todos_Los_Pixeles(Tabla_Pixeles);\n";
    QSaveFile salida(QString::fromLocal8Bit(argv[1]));
    if (!salida.open(QIODevice::WriteOnly) || salida.write(cpp) != cpp.size() || !salida.commit()) {
        std::fprintf(stderr, "generar_pixeles: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
