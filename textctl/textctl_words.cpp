// Word moves and search. Word breaks and folding come from the portable core.
#include "textctl/textctl_internal.h"

// Until the word-break core is in, words do not move the caret.
size_t WordLeft(const TextControl&, size_t pos) { return pos; }
size_t WordRight(const TextControl&, size_t pos) { return pos; }

bool WordMessage(TextControl&, UINT, WPARAM, LPARAM, LRESULT*) { return false; }
