// The question before each replacement: Yes, No, Cancel or All.
#pragma once
#include "res/resource.h"

// The answers, by the ids of the prompt's buttons. Esc and the close box answer "No".
enum ReplaceAnswer {
    ReplaceYes = IDC_PROMPT_YES,
    ReplaceNo = IDC_PROMPT_NO,
    ReplaceRest = IDC_PROMPT_ALL,
    ReplaceStop = IDC_PROMPT_CANCEL,
};

// Asks about the selected occurrence, which stays highlighted meanwhile.
ReplaceAnswer AskReplace();
