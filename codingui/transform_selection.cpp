// The frame reads the range once into a buffer with two zero bytes after it,
// lets the command build its result there or in a second buffer, and puts the
// result back with one undo record. A result that would make the text longer
// than the editor may hold changes nothing and says why.
#include "codingui/transform_selection.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "coding/align.h"
#include "coding/coding_tables.h"
#include "coding/repair.h"
#include "coding/transform.h"
#include "coding/utf8.h"
#include "coding/utf8_chars.h"
#include "codingui/transform_rules.h"
#include "editor/editor_calls.h"
#include "editor/editor_control.h"
#include "editor/editor_host.h"
#include "editor/editor_state.h"
#include "editor/memory_stream.h"
#include "editor/message_box.h"
#include "editor/undo.h"
#include "editor/view_coding.h"
#include "editor/wait_cursor.h"
#include "settings/settings.h"

namespace {

// From GlobalAlloc, so that the undo history can take a block as its snapshot.
struct GlobalFreer {
    void operator()(uint8_t* block) const { GlobalFree(block); }
};
using Buffer = std::unique_ptr<uint8_t[], GlobalFreer>;

constexpr char RtfStart[] = "{\\rtf";   // exact case
constexpr size_t RtfStartLength = sizeof RtfStart - 1;

// The stretch a command works on.
struct Range {
    CHARRANGE starting;   // the selection found, no line break cut; it decides the selection afterwards
    CHARRANGE range;      // what is read and replaced
    bool wholeText;       // nothing was selected (or RTF): the range is the whole text
    size_t length;        // the bytes read
    Buffer bytes;         // those bytes and two zero bytes after them
};

Buffer Allocate(size_t count)
{
    return Buffer(static_cast<uint8_t*>(GlobalAlloc(GMEM_FIXED, count)));
}

// Memory ran out: nothing changes.
void ReportNoMemory()
{
    ShowSystemErrorCode(ERROR_NOT_ENOUGH_MEMORY);
}

// The result would pass TextLimit, where the editor would cut it off: nothing changes.
void ReportTooLong()
{
    ShowNotice(L"The result would be longer than VERKO can hold.");
}

CHARRANGE WidenedToLines(CHARRANGE selection)
{
    const LONG startLine = EditorLineStart(EditorLineOf(selection.cpMin));
    const LONG endLine = EditorLineStart(EditorLineOf(selection.cpMax));
    const ByteRange widened =
        WidenToLines({selection.cpMin, selection.cpMax}, startLine, endLine, EditorLineLength(selection.cpMax));
    return {widened.start, widened.end};
}

// A position between the CR and the LF of a line break moves by step off it,
// so no command sees half a line break and completes or reflows it into two.
LONG OffLineBreakMiddle(LONG position, LONG step)
{
    return position > 0 && EditorByteAt(position - 1) == '\r' && EditorByteAt(position) == '\n' ? position + step
                                                                                                : position;
}

// Chooses and selects the range.
Range TakeRange(RangeRule rule)
{
    Range r{EditorSelection(), {}, false, 0, nullptr};
    r.wholeText = r.starting.cpMin == r.starting.cpMax || rule == RangeRule::WholeText;
    if (r.wholeText) {
        r.range = {0, EditorTextLength()};
    } else {
        r.starting = {OffLineBreakMiddle(r.starting.cpMin, -1), OffLineBreakMiddle(r.starting.cpMax, 1)};
        r.range = rule == RangeRule::WholeLines ? WidenedToLines(r.starting) : r.starting;
    }
    SelectEditorRange(r.range.cpMin, r.range.cpMax);
    return r;
}

bool ReadRange(Range& r)
{
    r.bytes = Allocate(static_cast<size_t>(r.range.cpMax - r.range.cpMin) + 2);
    if (!r.bytes) return false;
    r.length = static_cast<size_t>(ReadEditorSelection(reinterpret_cast<char*>(r.bytes.get())));
    r.bytes[r.length] = r.bytes[r.length + 1] = 0;
    return true;
}

size_t Room(const Range& r)
{
    return ResultRoom(static_cast<size_t>(EditorTextLength()), r.length, Editor.TextLimit);
}

// A whole text is replaced as such while the program's own history serves:
// the editor then keeps no copy of it for its one-step undo.
void StreamOver(const Range& r, const uint8_t* result, size_t count)
{
    MemoryStream stream = {0, static_cast<DWORD>(count), const_cast<uint8_t*>(result)};
    StreamInFromMemory(stream, r.wholeText && !Editor.SingleLevelUndo ? SF_TEXT : SF_TEXT | SFF_SELECTION);
}

// One undo record, then the result in place of the range.
void PutBack(const Range& r, const uint8_t* result, size_t count)
{
    RecordUndo(UndoReplaceSelection, static_cast<int32_t>(count));
    StreamOver(r, result, count);
}

void SelectStarting(const Range& r)
{
    SelectEditorRange(r.starting.cpMin, r.starting.cpMax);
}

// A result of another length is selected from the starting selection's start.
void SelectResult(const Range& r, size_t count)
{
    SelectEditorRange(r.starting.cpMin, r.starting.cpMin + static_cast<LONG>(count));
}

// The result in place of the range, shown in `view`. A change of view (only
// of a whole text) is a snapshot that keeps the view too, so Undo shows the old
// bytes as they were shown. A whole text keeps the caret where it was, though
// never inside a character of the UTF-8 view.
void PutBackInView(const Range& r, const uint8_t* result, size_t count, Coding view)
{
    if (view != Editor.ViewCoding) {
        RecordUndo(UndoWholeText, static_cast<int32_t>(count));
        Editor.ViewCoding = view;
        ApplyViewCoding();   // selects the whole text again
        StreamOver(r, result, count);
    } else {
        PutBack(r, result, count);
    }
    if (!r.wholeText) return SelectResult(r, count);
    size_t caret = std::min(static_cast<size_t>(r.starting.cpMin), count);
    if (view == CodingUtf8) caret = Utf8CharStart(result, count, caret);
    SelectEditorRange(static_cast<LONG>(caret), static_cast<LONG>(caret));
}

// To or from UTF-8: decoding never lengthens the text, encoding makes each byte at most three.
void ConvertLengths(Range& r, int from, int to, Coding view, bool fido)
{
    const size_t room = Room(r);
    const size_t capacity = from == CodingUtf8 ? r.length : r.length <= room / 3 ? ConvertedCapacity(r.length) : room;
    Buffer out = Allocate(std::max<size_t>(capacity, 1));
    if (!out) return ReportNoMemory();
    const size_t count = ConvertText(r.bytes.get(), r.length, from, to, out.get(), capacity);
    if (count == ConvertedTooLong) return ReportTooLong();
    if (fido) FidoSubstitute(out.get(), count);
    r.bytes.reset();
    PutBackInView(r, out.get(), count, view);
}

// The recoding of each piece as it streams into the editor.
struct RecodingStream {
    MemoryStream source;
    Coding from, to;
    bool fido;
};

DWORD CALLBACK GiveRecoded(DWORD_PTR cookie, LPBYTE piece, LONG size, LONG* given)
{
    auto& in = *reinterpret_cast<RecodingStream*>(cookie);
    const DWORD count = std::min(static_cast<DWORD>(size), in.source.Count - in.source.Position);
    std::memcpy(piece, in.source.Buffer + in.source.Position, count);
    ConvertCoding(piece, count, in.from, in.to);
    if (in.fido) FidoSubstitute(piece, count);
    in.source.Position += count;
    *given = static_cast<LONG>(count);
    return 0;
}

// A whole text is shown in the coding it now has; this selects it again.
void ShowWholeTextIn(Coding coding)
{
    Editor.ViewCoding = coding;
    ApplyViewCoding();
}

// The whole text's bytes as read become the history's snapshot, which also
// keeps the view, and stream back in recoded, so the text is never held three
// times over; false when the history does not take them.
bool RecodeOverSnapshot(Range& r, const RecodingStream& recoding)
{
    if (!RecordUndoSnapshotOf(reinterpret_cast<char*>(r.bytes.get()), static_cast<int32_t>(r.length))) return false;
    RecodingStream in = recoding;
    in.source = {0, static_cast<DWORD>(r.length), r.bytes.release()};
    ShowWholeTextIn(in.to);
    EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&in), 0, GiveRecoded};
    StreamEditorIn(SF_TEXT, stream);
    return true;
}

