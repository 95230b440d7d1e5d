#include "textctl/text_buffer.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

#include "textctl/line_scan.h"

namespace {

// A chunk never holds more than this, so offsets inside it fit 16 bits.
constexpr size_t MaxChunk = 65536;
constexpr size_t MinCapacity = 256;
// Index room per chunk: one 16-bit entry per 32 bytes of capacity.
constexpr size_t MarkRatio = 32;

struct Chunk {
    uint8_t* data = nullptr;   // capacity bytes, then capacity / MarkRatio marks
    uint32_t size = 0;
    uint32_t capacity = 0;
    uint32_t breaks = 0;   // line break ends inside this chunk
    uint32_t markCount = 0;
    uint32_t markShift = 0;   // marks[i] is the offset of break end i << markShift
    size_t start = 0;         // position of data[0]
    size_t linesBefore = 0;   // break ends before this chunk

    uint16_t* Marks() const { return reinterpret_cast<uint16_t*>(data + capacity); }
    uint32_t MarkCapacity() const { return capacity / MarkRatio; }
};

size_t AllocationSize(size_t capacity)
{
    return capacity + capacity / MarkRatio * sizeof(uint16_t);
}

// Room for `size` bytes with some slack for typing, never above MaxChunk.
size_t CapacityFor(size_t size)
{
    size_t wanted = size + size / 8 + 64;
    wanted = (wanted + MinCapacity - 1) / MinCapacity * MinCapacity;
    return std::min(std::max(wanted, MinCapacity), MaxChunk);
}

uint8_t* AllocateChunkData(size_t capacity)
{
    return static_cast<uint8_t*>(std::malloc(AllocationSize(capacity)));
}

// Resizes a chunk's storage; the marks are rebuilt afterwards by the caller.
bool Reallocate(Chunk& chunk, size_t capacity)
{
    if (capacity == chunk.capacity) return true;
    void* grown = std::realloc(chunk.data, AllocationSize(capacity));
    if (!grown) return false;
    chunk.data = static_cast<uint8_t*>(grown);
    chunk.capacity = static_cast<uint32_t>(capacity);
    return true;
}

}   // namespace

struct TextBuffer::Impl {
    explicit Impl(void (*onFresh)(void*, size_t)) : fresh(onFresh) {}

    void (*fresh)(void* storage, size_t size);
    std::vector<Chunk> chunks;
    size_t length = 0;
    mutable size_t hint = 0;   // last chunk found, for sequential access
    // Storage of full chunks kept for a refill: memory the process has written
    // to already costs far less than fresh memory from the system.
    std::vector<uint8_t*> spare;

    ~Impl()
    {
        FreeAll();
        FreeSpare();
    }

    void FreeAll()
    {
        for (Chunk& chunk : chunks) std::free(chunk.data);
        Forget();
    }

    void Forget()
    {
        chunks.clear();
        length = 0;
        hint = 0;
    }

    void KeepForRefill()
    {
        FreeSpare();
        try {
            spare.reserve(chunks.size());
        } catch (const std::bad_alloc&) {
            return FreeAll();
        }
        for (Chunk& chunk : chunks) {
            if (chunk.capacity == MaxChunk)
                spare.push_back(chunk.data);
            else
                std::free(chunk.data);
        }
        Forget();
    }

    void FreeSpare()
    {
        for (uint8_t* data : spare) std::free(data);
        spare.clear();
        spare.shrink_to_fit();
    }

    uint8_t* NewChunkData(size_t capacity)
    {
        if (capacity != MaxChunk || spare.empty()) return AllocateChunkData(capacity);
        uint8_t* data = spare.back();
        spare.pop_back();
        return data;
    }

    // Has the new storage of chunks taken in a row brought in: in one call over
    // their span when they lie together, as a heap places blocks asked for one
    // after another, else one by one.
    void BringIn(const Chunk* taken, size_t count) const
    {
        if (!fresh) return;
        uintptr_t low = UINTPTR_MAX, high = 0;
        size_t total = 0;
        for (size_t k = 0; k < count; ++k) {
            const uintptr_t at = reinterpret_cast<uintptr_t>(taken[k].data);
            low = std::min(low, at);
            high = std::max(high, at + AllocationSize(taken[k].capacity));
            total += AllocationSize(taken[k].capacity);
        }
        if (high - low <= total + total / 16) return fresh(reinterpret_cast<void*>(low), high - low);
        for (size_t k = 0; k < count; ++k) fresh(taken[k].data, AllocationSize(taken[k].capacity));
    }

