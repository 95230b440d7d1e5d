#include "editor/modal_dialog.h"
#include "editor/editor_host.h"
#include "editor/message_box.h"

INT_PTR RunModalDialog(int resource, DLGPROC procedure, DialogChars chars, LPARAM parameter)
{
    INT_PTR ended = chars == DialogChars::Unicode
        ? DialogBoxParamW(HostInstance(), MAKEINTRESOURCEW(resource), HostWindow(), procedure, parameter)
        : DialogBoxParamA(HostInstance(), MAKEINTRESOURCEA(resource), HostWindow(), procedure, parameter);
    if (ended == -1) ShowSystemError();
    return ended;
}
