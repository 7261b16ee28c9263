#include "divisiones.h"

const std::array<Division_Reg, Numero_Divisiones + 1> Divisiones = {{
    {u'0', u"", 0, 0},
    {u'1', u"PREÁMBULO ", 1, 1},
    {u'1', u"TÍTULO I PRINCIPIOS FUNDAMENTALES", 2, 10},
    {u'1', u"TÍTULO II DEL ESPACIO GEOGRÁFICO Y LA DIVISIÓN POLÍTICA", 11, 19},
    {u'2', u"Capítulo I Del Territorio y demás Espacios Geográficos", 11, 16},
    {u'2', u"Capítulo II De la División Política", 17, 19},
    {u'1', u"TÍTULO III DE LOS DERECHOS HUMANOS Y GARANTÍAS, Y DE LOS DEBERES", 20, 136},
    {u'2', u"Capítulo I Disposiciones Generales", 20, 32},
    {u'2', u"Capítulo II De la nacionalidad y de la ciudadanía", 33, 43},
    {u'3', u"Sección Primera: De la Nacionalidad ", 33, 39},
    {u'3', u"Sección Segunda: De la Ciudadanía ", 40, 43},
    {u'2', u"Capítulo III De los Derechos Civiles", 44, 62},
    {u'2', u"Capítulo IV De los Derechos Políticos y del Referendo Popular", 63, 75},
    {u'3', u"Sección Primera: De los Derechos Políticos ", 63, 71},
    {u'3', u"Sección Segunda: Del Referendo Popular ", 72, 75},
    {u'2', u"Capítulo V De los Derechos Sociales y de las Familias", 76, 98},
    {u'2', u"Capítulo VI De los Derechos Culturales y Educativos", 99, 112},
    {u'2', u"Capítulo VII De los Derechos Económicos", 113, 119},
    {u'2', u"Capítulo VIII De los Derechos de los pueblos indígenas", 120, 127},
    {u'2', u"Capítulo IX De los Derechos Ambientales", 128, 130},
    {u'2', u"Capítulo X De los Deberes", 131, 136},
    {u'1', u"TÍTULO IV DEL PODER PÚBLICO", 137, 186},
    {u'2', u"Capítulo I De las Disposiciones Fundamentales", 137, 156},
    {u'3', u"Sección Primera: Disposiciones Generales ", 137, 141},
    {u'3', u"Sección Segunda: De la administración pública ", 142, 144},
    {u'3', u"Sección Tercera: De la Función Pública ", 145, 150},
    {u'3', u"Sección Cuarta: De los Contratos de Interés Público ", 151, 152},
    {u'3', u"Sección Quinta: De las Relaciones Internacionales ", 153, 156},
    {u'2', u"Capítulo II De la Competencia del Poder Público Nacional", 157, 159},
    {u'2', u"Capítulo III Del Poder Público Estadal", 160, 168},
    {u'2', u"Capítulo IV Del Poder Público Municipal", 169, 185},
    {u'2', u"Capítulo V Del Consejo Federal de Gobierno", 186, 186},
    {u'1', u"TÍTULO V DE LA ORGANIZACIÓN DEL PODER PÚBLICO NACIONAL", 187, 299},
    {u'2', u"Capítulo I Del Poder Legislativo Nacional", 187, 225},
    {u'3', u"Sección Primera: Disposiciones Generales ", 187, 193},
    {u'3', u"Sección Segunda: De la Organización de la Asamblea Nacional ", 194, 197},
    {u'3', u"Sección Tercera: De los Diputados y Diputadas de la Asamblea Nacional ", 198, 202},
    {u'3', u"Sección Cuarta: De la Formación de las Leyes ", 203, 219},
    {u'3', u"Sección Quinta: De los Procedimientos ", 220, 225},
    {u'2', u"Capítulo II Del Poder Ejecutivo Nacional", 226, 253},
    {u'3', u"Sección Primera: Del Presidente o Presidenta de la República ", 226, 236},
    {u'3', u"Sección Segunda: De las Atribuciones del Presidente o Presidenta de la República ", 237, 238},
    {u'3', u"Sección Tercera: Del Vicepresidente Ejecutivo o Vicepresidenta Ejecutiva ", 239, 242},
    {u'3', u"Sección Cuarta: De los Ministros o Ministras y del Consejo de Ministros ", 243, 247},
    {u'3', u"Sección Quinta: De la Procuraduría General de la República ", 248, 251},
    {u'3', u"Sección Sexta: Del Consejo de Estado ", 252, 253},
    {u'2', u"Capítulo III Del Poder Judicial y del Sistema de Justicia", 254, 273},
    {u'3', u"Sección Primera: Disposiciones Generales ", 254, 262},
    {u'3', u"Sección Segunda: Del Tribunal Supremo de Justicia ", 263, 267},
    {u'3', u"Sección Tercera: Del Gobierno y de la Administración del Poder Judicial ", 268, 273},
    {u'2', u"Capítulo IV Del Poder Ciudadano", 274, 292},
    {u'3', u"Sección Primera: Disposiciones Generales ", 274, 280},
    {u'3', u"Sección Segunda: De la Defensoría del Pueblo ", 281, 284},
    {u'3', u"Sección Tercera: Del Ministerio Público ", 285, 287},
    {u'3', u"Sección Cuarta: De la Contraloría General de la República ", 288, 292},
    {u'2', u"Capítulo V Del Poder Electoral", 293, 299},
    {u'1', u"TÍTULO VI DEL SISTEMA SOCIO ECONÓMICO", 300, 322},
    {u'2', u"Capítulo I Del Régimen Socio Económico y de la Función del Estado en la Economía", 300, 311},
    {u'2', u"Capítulo II Del Régimen Fiscal y Monetario", 312, 322},
    {u'3', u"Sección Primera: Del Régimen Presupuestario ", 312, 316},
    {u'3', u"Sección Segunda: Del Sistema Tributario ", 317, 318},
    {u'3', u"Sección Tercera: Del Sistema Monetario Nacional ", 319, 320},
    {u'3', u"Sección Cuarta: De la Coordinación Macroeconómica ", 321, 322},
    {u'1', u"TÍTULO VII DE LA SEGURIDAD DE LA NACIÓN", 323, 333},
    {u'2', u"Capítulo I Disposiciones Generales", 323, 326},
    {u'2', u"Capítulo II De los Principios de Seguridad de la Nación", 327, 328},
    {u'2', u"Capítulo III De la Fuerza Armada Nacional", 329, 332},
    {u'2', u"Capítulo IV De los Órganos de Seguridad Ciudadana", 333, 333},
    {u'1', u"TÍTULO VIII DE LA PROTECCIÓN DE ESTA CONSTITUCIÓN", 334, 340},
    {u'2', u"Capítulo I De la Garantía esta Constitución", 334, 337},
    {u'2', u"Capítulo II De los Estados de Excepción", 338, 340},
    {u'1', u"TÍTULO IX DE LA REFORMA CONSTITUCIONAL", 341, 351},
    {u'2', u"Capítulo I De las Enmiendas", 341, 342},
    {u'2', u"Capítulo II De la Reforma Constitucional", 343, 347},
    {u'2', u"Capítulo III De la Asamblea Nacional Constituyente", 348, 351},
    {u'1', u"DISPOSICIÓN DEROGATORIA ", 352, 352},
    {u'1', u"DISPOSICIONES TRANSITORIAS ", 353, 370},
    {u'1', u"DISPOSICIÓN FINAL ", 371, 371},
}};

namespace {

// Scans every record of the level (a later match replaces an earlier one) and
// removes the level word, compared exactly, with the space after it.
Division_Encontrada buscarNivel(int entrada, char16_t nivel, QStringView palabra)
{
    Division_Encontrada r;
    for (int i = 1; i <= Numero_Divisiones; ++i) {
        const Division_Reg &d = Divisiones[i];
        if (d.Nivel == nivel && d.Desde <= entrada && entrada <= d.Hasta)
            r.registro = i;
    }
    if (r.registro == 0)
        return r;
    const QStringView titulo = Divisiones[r.registro].Titulo;
    r.titulo = (titulo.left(palabra.size()) == palabra ? titulo.mid(palabra.size() + 1) : titulo).toString();
    return r;
}

} // namespace

Division_Encontrada Buscar_Titulo(int entrada)
{
    return buscarNivel(entrada, u'1', u"TÍTULO");
}

Division_Encontrada Buscar_Capitulo(int entrada)
{
    return buscarNivel(entrada, u'2', u"Capítulo");
}

Division_Encontrada Buscar_Seccion(int entrada)
{
    return buscarNivel(entrada, u'3', u"Sección");
}
