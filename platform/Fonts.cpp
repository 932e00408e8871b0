#include "Fonts.h"

namespace platform {
namespace {

QFont MakeFont(const QString &family, int pixelHeight, bool bold) {
    QFont font(family);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    // Bitmap-like crisp text on painted skins; no hinting surprises between runs.
    font.setStyleStrategy(QFont::PreferDefault);
    return font;
}

} // namespace

QFont ArialFont(int pixelHeight, bool bold) {
    return MakeFont("Liberation Sans", pixelHeight, bold);
}

QFont SansSerifFont(int pixelHeight, bool bold) {
    return MakeFont("Liberation Sans", pixelHeight, bold);
}

QFont FixedFont(int pixelHeight) {
    QFont font = MakeFont("DejaVu Sans Mono", pixelHeight, false);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    return font;
}

} // namespace platform
