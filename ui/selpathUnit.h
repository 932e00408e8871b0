#pragma once
// The folder selection window: a drive box and a folder list, with "ok",
// "makedir" and "cancel". Shown modally by the main window, which reads
// InstallerState.ChosenFolder when it has closed: the list's current folder
// after "ok", empty text after any other close.
#include "platform/DriveBox.h"
#include "platform/FolderList.h"
#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/Picture.h"

#include <string>

class TselpathForm : public platform::Form {
  public:
    TselpathForm();

    platform::Shape *Shape1;   // title strip
    platform::Picture *Image3; // plate under "ok"
    platform::Picture *Image2; // plate under "makedir"
    platform::Picture *Image1; // plate under "cancel"
    platform::Label *Label1;   // "Select directory.."
    platform::Label *Label3;   // "cancel"
    platform::Label *Label2;   // "ok"
    platform::Label *Label4;   // "makedir"
    platform::DriveBox *drive1;
    platform::FolderList *dir1;

    // Runs at every showing, also when the new folder window shows this
    // window again: ChosenFolder becomes empty.
    void FormShow() override;
    // The first activation puts the focus on the drive box.
    void FormActivate() override;
    // Escape closes the window (ChosenFolder stays empty); other keys go on.
    bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers) override;
    void FormMouseMove() override;

    void Image2MouseMove();
    void dir1MouseMove();
    void Label2MouseMove();
    void Label3MouseMove();
    void Label4MouseMove();
    void Label2MouseDown(); // "ok"
    void Label3MouseDown(); // "cancel"
    void Label4MouseDown(); // "makedir"

    // Hides this window and shows the new folder window modally; true when a
    // name was given (NewFolderName not empty). This window is visible again
    // afterwards, however the new folder window was closed.
    bool AskNewFolderName();

  private:
    void ResetButtons();
};

extern TselpathForm *selpathForm;
