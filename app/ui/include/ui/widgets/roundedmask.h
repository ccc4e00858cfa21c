#pragma once

#include <QBitmap>

class QWidget;

// Frameless dialogs, tiles and previews get their round corners from a mask.
QBitmap roundedMask(int width, int height, int radius);
void roundWidget(QWidget* widget, int radius);
