#include "app/command_line.h"

namespace {

const wchar_t* SkipQuotesAndBlanks(const wchar_t* p)
{
    while (*p == L'"' || *p == L' ') ++p;
    return p;
}

const wchar_t* SkipProgramName(const wchar_t* p)
{
    if (*p == L'"') {
        ++p;
        while (*p && *p != L'"') ++p;   // the closing quote goes with the blanks after it
        return p;
    }
    while (*p && *p != L' ') ++p;
    return p;
}

bool IsPrintSwitch(const wchar_t* p)
{
    return p[0] == L'/' && (p[1] == L'p' || p[1] == L'P');
}

}

CommandLineRequest ParseCommandLine(const wchar_t* line)
{
    CommandLineRequest request;
    const wchar_t* p = SkipQuotesAndBlanks(SkipProgramName(line));
    if (IsPrintSwitch(p)) {
        request.print = true;
        while (*p && *p != L' ') ++p;
        p = SkipQuotesAndBlanks(p);
    }
    const wchar_t* end = p;
    while (*end && *end != L'"') ++end;   // blanks belong to the name; a quote ends it
    request.fileName.assign(p, end);
    return request;
}
