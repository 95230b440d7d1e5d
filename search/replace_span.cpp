#include "search/replace_span.h"

std::string ReplaceInSpan(const std::string& span, int64_t base, const std::vector<int64_t>& positions, size_t length,
                          const std::string& replacement)
{
    std::string result;
    result.reserve(span.size() + positions.size() * replacement.size());
    size_t kept = 0;
    for (int64_t position : positions) {
        size_t at = static_cast<size_t>(position - base);
        result.append(span, kept, at - kept);
        result += replacement;
        kept = at + length;
    }
    result.append(span, kept, std::string::npos);
    return result;
}
