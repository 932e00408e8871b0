#pragma once
// The main window: release artwork, the two title lines from install.ini and
// the label buttons "install", ".nfo", ".diz" and "quit". Every other window
// is opened from here and placed relative to it.
#include "config/LoadConfiguration.h"
#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/Picture.h"

#include <cstdint>
#include <string>

class TForm1 : public platform::Form, public config::TitleLines {
  public:
    TForm1();

    platform::Picture *Image1;
    platform::Label *lbl_install;
    platform::Label *lbl_title_main;
    platform::Label *lbl_title_sub;
    platform::Label *Label3; // ".nfo"
    platform::Label *Label4; // ".diz"
    platform::Label *Label5; // "quit"

    void FormCreate() override;
    bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers) override;

    void Image1MouseMove();
    void lbl_installMouseMove();
    void Label3MouseMove();
    void Label4MouseMove();
    void Label5MouseMove();
    void lbl_installMouseDown();
    void Label3MouseDown();
    void Label4MouseDown();
    void Label5MouseDown();

    // Shows the folder selection window; true when a folder was chosen.
    // DestinationFolder takes ChosenFolder in every case.
    bool ChooseDestination();
    // Press feedback on the label, then the text file at path in the viewer
    // (nothing when no file is there).
    void OpenInViewer(platform::Label *label, const std::string &path);

    // Busy-waits the given milliseconds on the 32-bit tick counter, handling no
    // events. The end is start + milliseconds in wrap-around arithmetic, and
    // readings are compared with it as signed numbers, so a wait whose end
    // passes 2^31 - 1 ends at once.
    void Pause(std::int32_t milliseconds);
    std::string WithTrailingSeparator(const std::string &text) const;

    // Title lines for LoadConfiguration.
    void SetTitleMain(const std::string &text) override;
    void SetTitleSub(const std::string &text) override;
};

extern TForm1 *Form1;