    size_t TotalBreaks() const
    {
        if (chunks.empty()) return 0;
        const Chunk& last = chunks.back();
        return last.linesBefore + last.breaks;
    }

    // The byte after chunk i, or -1 after the end of the text.
    int ByteAfter(size_t i) const { return i + 1 < chunks.size() ? chunks[i + 1].data[0] : -1; }
    int ByteAt(size_t i, size_t offset) const
    {
        return offset < chunks[i].size ? chunks[i].data[offset] : ByteAfter(i);
    }

    // The chunk holding the byte at pos (pos < length).
    size_t ChunkOf(size_t pos) const
    {
        if (hint < chunks.size() && chunks[hint].start <= pos && pos < chunks[hint].start + chunks[hint].size)
            return hint;
        auto it =
            std::upper_bound(chunks.begin(), chunks.end(), pos, [](size_t p, const Chunk& c) { return p < c.start; });
        hint = static_cast<size_t>(it - chunks.begin()) - 1;
        return hint;
    }

    // The chunk whose breaks include break end number `index` (< TotalBreaks()).
    size_t ChunkOfBreak(size_t index) const
    {
        auto it = std::upper_bound(chunks.begin(), chunks.end(), index,
                                   [](size_t n, const Chunk& c) { return n < c.linesBefore + c.breaks; });
        return static_cast<size_t>(it - chunks.begin());
    }

    void Reindex(size_t i)
    {
        Chunk& chunk = chunks[i];
        uint16_t* marks = chunk.Marks();
        const uint32_t room = chunk.MarkCapacity();
        uint32_t shift = 0, count = 0;
        size_t seen = 0;
        ForEachBreakMask(chunk.data, 0, chunk.size, ByteAfter(i), [&](size_t base, uint64_t mask) {
            size_t inWord = BreakCount(mask);
            // marks hold breaks 0, K, 2K, ... so the next one to record is count * K.
            for (size_t next = size_t(count) << shift; next < seen + inWord; next = size_t(count) << shift) {
                if (count == room) {
                    for (uint32_t k = 0; 2 * k < count; ++k) marks[k] = marks[2 * k];
                    count = (count + 1) / 2;
                    ++shift;
                    continue;
                }
                marks[count++] = static_cast<uint16_t>(base + NthBreakInMask(mask, next - seen));
            }
            seen += inWord;
            return true;
        });
        chunk.breaks = static_cast<uint32_t>(seen);
        chunk.markCount = count;
        chunk.markShift = shift;
    }

    // Reindexes chunks [first, last] and the one before when its trailing CR
    // may have changed meaning; then renumbers everything after.
    void Refresh(size_t first, size_t last)
    {
        if (chunks.empty()) {
            length = 0;
            return;
        }
        last = std::min(last, chunks.size() - 1);
        if (first > 0 && chunks[first - 1].size && chunks[first - 1].data[chunks[first - 1].size - 1] == '\r') --first;
        for (size_t i = first; i <= last; ++i) Reindex(i);
        size_t start = first ? chunks[first - 1].start + chunks[first - 1].size : 0;
        size_t lines = first ? chunks[first - 1].linesBefore + chunks[first - 1].breaks : 0;
        for (size_t i = first; i < chunks.size(); ++i) {
            chunks[i].start = start;
            chunks[i].linesBefore = lines;
            start += chunks[i].size;
            lines += chunks[i].breaks;
        }
        length = start;
    }

    // Offset in chunk i of its break end number `index`.
    size_t BreakOffset(size_t i, size_t index) const
    {
        const Chunk& chunk = chunks[i];
        size_t mark = index >> chunk.markShift;
        size_t offset = chunk.Marks()[mark];
        size_t more = index - (mark << chunk.markShift);
        if (more == 0) return offset;
        return NthBreak(chunk.data, offset + 1, chunk.size, ByteAfter(i), more - 1);
    }

