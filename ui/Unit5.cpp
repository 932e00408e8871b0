#include "Unit5.h"

TForm5 *Form5 = nullptr;

TForm5::TForm5() {
    SetCaption("Form5");
    SetClientSize(326, 120);
}

