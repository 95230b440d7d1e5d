#include "editor/date_time.h"

#include <cstring>

#include "editor/editor_calls.h"
#include "editor/undo.h"

namespace {

constexpr int FormatCapacity = 33;

void InsertRecorded(const char* text)
{
    RecordUndo(UndoReplaceSelection, static_cast<int32_t>(strlen(text)));
    ReplaceEditorSelection(text);
}

}   // namespace

void InsertDateTime()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    char text[FormatCapacity + 1];
    if (GetDateFormatA(LOCALE_USER_DEFAULT, 0, &now, nullptr, text, FormatCapacity)) {
        strcat(text, " ");
        InsertRecorded(text);
    }
    if (GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &now, nullptr, text, FormatCapacity)) InsertRecorded(text);
}
