#include "Unit5.h"

#include "Artwork.h"
#include "LabelButton.h"
#include "config/InstallerState.h"
#include "platform/Fonts.h"
#include "platform/Text.h"
#include "selpathUnit.h"

#include <limits>

using config::InstallerState;
using namespace ui;

TForm5 *Form5 = nullptr;

TForm5::TForm5() {
    SetCaption("Form5");
    SetClientSize(326, 120);
    SetBackground(Qt::black);

    // Created bottom to top: later widgets lie over earlier ones.
    Image1 = MakePlate(this, 254, 94);
    Shape1 = new platform::Shape(this, QRect(1, 1, 325, 25), Qt::white, Qt::black);
    Label1 = MakeCaption(this, 8, 6, "Enter new name..", Qt::black);
    Label1->SetFixedBox(98, 15);
    Image3 = MakePlate(this, 3, 94);
    Label2 = MakeLabelButton(this, 31, 97, 14, 15, "ok");
    Label3 = MakeLabelButton(this, 270, 97, 38, 15, "cancel");
    Edit1 = new QLineEdit(QStringLiteral("untitled"), this);
    Edit1->setGeometry(56, 48, 209, 21);
    Edit1->setFont(platform::SansSerifFont(11, false));
    Edit1->setMaxLength(std::numeric_limits<int>::max());

    for (platform::Picture *plate : {Image1, Image3})
        plate->OnMouseMove([this] { Image3MouseMove(); });
    Label1->OnMouseMove([this] { Image3MouseMove(); });
    platform::OnMouseMove(Edit1, [this] { Image3MouseMove(); });
    Label2->OnMouseMove([this] { Label2MouseMove(); });
    Label3->OnMouseMove([this] { Label3MouseMove(); });
    Label2->OnMouseDown([this] { Label2MouseDown(); });
    Label3->OnMouseDown([this] { Label3MouseDown(); });
}

// The proposed name is selected, so typing replaces it.
void TForm5::FormShow() {
    Edit1->setFocus();
    Edit1->selectAll();
}

void TForm5::FormActivate() {
    Edit1->setFocus();
}

bool TForm5::FormKeyDown(int key, Qt::KeyboardModifiers) {
    if (key != Qt::Key_Escape)
        return false;
    Leave("");
    return true;
}

void TForm5::ResetButtons() {
    Label2->SetColour(IdleColour);
    Label3->SetColour(IdleColour);
}

void TForm5::FormMouseMove() {
    ResetButtons();
}
void TForm5::Image3MouseMove() {
    ResetButtons();
}
void TForm5::Label2MouseMove() {
    Label2->SetColour(HoverColour);
}
void TForm5::Label3MouseMove() {
    Label3->SetColour(HoverColour);
}

void TForm5::Leave(const std::string &name) {
    InstallerState.NewFolderName = name;
    selpathForm->Show();
    Close();
}

void TForm5::Label2MouseDown() {
    if (Edit1->text().isEmpty())
        return;
    PressFeedback(Label2);
    Leave(platform::FromDisplay(Edit1->text()));
}

void TForm5::Label3MouseDown() {
    PressFeedback(Label3);
    Leave("");
}
