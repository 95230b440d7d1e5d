// A plain std::string model of the text control's buffer, for checking the
// real one after random edits (shared by the unit test and the fuzz target).
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "textctl/text_buffer.h"

// Line starts of `text` by the control's rule: CR LF, lone CR and lone LF end a line.
inline std::vector<size_t> ModelLineStarts(const std::string& text)
{
    std::vector<size_t> starts{0};
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            starts.push_back(i + 1);
    }
    return starts;
}

// Empty when the buffer agrees with the model, else what differs first.
inline std::string CompareWithModel(const TextBuffer& buffer, const std::string& text)
{
    if (buffer.Length() != text.size()) return "length";
    std::string bytes(text.size(), '\0');
    buffer.CopyOut(0, bytes.size(), reinterpret_cast<uint8_t*>(&bytes[0]));
    if (bytes != text) return "bytes";
    for (size_t pos = 0; pos < text.size(); ++pos) {
        size_t available = 0;
        const uint8_t* run = buffer.Span(pos, &available);
        if (!available || pos + available > text.size() || *run != uint8_t(text[pos]))
            return "span at " + std::to_string(pos);
    }
    const std::vector<size_t> starts = ModelLineStarts(text);
    if (buffer.LineCount() != starts.size()) return "line count";
    size_t line = 0;
    for (size_t pos = 0; pos <= text.size(); ++pos) {
        while (line + 1 < starts.size() && starts[line + 1] <= pos) ++line;
        // A position between CR and LF still belongs to the line the pair ends.
        size_t expected = line;
        if (pos > 0 && pos == starts[line] && pos < text.size() && text[pos - 1] == '\r' && text[pos] == '\n')
            expected = line - 1;
        if (buffer.LineFromPos(pos) != expected) return "line from pos " + std::to_string(pos);
    }
    for (size_t k = 0; k < starts.size(); ++k) {
        size_t end = k + 1 < starts.size() ? starts[k + 1] : text.size();
        size_t breakLength = 0;
        if (k + 1 < starts.size()) breakLength = end >= 2 && text[end - 1] == '\n' && text[end - 2] == '\r' ? 2 : 1;
        if (buffer.LineStart(k) != starts[k]) return "line start " + std::to_string(k);
        if (buffer.LineBreakLength(k) != breakLength) return "break length " + std::to_string(k);
        if (buffer.LineLength(k) != end - starts[k] - breakLength) return "line length " + std::to_string(k);
    }
    return "";
}
