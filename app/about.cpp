#include "app/about.h"
#include "app/app_state.h"
#include "res/resource.h"
#include "verko_version.h"
#include <shellapi.h>

void ShowAboutBox()
{
    // The shell puts the part before '#' into the title and the rest into the box.
    static const char application[] =
        "VERKO#Verko " VERKO_VERSION_TEXT ": Cyrillic text in ANSI, OEM and KOI8, byte for byte";
    static const char other[] = "Written by the Verko developers\rQuestions and patches: the Verko project";
    ShellAboutA(App.MainWindow, application, other, LoadIconA(App.Instance, MAKEINTRESOURCEA(IDI_PROGRAM)));
}
