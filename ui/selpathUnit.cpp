#include "selpathUnit.h"

TselpathForm *selpathForm = nullptr;

TselpathForm::TselpathForm() {
    SetCaption("Select installation directory..");
    SetClientSize(326, 300);
}

