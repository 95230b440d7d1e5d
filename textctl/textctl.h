// Verko's byte-exact text control.
//
// A window class that answers the rich edit messages the program relies on,
// keeps the document as raw bytes and draws each byte as the character it
// stands for in the coding it is told to show (TCM_SETVIEWCODING). The class
// is an ANSI window class, so text passed with SendMessageA arrives unchanged.
//
// Positions are byte offsets. The text holds exactly the bytes given to it:
// nothing is converted on the way in or out.
//
// Lines. CR LF ends a line and counts 2 positions. A lone CR and a lone LF
// each end a line too and count 1; they are kept and come back as they went
// in. EM_LINELENGTH excludes the break. Keys and mouse never leave the caret
// between the CR and the LF of a pair (messages may: they are obeyed exactly).
// With word wrap on, the line messages (EM_EXLINEFROMCHAR, EM_LINEINDEX,
// EM_GETFIRSTVISIBLELINE, the vertical scroll box) still count these lines,
// not the rows they wrap into; EM_LINESCROLL, the arrows, the wheel and the
// scroll arrows move by rows.
//
// Drawing. Each byte is drawn as ByteToUnicode(view coding, byte) with the
// font made from the character format. Bytes 0x01..0x1F are drawn as the
// pictures the DOS character set gives them (U+263A..., e.g. 0x0A as U+25D9,
// 0x0D as U+266A), the zero byte as U+2205 (empty set) and 0x7F as U+2302,
// so no byte is invisible. A Tab advances to the next multiple of eight
// space widths. Line breaks (CR LF, a lone CR, a lone LF) are not drawn; a
// selected one shows as a selected blank. The font's character set only chooses the
// font: it never changes which character a byte stands for.
//
// The UTF-8 view (TCM_SETVIEWCODING CodingUtf8) draws each valid UTF-8
// sequence as its one character (past U+FFFF from its surrogate pair), and
// each other byte as a character of its own: its two hex digits in a box.
// Bytes below 0x80 are drawn as in the other views; a byte-order mark takes no
// room. Keys and the mouse stop only between characters and never before a
// byte-order mark at the start; Delete, Backspace and overwrite take one whole
// character (an invalid byte is one). WM_CHAR 0x80..0xFF is a Windows-1251
// character there, and WM_UNICHAR (wParam a code point, or one half of a
// surrogate pair: the first waits for the second) any character; both go in as
// their UTF-8 bytes. In the other views WM_UNICHAR inserts the coding's byte
// ('?' when it lacks the character). Positions stay byte offsets.
//
// Word wrap is on when neither WS_HSCROLL nor ES_AUTOHSCROLL is in the
// style: rows break after the last blank that fits the window, or inside a
// word longer than the window.
//
// Defaults. The text limit is 32767 bytes, as with the system control;
// EM_EXLIMITTEXT 0 sets 65536. An edit or a WM_SETTEXT that would pass the
// limit is refused as a whole; a stream-in that would pass it keeps the bytes
// up to the limit, stops and reports TextLimitStreamError in dwError. The
// format is 10 points (200 twips), no face with FF_MODERN (any fixed-pitch
// font), the system's window text colour on the system's window colour.
//
// Changes. Every change sets the modify flag, including WM_SETTEXT and every
// EM_STREAMIN; the program clears it after loading. A whole-text stream-in
// or WM_SETTEXT leaves the caret at 0 and empties the undo buffer. A stream-in
// with SFF_SELECTION, EM_REPLACESEL and typing leave the caret after the new
// bytes. The one-step undo takes back the last edit (a run of typing is one
// edit); undoing again redoes it. EM_STREAMIN and EM_STREAMOUT call the
// callback with chunks of up to 1 MB until it moves 0 bytes or returns
// non-zero, which ends the stream and is reported in dwError.
//
// Selection. EM_SETSEL and EM_EXSETSEL: (0, -1) selects all; a negative
// start removes the selection and keeps the caret; a negative end, or one
// past the text, means the end of the text; the selection runs from start
// (anchor) to end (caret) in either order. The selection shows while the
// control has the focus, and without it with ES_NOHIDESEL. EM_HIDESELECTION
// TRUE hides the selection; FALSE shows it, without the focus too until the
// focus changes. With a non-zero lParam it changes the style instead: TRUE
// removes ES_NOHIDESEL, FALSE adds it.
//
// Character format. EM_SETCHARFORMAT with SCF_ALL, SCF_DEFAULT, or
// SCF_SELECTION over the whole text sets face, size, bold, italic, character
// set, pitch and family and colour of the whole text. SCF_SELECTION over part
// of the text sets only the colour of that part; coloured ranges move with
// edits. EM_GETCHARFORMAT reports the whole text's format, with SCF_SELECTION
// the colour at the selection's start. A change of the colour alone leaves the
// view where it is.
//
// Mouse: a click places the caret (Shift extends), a drag selects, a
// double click selects the word under it; in the selection bar
// (ES_SELECTIONBAR, the left 8 pixels) a click or drag selects whole rows
// with their line breaks.
//
// Keys: arrows, Home, End, Page Up/Down, with Ctrl by word or to the ends of
// the text, with Shift extending; Insert toggles overwrite; Delete, Backspace
// (WM_CHAR 8) and Ctrl+Backspace (WM_CHAR 0x7F, the word to the left);
// WM_CHAR 13 inserts CR LF, 9 and 32..255 insert their byte, other control
// codes are ignored. Ctrl+A/C/X/V/Z, Ctrl+Insert, Shift+Insert, Shift+Delete
// select all, copy, cut, paste and undo with CF_TEXT bytes as they are.
// WM_PASTE asks the IRichEditOleCallback (EM_SETOLECALLBACK) QueryAcceptData
// with RECO_PASTE first and refuses when it fails. The control accepts no
// OLE drops (the program forbids them with ES_NOOLEDRAGDROP). In a dialog
// the control asks for every key, except that a read-only one leaves Tab,
// Enter and Escape to the dialog.
//
// Points. EM_POSFROMCHAR takes a POINTL* in wParam and the position in
// lParam, EM_CHARFROMPOS a POINTL* in lParam, as with rich edit 1.0; points
// are client coordinates of a character's top left. Far from the window, y
// is only known to lie above or below it.
//
// Undo keeps the bytes an edit removed, so clearing a large selection costs
// their size until the next edit.
//
// Pages. EM_FORMATRANGE (wParam: draw as well; lParam: FORMATRANGE*) lays
// out one page of chrg (a negative cpMin is 0; cpMax -1 or past the text is
// its end) into rc, in twips, measured on hdcTarget (hdc when null): rows wrap
// at rc's width as with word wrap, and as many as rc's height holds make the
// page, at least one, so every page moves on. It returns the first position
// of the next page, or cpMax when the rest fits (an empty text is one page);
// the line break after a page's last row belongs to that page. The record is
// not changed; rcPage is not used. Drawn pages go on hdc in its logical
// units at its LOGPIXELS, every position scaled from the target's, so a
// scaled preview shows the printer's rows. EM_DISPLAYBAND (lParam: RECT* in
// twips) draws the page last laid out on that hdc into the rectangle; FALSE
// when there is none. Pages are drawn as the screen is (the view coding's
// letters, control pictures, Tabs, the format's font and colours) on a
// transparent background. Widths measured on a target are kept (per device,
// format and coding) until EM_FORMATRANGE with a null lParam releases them
// with the page and returns 0. With no device to measure on, the range is
// reported done.
//
// RTF. EM_STREAMIN with SF_RTF (and not SF_TEXT) reads RTF and puts the
// plain text its markup describes, in Windows-1251 bytes, in place of the
// text, or with SFF_SELECTION of the selection (rtf_reader.h tells which
// markup gives which bytes); no formatting is kept. The limit, the return
// value, undo, caret and modify flag count and treat that text as SF_TEXT
// treats the bytes it reads.
//
// Not built yet: an EM_STREAMOUT with SF_RTF writes nothing. The control
// sends no notifications.
#pragma once
#include <windows.h>
#include <richedit.h>

