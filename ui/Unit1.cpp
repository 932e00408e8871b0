#include "Unit1.h"

#include "Artwork.h"
#include "LabelButton.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "config/InstallerState.h"
#include "config/PathHelpers.h"
#include "platform/Dialogs.h"
#include "platform/Fonts.h"
#include "platform/SystemServices.h"
#include "selpathUnit.h"

#include <QIcon>

using config::InstallerState;
using namespace ui;

TForm1 *Form1 = nullptr;

TForm1::TForm1() {
    SetCaption("QVX-Installer");
    SetClientSize(511, 462);
    setWindowIcon(QIcon(ProgramIcon()));
    setFont(platform::SansSerifFont(11, false));

    Image1 = new platform::Picture(this, 0, 0, MainPicture());
    Image1->OnMouseMove([this] { Image1MouseMove(); });

    lbl_install = MakeLabelButton(this, 144, 435, 34, 15, "install");
    const QColor windowText = palette().color(QPalette::WindowText);
    lbl_title_main =
        new platform::Label(this, 115, 6, "", platform::SansSerifFont(11, true), windowText);
    lbl_title_sub =
        new platform::Label(this, 115, 18, "", platform::SansSerifFont(11, false), windowText);
    Label3 = MakeLabelButton(this, 249, 435, 21, 15, ".nfo");
    Label4 = MakeLabelButton(this, 347, 435, 19, 15, ".diz");
    Label5 = MakeLabelButton(this, 446, 435, 21, 15, "quit");

    lbl_install->OnMouseMove([this] { lbl_installMouseMove(); });
    Label3->OnMouseMove([this] { Label3MouseMove(); });
    Label4->OnMouseMove([this] { Label4MouseMove(); });
    Label5->OnMouseMove([this] { Label5MouseMove(); });
    lbl_install->OnMouseDown([this] { lbl_installMouseDown(); });
    Label3->OnMouseDown([this] { Label3MouseDown(); });
    Label4->OnMouseDown([this] { Label4MouseDown(); });
    Label5->OnMouseDown([this] { Label5MouseDown(); });
}

void TForm1::FormCreate() {
    config::LoadConfiguration(*this);
}

bool TForm1::FormKeyDown(int key, Qt::KeyboardModifiers) {
    if (key == Qt::Key_Escape)
        Close();
    return false;
}

void TForm1::SetTitleMain(const std::string &text) {
    lbl_title_main->SetText(text);
}
void TForm1::SetTitleSub(const std::string &text) {
    lbl_title_sub->SetText(text);
}

void TForm1::Image1MouseMove() {
    for (platform::Label *button : {lbl_install, Label3, Label4, Label5})
        button->SetColour(IdleColour);
}

void TForm1::lbl_installMouseMove() {
    lbl_install->SetColour(HoverColour);
}
void TForm1::Label3MouseMove() {
    Label3->SetColour(HoverColour);
}
void TForm1::Label4MouseMove() {
    Label4->SetColour(HoverColour);
}
void TForm1::Label5MouseMove() {
    Label5->SetColour(HoverColour);
}

void TForm1::Pause(std::int32_t milliseconds) {
    const std::uint32_t start = platform::TickCount();
    const auto end = static_cast<std::int32_t>(start + static_cast<std::uint32_t>(milliseconds));
    while (static_cast<std::int32_t>(platform::TickCount()) < end) {
    }
}

std::string TForm1::WithTrailingSeparator(const std::string &text) const {
    return config::WithTrailingSeparator(text);
}

bool TForm1::ChooseDestination() {
    selpathForm->SetLeft(Left() + 145);
    selpathForm->SetTop(Top() + 93);
    selpathForm->ShowModal();
    InstallerState.DestinationFolder = InstallerState.ChosenFolder;
    return !InstallerState.ChosenFolder.empty();
}

void TForm1::lbl_installMouseDown() {
    PressFeedback(lbl_install);
    if (!ChooseDestination())
        return;
    if (!platform::FileExists(InstallerState.ArchivePath)) {
        platform::ShowErrorBox("Can't find file to extract.\rProcess stopped...");
        return;
    }
    if (!platform::DirectoryExists(InstallerState.DestinationFolder)) {
        platform::ShowErrorBox("Can't find directory to extract.\rProcess stopped...");
        return;
    }
    Form2->ProgressBar1->SetPosition(0);
    Form2->SetCancelRequested(0);
    Form2->move(Left() + 145, Top() + 153);
    Form2->ShowModal();
    Form3->move(Left() + 145, Top() + 153);
    Form3->ShowModal();
}

void TForm1::OpenInViewer(platform::Label *label, const std::string &path) {
    PressFeedback(label);
    if (!platform::FileExists(path))
        return;
    Form4->SetCaption("Reading " + config::FileNamePart(path) + "..");
    Form4->LoadFile(path);
    Form4->ShowModal();
}

void TForm1::Label3MouseDown() {
    OpenInViewer(Label3, InstallerState.NfoPath);
}
void TForm1::Label4MouseDown() {
    OpenInViewer(Label4, InstallerState.DizPath);
}

void TForm1::Label5MouseDown() {
    PressFeedback(Label5);
    Close();
}
