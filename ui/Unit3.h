#pragma once
// The credits window, shown after every installation; "okie" or Escape close it.
#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/Picture.h"

class TForm3 : public platform::Form {
  public:
    TForm3();

    platform::Picture *Image2;
    platform::Label *Label_title;
    platform::Label *FileName;
    platform::Label *Label2;
    platform::Label *Label4;
    platform::Label *Label3; // "okie"

    bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers) override;
    void Label3MouseDown();
    void Label3MouseMove();
    void Image2MouseMove();
};

extern TForm3 *Form3;