    // Break ends in chunk i at offsets below `offset`.
    size_t BreaksBefore(size_t i, size_t offset) const
    {
        const Chunk& chunk = chunks[i];
        const uint16_t* marks = chunk.Marks();
        const uint16_t* end = marks + chunk.markCount;
        const uint16_t* after = std::lower_bound(marks, end, offset);
        if (after == marks) return 0;
        size_t mark = static_cast<size_t>(after - marks) - 1;
        size_t from = marks[mark] + 1;
        return (mark << chunk.markShift) + 1 + CountBreaks(chunk.data, from, std::max(from, offset), ByteAt(i, offset));
    }

    void RemoveEmpty(size_t first, size_t last)
    {
        for (size_t i = std::min(last, chunks.size() - 1) + 1; i-- > first;) {
            if (chunks[i].size) continue;
            std::free(chunks[i].data);
            chunks.erase(chunks.begin() + static_cast<ptrdiff_t>(i));
        }
    }

    // Joins chunk i with the next one when both fit in half a chunk.
    bool MergeWithNext(size_t i)
    {
        if (i + 1 >= chunks.size()) return false;
        Chunk& a = chunks[i];
        Chunk& b = chunks[i + 1];
        size_t total = size_t(a.size) + b.size;
        if (total > MaxChunk / 2) return false;
        if (total > a.capacity && !Reallocate(a, CapacityFor(total))) return false;
        std::memcpy(a.data + a.size, b.data, b.size);
        a.size = static_cast<uint32_t>(total);
        std::free(b.data);
        chunks.erase(chunks.begin() + static_cast<ptrdiff_t>(i) + 1);
        return true;
    }

    // Room for `count` chunk entries, growing geometrically.
    bool ReserveChunks(size_t count)
    {
        if (count <= chunks.capacity()) return true;
        try {
            chunks.reserve(std::max(count, chunks.capacity() * 2));
        } catch (const std::bad_alloc&) {
            return false;
        }
        return true;
    }

    bool Insert(size_t pos, const uint8_t* bytes, size_t count);
    bool InsertSplitting(size_t i, size_t offset, const uint8_t* bytes, size_t count);
    void Erase(size_t pos, size_t count);
};

namespace {

// Sizes of the chunks that take `total` bytes: full chunks when appending at
// a chunk's end, otherwise even pieces so that typing finds room in both.
std::vector<size_t> PieceSizes(size_t total, bool fillFromFront)
{
    size_t pieces = (total + MaxChunk - 1) / MaxChunk;
    std::vector<size_t> sizes(pieces);
    for (size_t k = 0; k < pieces; ++k) {
        if (fillFromFront)
            sizes[k] = std::min(MaxChunk, total - k * MaxChunk);
        else
            sizes[k] = total / pieces + (k < total % pieces ? 1 : 0);
    }
    return sizes;
}

// Reads the concatenation of up to three byte ranges in order.
struct Source {
    const uint8_t* part[3];
    size_t left[3];
    int current = 0;

    void CopyTo(uint8_t* dest, size_t count)
    {
        while (count) {
            while (!left[current]) ++current;
            size_t n = std::min(count, left[current]);
            std::memcpy(dest, part[current], n);
            part[current] += n;
            left[current] -= n;
            dest += n;
            count -= n;
        }
    }
};

}   // namespace

