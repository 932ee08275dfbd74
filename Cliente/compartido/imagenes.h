#pragma once
// The pictures that the main window holds for others: the ones printing paints (letterhead
// emblem, copy stamps, band captions), the button pictures of its image list and the editors'
// button marks. They are drawn by code, so every build makes the same ones.
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QStringList>

namespace oxalde {

// A printed picture by its name: "Logo", "Borrador", "Administracion", "Informatica",
// "Declarante", "Zergaduna", "Adquiriente", "Liquidacion", "sujeto", "Transmitente", "Situacion",
// "HechoImponible", "tecnicos", "Justificante". Each is drawn at four pixels to each pixel of its
// own size, which is its device-independent size. An unknown name gives a null picture.
const QImage& Imagen(const QString& nombre);
QStringList NombresImagenes();

// The button pictures of the main window's image list, 1 to 14: 1 open, 2 delete, 3 print,
// 4 taxpayer, 9 close, 11 accept, 13 choose a file; 5 to 8, 10, 12 and 14 the same disabled.
// Any other index gives a null picture.
const QPixmap& ImgBotones(int indice);
// Picture `indice` of that list, scaled to the size asked.
QPixmap ImagenBoton(int indice, QSize tamano);
// The editors' Accept and Cancel marks, drawn at the size asked: a green tick (aceptar) or a red
// cross.
QPixmap MarcaBoton(QSize tamano, bool aceptar);

}  // namespace oxalde
