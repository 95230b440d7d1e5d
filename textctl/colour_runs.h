// Colours given to ranges of the text, kept in step with edits.
// No Windows header: a colour is an opaque 32-bit value.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

class ColourRuns {
public:
    struct Run {
        size_t start;
        size_t end;   // exclusive
        uint32_t colour;
    };

    // Forgets every run and the memory they took.
    void Clear() { std::vector<Run>().swap(runs_); }
    // Room for count more runs, so a burst of Set calls allocates once.
    void Reserve(size_t count);
    // Gives [start, end) the colour, replacing what was there.
    void Set(size_t start, size_t end, uint32_t colour);
    // Text inserted at pos: runs behind move; a run that pos lies strictly inside grows.
    void Inserted(size_t pos, size_t count);
    // Text [pos, pos + count) erased.
    void Erased(size_t pos, size_t count);
    // Index of the first run that ends after pos (runs().size() when none).
    size_t FirstEndingAfter(size_t pos) const;
    const std::vector<Run>& runs() const { return runs_; }

private:
    // Cuts runs at pos so that no run crosses it.
    void SplitAt(size_t pos);
    // Joins the runs meeting at pos when they have the same colour.
    void MergeAt(size_t pos);
    std::vector<Run> runs_;   // sorted, disjoint, none empty, neighbours differ in colour
};