bool TextBuffer::Impl::InsertSplitting(size_t i, size_t offset, const uint8_t* bytes, size_t count)
{
    const size_t total = chunks[i].size + count;
    const std::vector<size_t> sizes = PieceSizes(total, offset == chunks[i].size);
    if (!ReserveChunks(chunks.size() + sizes.size() - 1)) return false;
    Chunk& chunk = chunks[i];
    // Bytes of this chunk that stay where they are; the rest moves via `moved`.
    const size_t keep = std::min(offset, sizes[0]);
    const size_t movedCount = chunk.size - keep;

    // Grow this chunk first so that the new ones do not stand in its way;
    // a failure later leaves it larger but unchanged.
    if (sizes[0] > chunk.capacity && !Reallocate(chunk, CapacityFor(sizes[0]))) return false;
    std::vector<Chunk> added(sizes.size() - 1);
    const bool allNew = spare.empty();
    uint8_t* moved = movedCount ? static_cast<uint8_t*>(std::malloc(movedCount)) : nullptr;
    bool ok = !movedCount || moved;
    for (size_t k = 0; ok && k < added.size(); ++k) {
        added[k].capacity = static_cast<uint32_t>(CapacityFor(sizes[k + 1]));
        added[k].data = NewChunkData(added[k].capacity);
        ok = added[k].data != nullptr;
    }
    if (!ok) {
        std::free(moved);
        for (Chunk& c : added) std::free(c.data);
        return false;
    }

    if (allNew) BringIn(added.data(), added.size());
    if (movedCount) std::memcpy(moved, chunk.data + keep, movedCount);
    Source source{{moved, bytes, moved + (offset - keep)}, {offset - keep, count, chunk.size - offset}};
    source.CopyTo(chunk.data + keep, sizes[0] - keep);
    chunk.size = static_cast<uint32_t>(sizes[0]);
    for (size_t k = 0; k < added.size(); ++k) {
        source.CopyTo(added[k].data, sizes[k + 1]);
        added[k].size = static_cast<uint32_t>(sizes[k + 1]);
    }
    std::free(moved);
    chunks.insert(chunks.begin() + static_cast<ptrdiff_t>(i) + 1, added.begin(), added.end());
    Refresh(i, i + added.size());
    return true;
}

bool TextBuffer::Impl::Insert(size_t pos, const uint8_t* bytes, size_t count)
{
    if (count == 0) return true;
    pos = std::min(pos, length);
    if (chunks.empty()) {
        try {
            chunks.emplace_back();
        } catch (const std::bad_alloc&) {
            return false;
        }
        chunks[0].capacity = static_cast<uint32_t>(CapacityFor(std::min(count, MaxChunk)));
        const bool isNew = spare.empty();
        chunks[0].data = NewChunkData(chunks[0].capacity);
        if (!chunks[0].data) {
            chunks.clear();
            return false;
        }
        if (isNew) BringIn(chunks.data(), 1);
    }
    size_t i = pos == length ? chunks.size() - 1 : ChunkOf(pos);
    Chunk& chunk = chunks[i];
    size_t offset = pos - chunk.start;
    size_t total = chunk.size + count;
    if (total > MaxChunk) return InsertSplitting(i, offset, bytes, count);
    if (total > chunk.capacity && !Reallocate(chunk, CapacityFor(total))) return false;
    std::memmove(chunk.data + offset + count, chunk.data + offset, chunk.size - offset);
    std::memcpy(chunk.data + offset, bytes, count);
    chunk.size = static_cast<uint32_t>(total);
    Refresh(i, i);
    return true;
}

void TextBuffer::Impl::Erase(size_t pos, size_t count)
{
    if (pos >= length || count == 0) return;
    count = std::min(count, length - pos);
    size_t first = ChunkOf(pos);
    size_t last = ChunkOf(pos + count - 1);
    size_t from = pos - chunks[first].start;
    size_t to = pos + count - chunks[last].start;
    if (first == last) {
        Chunk& chunk = chunks[first];
        std::memmove(chunk.data + from, chunk.data + to, chunk.size - to);
        chunk.size -= static_cast<uint32_t>(count);
    } else {
        chunks[first].size = static_cast<uint32_t>(from);
        Chunk& tail = chunks[last];
        std::memmove(tail.data, tail.data + to, tail.size - to);
        tail.size -= static_cast<uint32_t>(to);
        for (size_t k = first + 1; k < last; ++k) std::free(chunks[k].data);
        chunks.erase(chunks.begin() + static_cast<ptrdiff_t>(first) + 1, chunks.begin() + static_cast<ptrdiff_t>(last));
        last = first + 1;
    }
    RemoveEmpty(first, last);
    if (chunks.empty()) {
        FreeAll();
        return;
    }
    // Touched chunks now start at `first` (or the one before, if it was removed).
    size_t touched = std::min(first, chunks.size() - 1);
    if (touched > 0) --touched;
    size_t end = std::min(touched + 2, chunks.size() - 1);
    for (size_t k = end; k-- > touched;) MergeWithNext(k);
    end = std::min(end, chunks.size() - 1);
    for (size_t k = touched; k <= end; ++k) {
        Chunk& c = chunks[k];
        if (c.capacity > CapacityFor(c.size) * 2) Reallocate(c, CapacityFor(c.size));
    }
    hint = 0;
    Refresh(touched, end);
}

