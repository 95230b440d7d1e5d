// The program's one error box for failures of the system.
#pragma once

// Shows the system's text for the last error (code 10 when none is pending).
void ShowSystemError();
