// The rest of a replace-all run once no more questions are asked.
#pragma once

// Finds every further occurrence as the run's steps would, one after the
// other, and puts all the replacements in with one edit of the document, so a
// run over many occurrences takes one edit instead of one each. The result,
// the caret and the search position are those the steps would leave. False,
// with nothing done, where the steps could end otherwise: when the text would
// pass its limit, or when memory runs short.
bool ReplaceRestAtOnce();
