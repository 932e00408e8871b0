#include "Unit2.h"

#include "Artwork.h"
#include "LabelButton.h"
#include "extract/ExtractionRun.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/Fonts.h"

using namespace ui;

TForm2 *Form2 = nullptr;
bool PendingRun = false;

TForm2::TForm2() {
    SetCaption("Installing");
    SetClientSize(327, 107);
    setFont(platform::SansSerifFont(11, false));

    // Painted elements first, in the order they are drawn; the push button and
    // the bar lie above them.
    Image2 = new platform::Picture(this, 0, 0, PanelPicture());
    Label_title = MakeCaption(this, 8, 6, "Installing..", Qt::black);
    FileName = MakeCaption(this, 69, 44, "Filename:", Qt::white);
    Label3 = MakeLabelButton(this, 274, 84, 30, 15, "abort");
    Label1 = MakeCaption(this, 11, 44, "Filename:", Qt::white);

    // Lies below the client area, so it is never seen, yet it holds the focus
    // and Enter or the space bar click it.
    Button1 = new TagButton("Cancel", this);
    Button1->setGeometry(152, 340, 75, 25);
    Button1->setDefault(true);
    Button1->setAutoDefault(true);
    QObject::connect(Button1, &QPushButton::clicked,
                     [this] { platform::Guard([this] { Button1Click(); }); });

    ProgressBar1 = new platform::ProgressBar(this, QRect(10, 60, 305, 16), 0, 100, 50);
    ProgressBar1->setFocusPolicy(Qt::NoFocus);

    Timer1 = new QTimer(this);
    Timer1->setInterval(500);
    QObject::connect(Timer1, &QTimer::timeout,
                     [this] { platform::Guard([this] { Timer1Timer(); }); });

    Image2->OnMouseMove([this] { Image2MouseMove(); });
    platform::OnMouseMove(ProgressBar1, [this] { ProgressBar1MouseMove(); });
    for (platform::Label *caption : {Label_title, FileName, Label1})
        caption->OnMouseMove([this] { Label1MouseMove(); });
    Label3->OnMouseMove([this] { Label3MouseMove(); });
    Label3->OnMouseDown([this] { Label3MouseDown(); });
    setFocusProxy(Button1);
}

void TForm2::FormShow() {
    Label_title->SetText("Installing");
    Timer1->start();
    PendingRun = true;
    Button1->setFocus();
}

void TForm2::FormActivate() {
    if (!PendingRun)
        return;
    PendingRun = false;
    repaint();
    extract::RunExtraction(*this);
}

bool TForm2::FormKeyDown(int key, Qt::KeyboardModifiers) {
    if (key == Qt::Key_Escape) {
        SetCancelRequested(1);
        Close();
    }
    return false;
}

void TForm2::Button1Click() {
    SetCancelRequested(1);
    Close();
}

void TForm2::Label3MouseDown() {
    SetCancelRequested(1);
    PressFeedback(Label3);
    Close();
}

void TForm2::Label3MouseMove() {
    Label3->SetColour(HoverColour);
}
void TForm2::ResetAbortColour() {
    Label3->SetColour(IdleColour);
}
void TForm2::Image2MouseMove() {
    ResetAbortColour();
}
void TForm2::ProgressBar1MouseMove() {
    ResetAbortColour();
}
void TForm2::Label1MouseMove() {
    ResetAbortColour();
}

void TForm2::Timer1Timer() {
    if (Label_title->Text() == "Done!")
        Close();
}

void TForm2::SetTitle(const std::string &text) {
    Label_title->SetText(text);
}
void TForm2::SetEntryName(const std::string &text) {
    FileName->SetText(text);
}
void TForm2::SetBarPosition(int position) {
    ProgressBar1->SetPosition(position);
}
void TForm2::PumpEvents() {
    platform::Application::Instance()->ProcessMessages();
}
bool TForm2::IsCancelRequested() {
    return Button1->Tag != 0;
}

void TForm2::ShowError(const std::string &text) {
    platform::ShowErrorBox(text);
    activateWindow();
}
