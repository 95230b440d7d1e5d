// The save-changes question asked before the document is replaced or closed.
#pragma once

// False when the user cancelled and the pending action must not happen.
bool ConfirmDiscard();
