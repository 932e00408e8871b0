#pragma once
// The new folder window.
#include "platform/Form.h"

#include <string>

class TForm5 : public platform::Form {
  public:
    TForm5();

};

extern TForm5 *Form5;