// ->ANSI, ->OEM, ->KOI8, ->UTF-8 and Fido. A whole text is shown in the coding
// it now has, and its undo record also keeps the view it was shown in.
void Recode(Transformation recoding, Range& r)
{
    const RecodingStream how = {{}, Editor.ViewCoding, RecodeTarget(recoding), recoding == Transformation::ToFido};
    if (how.from == CodingUtf8 || how.to == CodingUtf8)
        return ConvertLengths(r, how.from, how.to, r.wholeText ? how.to : how.from, how.fido);
    if (!r.wholeText || !RecodeOverSnapshot(r, how)) {
        ConvertCoding(r.bytes.get(), r.length, how.from, how.to);
        if (how.fido) FidoSubstitute(r.bytes.get(), r.length);
        if (r.wholeText) {
            ShowWholeTextIn(how.to);
            StreamOver(r, r.bytes.get(), r.length);
        } else {
            PutBack(r, r.bytes.get(), r.length);
        }
    }
    SelectStarting(r);
}

// Transliteration, quoted-printable decoding and line-break completion: at most two bytes per byte.
void Rewrite(Transformation rewriting, Range& r)
{
    Buffer out = Allocate(TransformOutputCapacity(r.length));
    if (!out) return ReportNoMemory();
    const uint8_t* in = r.bytes.get();
    size_t count = rewriting == Transformation::Transliterate ? Transliterate(in, r.length, Editor.ViewCoding, out.get())
        : rewriting == Transformation::DecodeQuotedPrintable  ? DecodeQuotedPrintable(in, r.length, out.get())
                                                              : CompleteLineBreaks(in, r.length, out.get());
    if (count > Room(r)) return ReportTooLong();
    PutBack(r, out.get(), count);
    SelectResult(r, count);
}

