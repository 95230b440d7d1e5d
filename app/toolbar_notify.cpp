#include "app/toolbar_notify.h"
#include "app/app_state.h"
#include "app/toolbar.h"
#include "app/toolbar_commands.h"
#include "res/resource.h"
#include <commctrl.h>

namespace {

constexpr LRESULT Allowed = 1;

void CopyMenuText(int command, char* buffer, int capacity)
{
    if (!buffer || capacity <= 0) return;
    buffer[0] = '\0';
    GetMenuStringA(GetMenu(App.MainWindow), command, buffer, capacity, MF_BYCOMMAND);
}

// The menu text of the button's command; the Word Wrap button says what a click will do.
void TooltipText(NMTTDISPINFOA& request)
{
    int command = static_cast<int>(request.hdr.idFrom);
    if (command == CMD_WORD_WRAP && Editor.WordWrapStyle == 0)
        lstrcpynA(request.szText, "No Wrap", sizeof request.szText);
    else
        CopyMenuText(command, request.szText, sizeof request.szText);
    request.lpszText = request.szText;
}

// The Customize dialog asks for the buttons it may offer, one position at a time.
LRESULT DescribeButton(NMTOOLBARA& request)
{
    if (ToolbarButtonImage(request.iItem) < 0) return 0;   // past the list
    request.tbButton = ToolbarButton(ToolbarButtonCommand(request.iItem));
    CopyMenuText(request.tbButton.idCommand, request.pszText, request.cchText);
    return 1;
}

// The control keeps a separator as command 0 and would bring it back as a button
// without an image, which it then drops; it is made a separator again.
LRESULT RestoreSeparator(NMTBRESTORE& restored)
{
    if (restored.iItem >= 0 && restored.tbButton.idCommand == 0) {
        restored.tbButton.fsStyle = TBSTYLE_SEP;
        restored.tbButton.iBitmap = 0;
    }
    return 0;   // go on restoring
}

}   // namespace

bool HandleToolbarNotification(NMHDR& header, LRESULT& result)
{
    result = Allowed;
    switch (header.code) {
    case TTN_NEEDTEXTA:
        TooltipText(reinterpret_cast<NMTTDISPINFOA&>(header));
        return false;   // the default processing follows
    case TBN_GETBUTTONINFOA:
        result = DescribeButton(reinterpret_cast<NMTOOLBARA&>(header));
        return true;
    case TBN_BEGINDRAG:
    case TBN_ENDDRAG:
    case TBN_BEGINADJUST:
    case TBN_ENDADJUST:
    case TBN_QUERYINSERT:
    case TBN_QUERYDELETE:
        return true;
    case TBN_RESTORE:
        result = RestoreSeparator(reinterpret_cast<NMTBRESTORE&>(header));
        return true;
    case TBN_RESET:
        RestoreToolbarLayout();
        return true;
    case TBN_TOOLBARCHANGE:
        SaveToolbarLayout();
        return true;
    case TBN_CUSTHELP:
        PostMessageA(App.MainWindow, WM_COMMAND, CMD_HELP, 0);
        return true;
    default:
        return false;
    }
}
