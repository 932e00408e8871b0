#pragma once
// The text viewer.
#include "platform/Form.h"

#include <string>

class TForm4 : public platform::Form {
  public:
    TForm4();
    void LoadFile(const std::string &path);
};

extern TForm4 *Form4;
