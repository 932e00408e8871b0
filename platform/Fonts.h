#pragma once
// The fonts the windows name, mapped to fonts this platform has. Sizes are
// character heights in pixels.
#include <QFont>

namespace platform {

// "Arial": Liberation Sans is metric-compatible, so caption widths hold.
QFont ArialFont(int pixelHeight, bool bold);
// "MS Sans Serif": a plain sans serif.
QFont SansSerifFont(int pixelHeight, bool bold);
// "Fixedsys": a fixed-pitch font with every Windows-1252 glyph.
QFont FixedFont(int pixelHeight);

} // namespace platform
