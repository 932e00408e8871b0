#pragma once
// The pictures of the skin, embedded in the program.
#include <QPixmap>

namespace ui {

QPixmap MainPicture();  // 512 x 463, main window
QPixmap PanelPicture(); // 327 x 107, progress and credits windows
QPixmap PlatePicture(); // 69 x 22, plates under label buttons on black windows
QPixmap ProgramIcon();  // 32 x 32

} // namespace ui
