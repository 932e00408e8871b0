#include "Unit3.h"

#include "Artwork.h"
#include "LabelButton.h"

using namespace ui;

TForm3 *Form3 = nullptr;

TForm3::TForm3() {
    SetCaption("Notify");
    SetClientSize(328, 108);
    // No colour of its own: the one-pixel strip the picture leaves at the
    // right and bottom shows the ordinary window face.
    setAutoFillBackground(true);

    Image2 = new platform::Picture(this, 0, 0, PanelPicture());
    Label_title = MakeCaption(this, 8, 6, "About..", Qt::black);
    FileName = MakeCaption(this, 12, 32, "gfx/design: vantrel", Qt::white);
    Label2 = MakeCaption(this, 12, 47, "code: quipso / vantrel", Qt::white);
    Label4 = MakeCaption(this, 12, 72, "big thnx to quipso.. you rule man !!", Qt::white);
    Label3 = MakeLabelButton(this, 278, 84, 24, 15, "okie");
    Label3->SetRightAligned(true);

    Image2->OnMouseMove([this] { Image2MouseMove(); });
    for (platform::Label *caption : {Label_title, FileName, Label2, Label4})
        caption->OnMouseMove([this] { Image2MouseMove(); });
    Label3->OnMouseMove([this] { Label3MouseMove(); });
    Label3->OnMouseDown([this] { Label3MouseDown(); });
}

bool TForm3::FormKeyDown(int key, Qt::KeyboardModifiers) {
    if (key == Qt::Key_Escape)
        Close();
    return false;
}

void TForm3::Label3MouseDown() {
    PressFeedback(Label3);
    Close();
}

void TForm3::Label3MouseMove() {
    Label3->SetColour(HoverColour);
}
void TForm3::Image2MouseMove() {
    Label3->SetColour(IdleColour);
}
