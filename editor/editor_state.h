// The editor's own state, one instance for the whole run. The editor keeps it;
// the shell sets the start-up values (wrapping, undo mode, text limit) and reads
// the rest. Names the editor and the shell share stand here too.
#pragma once
#include <windows.h>
#include <cstdint>
#include <cwchar>

#include "coding/coding_tables.h"

constexpr char ProgramName[] = "VERKO";
constexpr wchar_t ProgramNameW[] = L"VERKO";
constexpr wchar_t UntitledName[] = L"NoName";
// File names are wide everywhere, so no character of them is lost to a code page;
// a name has at most PathCapacity - 1 characters.
constexpr int PathCapacity = 260;
constexpr DWORD NoWrapStyle = WS_HSCROLL | ES_AUTOHSCROLL;   // 0x00100080

struct UndoRecord;

struct EditorState {
    HWND Window;              // the document control; null only while Word Wrap re-creates it
    WNDPROC ControlProc;      // the control's own procedure, under the editor's subclass
    uint32_t WordWrapStyle;   // 0: wrap at the window edge; NoWrapStyle: no wrapping
    bool OverwriteMode;
    Coding ViewCoding;    // ANSI, OEM, KOI8 or UTF-8
    uint32_t TextLimit;   // the largest document and the largest file that is read

    // Undo.
    UndoRecord* UndoHead;   // the multilevel history, newest first
    bool SingleLevelUndo;   // the control's own undo serves instead of the history
    bool SingleLevelUsed;   // the control's own undo has served during this run
};

extern EditorState Editor;

