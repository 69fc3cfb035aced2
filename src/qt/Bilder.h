#pragma once

#include <QPixmap>

#include <string>

namespace kelvaro::qt {

// The pictures of our own making that windows show by name, drawn at any size:
// "Freude" (a passed Abitur), "Trauer" (a failed one), "Notenrechner" (the grade window's
// decoration). An unknown name gives an empty picture.
QPixmap Bild(const std::string& name, int breite, int hoehe);

}  // namespace kelvaro::qt