TextBuffer::TextBuffer(void (*fresh)(void* storage, size_t size)) : impl_(new Impl(fresh)) {}
TextBuffer::~TextBuffer()
{
    delete impl_;
}

size_t TextBuffer::Length() const
{
    return impl_->length;
}

uint8_t TextBuffer::At(size_t pos) const
{
    if (pos >= Length()) return 0;   // out of range: never read past the end
    size_t i = impl_->ChunkOf(pos);
    return impl_->chunks[i].data[pos - impl_->chunks[i].start];
}

size_t TextBuffer::CopyOut(size_t pos, size_t count, uint8_t* dest) const
{
    if (pos >= Length()) return 0;
    count = std::min(count, Length() - pos);
    size_t done = 0;
    while (done < count) {
        size_t available = 0;
        const uint8_t* run = Span(pos + done, &available);
        size_t n = std::min(available, count - done);
        std::memcpy(dest + done, run, n);
        done += n;
    }
    return count;
}

const uint8_t* TextBuffer::Span(size_t pos, size_t* available) const
{
    if (pos >= Length()) {
        *available = 0;
        return nullptr;
    }
    const Chunk& chunk = impl_->chunks[impl_->ChunkOf(pos)];
    *available = chunk.start + chunk.size - pos;
    return chunk.data + (pos - chunk.start);
}

bool TextBuffer::Insert(size_t pos, const uint8_t* bytes, size_t count)
{
    return impl_->Insert(pos, bytes, count);
}

void TextBuffer::Erase(size_t pos, size_t count)
{
    impl_->Erase(pos, count);
}

bool TextBuffer::Replace(size_t pos, size_t eraseCount, const uint8_t* bytes, size_t count)
{
    // Insert first: if memory runs out, nothing has been erased yet.
    pos = std::min(pos, Length());
    eraseCount = std::min(eraseCount, Length() - pos);
    if (!Insert(pos + eraseCount, bytes, count)) return false;
    Erase(pos, eraseCount);
    return true;
}

void TextBuffer::Clear()
{
    impl_->FreeAll();
}

void TextBuffer::ClearForRefill()
{
    impl_->KeepForRefill();
}

void TextBuffer::EndRefill()
{
    impl_->FreeSpare();
}

bool TextBuffer::Reserve(size_t length)
{
    return impl_->ReserveChunks(length / MaxChunk + 1);
}

size_t TextBuffer::LineCount() const
{
    return impl_->TotalBreaks() + 1;
}

size_t TextBuffer::LineStart(size_t line) const
{
    if (line == 0) return 0;
    size_t index = std::min(line, LineCount() - 1) - 1;
    size_t i = impl_->ChunkOfBreak(index);
    const Chunk& chunk = impl_->chunks[i];
    return chunk.start + impl_->BreakOffset(i, index - chunk.linesBefore) + 1;
}

size_t TextBuffer::LineFromPos(size_t pos) const
{
    if (pos >= Length()) return impl_->TotalBreaks();
    size_t i = impl_->ChunkOf(pos);
    const Chunk& chunk = impl_->chunks[i];
    return chunk.linesBefore + impl_->BreaksBefore(i, pos - chunk.start);
}

size_t TextBuffer::LineLength(size_t line) const
{
    if (line + 1 >= LineCount()) return Length() - LineStart(line);
    size_t next = LineStart(line + 1);
    return next - BreakLengthBefore(next) - LineStart(line);
}

size_t TextBuffer::LineBreakLength(size_t line) const
{
    if (line + 1 >= LineCount()) return 0;
    return BreakLengthBefore(LineStart(line + 1));
}

size_t TextBuffer::BreakLengthBefore(size_t lineStart) const
{
    return lineStart >= 2 && At(lineStart - 1) == '\n' && At(lineStart - 2) == '\r' ? 2 : 1;
}
