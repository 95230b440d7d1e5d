// The document bytes of the text control, with its line index.
// No Windows header: unit-tested natively.
//
// Lines: CR LF, a lone CR and a lone LF each end a line. CR LF counts 2
// positions, a lone CR or LF one. The text after the last break is the last
// line (possibly empty), so an empty buffer has one line. A position inside
// CR LF belongs to the line the pair ends.
//
// Storage: the bytes live in chunks of at most 64 KB (so growth never copies
// the whole document, and an edit moves at most one chunk). Each chunk keeps
// its number of line break ends and the 16-bit offsets of every K-th of them,
// K a power of two chosen so that the offsets take at most 1/16 of the
// chunk's room; a query scans from the nearest offset. A file of only LFs
// thus costs about 1/16 extra, text with ordinary lines is indexed densely.
// Chunk starts and line counts are renumbered after each edit (cheap: one
// entry per 64 KB).
#pragma once
#include <cstddef>
#include <cstdint>

class TextBuffer {
public:
    // fresh, when given, is called on new storage before anything is written
    // to it: one chunk's, or a span over chunks taken in a row and what lies
    // between them; it leaves the bytes as they are (the control has the pages
    // brought in at once).
    explicit TextBuffer(void (*fresh)(void* storage, size_t size) = nullptr);
    ~TextBuffer();
    TextBuffer(const TextBuffer&) = delete;
    TextBuffer& operator=(const TextBuffer&) = delete;

    size_t Length() const;
    uint8_t At(size_t pos) const;   // pos < Length() (else 0)
    // Copies min(count, Length() - pos) bytes; returns how many.
    size_t CopyOut(size_t pos, size_t count, uint8_t* dest) const;
    // Contiguous bytes from pos (at least 1 when pos < Length()); *available gets their number.
    const uint8_t* Span(size_t pos, size_t* available) const;

    // Editing. False (and nothing changed) when memory runs out.
    bool Insert(size_t pos, const uint8_t* bytes, size_t count);
    void Erase(size_t pos, size_t count);
    bool Replace(size_t pos, size_t eraseCount, const uint8_t* bytes, size_t count);
    void Clear();
    // Clear before the whole text comes anew: the storage of full chunks is kept
    // for it, and EndRefill frees what the new text did not take.
    void ClearForRefill();
    void EndRefill();
    // Room for a total of `length` bytes without further growth (a hint).
    bool Reserve(size_t length);

    // Line index.
    size_t LineCount() const;
    size_t LineStart(size_t line) const;         // line < LineCount()
    size_t LineFromPos(size_t pos) const;        // pos <= Length()
    size_t LineLength(size_t line) const;        // without its break
    size_t LineBreakLength(size_t line) const;   // 0, 1 or 2

private:
    size_t BreakLengthBefore(size_t lineStart) const;
    struct Impl;
    Impl* impl_;
};
