#include "Unit4.h"

TForm4 *Form4 = nullptr;

TForm4::TForm4() {
    SetCaption("Read");
    SetFrame(Frame::Sizable);
    SetClientSize(665, 676);
}
void TForm4::LoadFile(const std::string &) {}
