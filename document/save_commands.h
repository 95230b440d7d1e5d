// Save and Save As.
#pragma once

// Save: Save As while untitled. False when the file was not written, except when Save As was cancelled.
bool SaveCommand();
// Save As. False only when a name was chosen and writing the file failed.
bool SaveDocumentAs();
