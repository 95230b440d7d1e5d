#include "print/page_number_field.h"

#include <richedit.h>

#include "editor/editor_calls.h"
#include "editor/editor_host.h"
#include "print/printer.h"
#include "settings/settings.h"
#include "textctl/textctl.h"
#include "textctl/textctl_calls.h"

namespace {

constexpr int FieldWidth = 512;
constexpr int FieldHeight = 255;
constexpr LONG NumberRangeEnd = 20;   // past any number's last character

// The number's size on the printer, in twips.
SIZE NumberSize(HDC printer, const std::string& number)
{
    SIZE size = {0, 0};
    GetTextExtentPoint32A(printer, number.c_str(), static_cast<int>(number.size()), &size);
    return {MulDiv(size.cx, TwipsPerInch, GetDeviceCaps(printer, LOGPIXELSX)),
            MulDiv(size.cy, TwipsPerInch, GetDeviceCaps(printer, LOGPIXELSY))};
}

}   // namespace

HWND CreatePageNumberField(HWND parent)
{
    return CreateWindowExA(0, TextControlClassName, "", WS_CHILD, 0, 0, FieldWidth, FieldHeight, parent, nullptr,
                           HostInstance(), nullptr);
}

void StylePageNumberField(HWND field)
{
    CHARFORMATA format = EditorSelectionFormat();
    format.dwMask = CFM_BOLD | CFM_ITALIC | CFM_CHARSET | CFM_FACE | CFM_COLOR | CFM_SIZE;
    format.yHeight = 0;
    SetControlCharFormat(field, SCF_ALL, format);
    SetControlBackground(field, ReadSettingNumber(SettingName::Background));
}

RECT FormatPageNumber(HWND field, HDC dc, HDC printer, const PageLayout& layout, unsigned page, bool render)
{
    std::string number = PageNumberText(page);
    SetControlText(field, number.c_str());
    SIZE size = NumberSize(printer, number);
    RECT place = ToRect(PageNumberBox(layout, size.cx, size.cy));
    FORMATRANGE range = {dc, printer, place, ToRect(layout.page), {0, NumberRangeEnd}};
    ReleaseControlPages(field);
    FormatControlPage(field, range, render);
    return place;
}
