#include "textctl/colour_runs.h"

#include <algorithm>

size_t ColourRuns::FirstEndingAfter(size_t pos) const
{
    auto it = std::upper_bound(runs_.begin(), runs_.end(), pos, [](size_t p, const Run& run) { return p < run.end; });
    return it - runs_.begin();
}

void ColourRuns::SplitAt(size_t pos)
{
    size_t i = FirstEndingAfter(pos);
    if (i == runs_.size() || runs_[i].start >= pos) return;
    Run tail = runs_[i];
    tail.start = pos;
    runs_[i].end = pos;
    runs_.insert(runs_.begin() + i + 1, tail);
}

void ColourRuns::MergeAt(size_t pos)
{
    size_t i = FirstEndingAfter(pos);
    if (i == 0 || i >= runs_.size()) return;
    Run& before = runs_[i - 1];
    if (before.end == runs_[i].start && before.colour == runs_[i].colour) {
        before.end = runs_[i].end;
        runs_.erase(runs_.begin() + i);
    }
}

void ColourRuns::Set(size_t start, size_t end, uint32_t colour)
{
    if (start >= end) return;
    SplitAt(start);
    SplitAt(end);
    size_t first = FirstEndingAfter(start);
    size_t last = first;
    while (last < runs_.size() && runs_[last].end <= end) ++last;
    runs_.erase(runs_.begin() + first, runs_.begin() + last);
    runs_.insert(runs_.begin() + first, Run{start, end, colour});
    MergeAt(end);
    MergeAt(start);
}

void ColourRuns::Reserve(size_t count)
{
    size_t needed = runs_.size() + count;
    // Exactly the room asked for the first time; otherwise grow as the vector would.
    if (needed > runs_.capacity()) runs_.reserve(runs_.empty() ? needed : std::max(needed, 2 * runs_.capacity()));
}

void ColourRuns::Inserted(size_t pos, size_t count)
{
    for (size_t i = FirstEndingAfter(pos); i < runs_.size(); ++i) {
        if (runs_[i].start >= pos) runs_[i].start += count;
        runs_[i].end += count;
    }
}

void ColourRuns::Erased(size_t pos, size_t count)
{
    size_t end = pos + count;
    auto shrink = [&](size_t p) { return p <= pos ? p : (p >= end ? p - count : pos); };
    size_t i = FirstEndingAfter(pos);
    size_t write = i;
    for (; i < runs_.size(); ++i) {
        Run run{shrink(runs_[i].start), shrink(runs_[i].end), runs_[i].colour};
        if (run.start < run.end) runs_[write++] = run;
    }
    runs_.resize(write);
    MergeAt(pos);
}
