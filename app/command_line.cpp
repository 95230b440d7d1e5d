#include "app/command_line.h"

namespace {

const char* SkipQuotesAndBlanks(const char* p)
{
    while (*p == '"' || *p == ' ') ++p;
    return p;
}

const char* SkipProgramName(const char* p)
{
    if (*p == '"') {
        ++p;
        while (*p && *p != '"') ++p;   // the closing quote goes with the blanks after it
        return p;
    }
    while (*p && *p != ' ') ++p;
    return p;
}

bool IsPrintSwitch(const char* p)
{
    return p[0] == '/' && (p[1] == 'p' || p[1] == 'P');
}

}

CommandLineRequest ParseCommandLine(const char* line)
{
    CommandLineRequest request;
    const char* p = SkipQuotesAndBlanks(SkipProgramName(line));
    if (IsPrintSwitch(p)) {
        request.print = true;
        while (*p && *p != ' ') ++p;
        p = SkipQuotesAndBlanks(p);
    }
    const char* end = p;
    while (*end && *end != '"') ++end;   // blanks belong to the name; a quote ends it
    request.fileName.assign(p, end);
    return request;
}