AlignParams ReadAlignParams(size_t outputLimit)
{
    AlignParams params;
    params.firstIndent = static_cast<int32_t>(ReadSettingNumber(SettingName::FirstIndent));
    params.leftIndent = static_cast<int32_t>(ReadSettingNumber(SettingName::LeftIndent));
    params.rightIndent = static_cast<int32_t>(ReadSettingNumber(SettingName::RightIndent));
    params.ignoreLineBreaks = ReadSettingNumber(SettingName::IgnoreLineBreaks) != 0;
    params.outputLimit = outputLimit;
    return params;
}

// Justify, Center, Left and Right; the caret goes to the start of the range,
// or for a whole text where it was.
void Align(AlignMode mode, Range& r)
{
    std::vector<uint8_t> out;
    switch (AlignParagraphs(r.bytes.get(), r.length, mode, ReadAlignParams(Room(r)), out)) {
    case AlignOutcome::Aligned:
        break;
    case AlignOutcome::OutOfMemory:
        return ReportNoMemory();
    case AlignOutcome::TooLong:
        return ReportTooLong();
    case AlignOutcome::IndentsTooLong:
        return ShowNotice(L"The indents leave no room for text.");
    }
    r.bytes.reset();
    PutBack(r, out.data(), out.size());
    const LONG caret = r.wholeText ? r.starting.cpMin : r.range.cpMin;
    SelectEditorRange(caret, caret);
}

// The editor is made anew with the same wrapping, and the text passes once out
// of it and back in as plain text (what Word Wrap does, turned over first).
void RemakeEditor()
{
    const HWND before = Editor.Window;
    const uint32_t style = Editor.WordWrapStyle;
    Editor.WordWrapStyle = style == 0 ? NoWrapStyle : 0;
    ToggleWordWrap();
    if (Editor.Window != before) return;
    Editor.WordWrapStyle = style;   // it could not be made: the old editor stays
    ShowEditorWindow(true);
}

