#include "search/search_state.h"

SearchStateRecord SearchState;
SearchOptionsRecord SearchOptions = {false, false, false, false, true};
