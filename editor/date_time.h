// Date&Time: the user's short date and a space, then the time, as two undo steps.
#pragma once

void InsertDateTime();
