#include "selpathUnit.h"

#include "Artwork.h"
#include "LabelButton.h"
#include "Unit1.h"
#include "Unit5.h"
#include "config/InstallerState.h"
#include "platform/Dialogs.h"
#include "platform/SystemServices.h"
#include "platform/Text.h"

#include <QLineEdit>

using config::InstallerState;
using namespace ui;

TselpathForm *selpathForm = nullptr;

TselpathForm::TselpathForm() {
    SetCaption("Select installation directory..");
    SetClientSize(326, 300);
    SetBackground(Qt::black);

    // Created bottom to top: later widgets lie over earlier ones.
    Shape1 = new platform::Shape(this, QRect(1, 1, 325, 25), Qt::white, Qt::black);
    Image3 = MakePlate(this, 3, 274);
    Image2 = MakePlate(this, 77, 274);
    Image1 = MakePlate(this, 254, 274);
    Label1 = MakeCaption(this, 8, 6, "Select directory..", Qt::black);
    Label1->SetFixedBox(96, 15);
    Label3 = MakeLabelButton(this, 270, 277, 38, 15, "cancel");
    Label2 = MakeLabelButton(this, 31, 277, 14, 15, "ok");
    Label4 = MakeLabelButton(this, 89, 277, 47, 15, "makedir");
    drive1 = new platform::DriveBox(this);
    drive1->setGeometry(16, 40, 293, 19);
    dir1 = new platform::FolderList(this);
    dir1->setGeometry(16, 64, 293, 193);
    drive1->SetDirList(dir1);
    setTabOrder(drive1, dir1);

    for (platform::Picture *plate : {Image1, Image2, Image3})
        plate->OnMouseMove([this] { Image2MouseMove(); });
    platform::OnMouseMove(dir1, [this] { dir1MouseMove(); });
    platform::OnMouseMove(drive1, {});
    Label2->OnMouseMove([this] { Label2MouseMove(); });
    Label3->OnMouseMove([this] { Label3MouseMove(); });
    Label4->OnMouseMove([this] { Label4MouseMove(); });
    Label2->OnMouseDown([this] { Label2MouseDown(); });
    Label3->OnMouseDown([this] { Label3MouseDown(); });
    Label4->OnMouseDown([this] { Label4MouseDown(); });
}

void TselpathForm::FormShow() {
    InstallerState.ChosenFolder.clear();
}

void TselpathForm::FormActivate() {
    if (focusWidget() == nullptr)
        drive1->setFocus();
}

bool TselpathForm::FormKeyDown(int key, Qt::KeyboardModifiers) {
    if (key != Qt::Key_Escape)
        return false;
    Close();
    return true;
}

void TselpathForm::ResetButtons() {
    for (platform::Label *button : {Label2, Label3, Label4})
        button->SetColour(IdleColour);
}

void TselpathForm::FormMouseMove() {
    ResetButtons();
}
void TselpathForm::Image2MouseMove() {
    ResetButtons();
}
void TselpathForm::dir1MouseMove() {
    ResetButtons();
}
void TselpathForm::Label2MouseMove() {
    Label2->SetColour(HoverColour);
}
void TselpathForm::Label3MouseMove() {
    Label3->SetColour(HoverColour);
}
void TselpathForm::Label4MouseMove() {
    Label4->SetColour(HoverColour);
}

void TselpathForm::Label2MouseDown() {
    PressFeedback(Label2);
    InstallerState.ChosenFolder = dir1->CurrentFolder();
    Close();
}

void TselpathForm::Label3MouseDown() {
    PressFeedback(Label3);
    Close();
}

bool TselpathForm::AskNewFolderName() {
    // The new folder window shows this one again on its own ways out. A close
    // by any other way (or a failure) must not leave this window hidden while
    // its modal showing still runs: nothing would be left to click.
    struct VisibleAgain {
        TselpathForm *form;
        ~VisibleAgain() {
            if (!form->isVisible())
                form->Show();
        }
    } visibleAgain{this};
    hide();
    Form5->SetLeft(Form1->Left() + 145);
    Form5->SetTop(Form1->Top() + 153);
    Form5->ShowModal();
    return !InstallerState.NewFolderName.empty();
}

void TselpathForm::Label4MouseDown() {
    PressFeedback(Label4);
    Form5->Edit1->setText(platform::ToDisplay(InstallerState.DefaultFolderName));
    InstallerState.NewFolderName.clear();
    if (!AskNewFolderName())
        return;
    const std::string Path =
        Form1->WithTrailingSeparator(dir1->CurrentFolder()) + InstallerState.NewFolderName;
    // A NUL byte would end the path early at the system call and create a
    // folder by another name; no folder can carry one, so it fails like any
    // name the file system refuses.
    if (Path.find('\0') != std::string::npos || !platform::CreateDir(Path)) {
        platform::ShowWarningDialog("Cannot create directory");
        return;
    }
    dir1->OpenFolder(Path);
    dir1->Reread();
}
