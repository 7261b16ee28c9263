#pragma once

// The six plain texts of the About dialog (UTF-8 here, Windows-1252 once stored), in the
// order the dialog places them. Only the build step reads them: the program carries
// them enciphered. Each must fit in 1..255 bytes of Windows-1252.
inline constexpr const char *Textos_Acerca[6] = {
    "Constitución 1999",                          // author: the program itself
    "Sin teléfono; escriba por correo",           // telephones
    "Sin dirección postal",                       // address
    "Lector de escritorio hecho con Qt 6 y C++",  // the unlabelled row
    "lector@example.org",                         // mail address
    "https://www.example.org/constitucion",       // web address
};
