#pragma once

#include <QIcon>
#include <QPixmap>

namespace corvane {

// The program's own icon: two cards fanned on the felt, a Diamond and a Spade. The installed
// desktop icon (data/org.corvane.Corvane.svg) draws the same picture on the same 128-unit grid.
QPixmap AppIconPixmap(int size, qreal devicePixelRatio = 1.0);
QIcon AppIcon();

}  // namespace corvane
