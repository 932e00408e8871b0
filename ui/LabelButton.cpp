#include "LabelButton.h"

#include "Artwork.h"
#include "Unit1.h"
#include "platform/Fonts.h"

namespace ui {

platform::Label *MakeLabelButton(QWidget *parent, int left, int top, int width, int height,
                                 const std::string &caption) {
    auto *label =
        new platform::Label(parent, left, top, caption, platform::ArialFont(12, true), InitialGrey);
    label->SetFixedBox(width, height);
    return label;
}

platform::Label *MakeCaption(QWidget *parent, int left, int top, const std::string &text,
                             QColor colour) {
    return new platform::Label(parent, left, top, text, platform::ArialFont(12, true), colour);
}

platform::Picture *MakePlate(QWidget *parent, int left, int top) {
    auto *plate = new platform::Picture(parent, left, top, PlatePicture());
    plate->setGeometry(left, top, 69, 22);
    return plate;
}

void PressFeedback(platform::Label *button) {
    button->SetColour(PressedColour);
    button->repaint();
    Form1->Pause(100);
}

} // namespace ui
