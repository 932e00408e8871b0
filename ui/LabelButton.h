#pragma once
// Label buttons: bold captions over the skin that change colour under the
// pointer and act the moment a mouse button goes down on them.
#include "platform/Label.h"
#include "platform/Picture.h"

#include <QColor>
#include <string>

namespace ui {

// The colour every label button has until the pointer first crosses a reset
// surface of its window. Not the same as IdleColour.
inline const QColor InitialGrey(128, 128, 128);
inline const QColor IdleColour(130, 130, 130);
inline const QColor HoverColour(255, 190, 190);
inline const QColor PressedColour(255, 255, 255);

// One label button: caption in bold 12-pixel "Arial", initial grey, at the
// given place and with the given size (the size of its caption).
platform::Label *MakeLabelButton(QWidget *parent, int left, int top, int width, int height,
                                 const std::string &caption);

// A transparent caption that is not a button (window titles, information).
platform::Label *MakeCaption(QWidget *parent, int left, int top, const std::string &text,
                             QColor colour);

// A plate under a label button on the black windows: PlatePicture, 69 x 22
// (the size holds even if the artwork could not be loaded).
platform::Picture *MakePlate(QWidget *parent, int left, int top);

// Steps 1 to 3 of a press: pressed colour, synchronous repaint of the label
// (so the white caption is on screen before the wait), then Pause(100).
void PressFeedback(platform::Label *button);

} // namespace ui
