// The program's picture: a crescent moon over a blue disc, drawn at any size
// (the program needs no image plug-in for it).
#pragma once

#include <QIcon>
#include <QPixmap>

QPixmap Image_Programme(int cote);
QIcon Icone_Programme();