// The editor's RTF reader turns the markup into its plain text. Text that is
// not RTF stays as it is, all of it selected.
void RtfToAnsi(Range& r)
{
    if (r.length < RtfStartLength || std::memcmp(r.bytes.get(), RtfStart, RtfStartLength) != 0) return;
    ShowEditorWindow(false);
    RecordUndo(UndoWholeText, 0);
    MemoryStream stream = {0, static_cast<DWORD>(r.length), r.bytes.get()};
    StreamInFromMemory(stream, SF_RTF);
    r.bytes.reset();
    SelectEditorRange(0, 0);
    RemakeEditor();
}

// The best chain of wrong readings found is undone. A whole text is then shown
// in the coding its bytes are in; a selection is written in the view coding.
// A chain that loses characters is applied only when the user agrees.
void RepairCoding(Range& r)
{
    Repair repair = RepairBytes(r.bytes.get(), r.length, Editor.ViewCoding);
    if (!repair.found) return ShowNotice(L"Nothing to repair: the text already reads as Russian.");
    if (!r.wholeText && repair.coding != Editor.ViewCoding) repair.lost += WriteRepairAs(repair, Editor.ViewCoding);
    const std::wstring question = L"The repair cannot restore " + std::to_wstring(repair.lost)
        + (repair.lost == 1 ? L" character: it becomes \"?\"." : L" characters: they become \"?\".") + L" Repair anyway?";
    if (repair.lost && !AskYesNo(question)) return;
    if (repair.bytes.size() > Room(r)) return ReportTooLong();
    r.bytes.reset();
    PutBackInView(r, repair.bytes.data(), repair.bytes.size(), Coding(repair.coding));
    HostShowNote(RepairStatusText(repair.chain).c_str());
}

void Transform(Transformation transformation, Range& r)
{
    switch (transformation) {
    case Transformation::ToAnsi:
    case Transformation::ToOem:
    case Transformation::ToKoi8:
    case Transformation::ToUtf8:
    case Transformation::ToFido:
        return Recode(transformation, r);
    case Transformation::Transliterate:
    case Transformation::DecodeQuotedPrintable:
    case Transformation::CompleteLineBreaks:
        return Rewrite(transformation, r);
    case Transformation::RepairCoding:
        return RepairCoding(r);
    case Transformation::RtfToAnsi:
        return RtfToAnsi(r);
    case Transformation::Justify:
    case Transformation::Center:
    case Transformation::Left:
    case Transformation::Right:
        return Align(AlignModeOf(transformation), r);
    }
}

// The same length in and out: the buffer is recoded in place.
void ConvertCodings(Range& r, Coding from, Coding to)
{
    ConvertCoding(r.bytes.get(), r.length, from, to);
    PutBack(r, r.bytes.get(), r.length);
    SelectStarting(r);
}

// Switches redrawing off, takes the range and, when there is one, runs the
// step; then the editor is repainted once.
template <typename Step> void RunFrame(RangeRule rule, Step step)
{
    WaitCursor wait;
    SetEditorRedraw(false);
    Range r = TakeRange(rule);
    if (r.range.cpMax > r.range.cpMin) {
        if (ReadRange(r))
            step(r);
        else
            ReportNoMemory();
    }
    SetEditorRedraw(true);   // RTF to ANSI leaves a new editor window
    RepaintEditor();
}

}   // namespace

void TransformSelection(Transformation transformation)
{
    RunFrame(RangeOf(transformation), [transformation](Range& r) { Transform(transformation, r); });
}

void ConvertSelection(int from, int to)
{
    if (!IsConversionCoding(from) || !IsConversionCoding(to)) return;
    RunFrame(RangeRule::Selection, [from, to](Range& r) {
        if (from == CodingUtf8 || to == CodingUtf8)
            ConvertLengths(r, from, to, ViewAfterConversion(from, to, r.wholeText, Editor.ViewCoding), false);
        else
            ConvertCodings(r, Coding(from), Coding(to));
    });
}
