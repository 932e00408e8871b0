#pragma once
// The folder selection window.
#include "platform/Form.h"

#include <string>

class TselpathForm : public platform::Form {
  public:
    TselpathForm();

};

extern TselpathForm *selpathForm;
