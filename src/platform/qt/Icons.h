#pragma once

#include <QIcon>
#include <QPixmap>

// The program's own pictures, drawn with QPainter: toolbar icons, the application icon and the
// 400 x 200 splash picture.

// The toolbar icon of a command; a null icon for a command without one.
QIcon CommandIcon(int id);
QIcon AppIcon();
QPixmap SplashPicture();
