// Start-up: the application object, its title, the six windows in their fixed
// order (the first is the main window), then the event loop. The command line
// is not read; the exit code is always 0.
#include "platform/Application.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/Unit4.h"
#include "ui/Unit5.h"
#include "ui/selpathUnit.h"

int main(int argc, char **argv) {
    platform::Application application(argc, argv);
    application.SetTitle("QVX-Installer v1.0");
    application.CreateForm(Form1);
    application.CreateForm(Form2);
    application.CreateForm(selpathForm);
    application.CreateForm(Form3);
    application.CreateForm(Form4);
    application.CreateForm(Form5);
    application.Run();
    return 0;
}
