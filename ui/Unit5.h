#pragma once
// The new folder window: asks for the name of a folder to create under the
// folder selection window's current folder and hands it back in
// InstallerState.NewFolderName ("ok"), or empty text ("cancel", Escape). On
// each of these ways out it shows the folder selection window again first.
#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/Picture.h"

#include <QLineEdit>

class TForm5 : public platform::Form {
  public:
    TForm5();

    platform::Picture *Image1; // plate under "cancel"
    platform::Shape *Shape1;   // title strip
    platform::Label *Label1;   // "Enter new name.."
    platform::Picture *Image3; // plate under "ok"
    platform::Label *Label2;   // "ok"
    platform::Label *Label3;   // "cancel"
    QLineEdit *Edit1;          // the name; holds the focus whenever shown

    void FormShow() override;
    void FormActivate() override;
    // Escape: NewFolderName empty, folder selection window shown, closed.
    bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers) override;
    void FormMouseMove() override;

    void Image3MouseMove();
    void Label2MouseMove();
    void Label3MouseMove();
    // "ok" does nothing at all while the edit is empty.
    void Label2MouseDown();
    void Label3MouseDown(); // "cancel"

  private:
    void ResetButtons();
    // Hands the name back, shows the folder selection window again, closes.
    void Leave(const std::string &name);
};

extern TForm5 *Form5;
