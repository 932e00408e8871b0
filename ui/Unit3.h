#pragma once
// The credits window.
#include "platform/Form.h"

#include <string>

class TForm3 : public platform::Form {
  public:
    TForm3();

};

extern TForm3 *Form3;
