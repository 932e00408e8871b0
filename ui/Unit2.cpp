#include "Unit2.h"

TForm2 *Form2 = nullptr;

TForm2::TForm2() {
    SetCaption("Installing");
    SetClientSize(327, 107);
    ProgressBar1 = new platform::ProgressBar(this, QRect(10, 60, 305, 16), 0, 100, 50);
}
