#pragma once
// The installer's icon: a box with an arrow going into it.
#include <QIcon>
#include <QPixmap>

namespace setup {

QPixmap setupPixmap(int size);
QIcon setupIcon();

}  // namespace setup