constexpr char TextControlClassName[] = "VerkoText";

// Registers the window class; false when the system refuses.
bool RegisterTextControl(HINSTANCE instance);

// wParam: the coding the bytes are drawn in, 0 ANSI, 1 OEM, 2 KOI8, 5 UTF-8; lParam 0.
// Returns the previous coding. Any other wParam is ignored (returns the current one).
constexpr UINT TCM_SETVIEWCODING = WM_APP + 0x100;
// Returns the coding the bytes are drawn in.
constexpr UINT TCM_GETVIEWCODING = WM_APP + 0x101;
// wParam: a position (past the text: its end). Returns the characters from
// the start of its line to it: bytes, in the UTF-8 view characters (a
// sequence the position cuts counting as its bytes). Quick at the far end of
// a long line too.
constexpr UINT TCM_GETCOLUMN = WM_APP + 0x120;

// wParam: a position (clamped to the text); lParam: a CharStep. Returns the
// stop of the character that holds the position (CharStepAt), or the other end
// of the character Backspace (CharStepLeft) or Delete (CharStepRight) would
// remove from it, as the keys find them: in the UTF-8 view a whole character,
// in the others a byte; a CR LF pair is one step either way.
constexpr UINT TCM_CHARSTOP = WM_APP + 0x108;
enum CharStep : int { CharStepLeft = -1, CharStepAt = 0, CharStepRight = 1 };

// lParam: const RangeColours*. Gives each range the colour as EM_SETCHARFORMAT
// with SCF_SELECTION over it would, in one message: the selection, the view and
// the modify flag stay, and what is on screen is repainted once (or, with
// redrawing off, when it is switched on). Ranges are clipped to the text; a
// range reversed or empty after that is skipped. Ranges in ascending order are
// cheapest; others may move the runs after them. Returns FALSE
// when lParam is null, or when memory runs out, the ranges then coloured in part.
constexpr UINT TCM_SETRANGECOLOURS = WM_APP + 0x110;
struct RangeColours {
    const CHARRANGE* ranges;
    size_t count;
    COLORREF colour;
};

constexpr size_t DefaultTextLimit = 32767;
constexpr size_t EmptyLimitText = 65536;
// dwError of a stream-in stopped by the text limit (also set as the last error).
constexpr DWORD TextLimitStreamError = ERROR_FILE_TOO_LARGE;
