#include "Artwork.h"

#include <QString>

namespace ui {
namespace {

QPixmap Load(const char *name) {
    return QPixmap(QString(":/artwork/") + name);
}

} // namespace

QPixmap MainPicture() {
    return Load("MainPicture.bmp");
}
QPixmap PanelPicture() {
    return Load("PanelPicture.bmp");
}
QPixmap PlatePicture() {
    return Load("PlatePicture.bmp");
}
QPixmap ProgramIcon() {
    return Load("Icon.bmp");
}

} // namespace ui
