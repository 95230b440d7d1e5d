// Writing the document to its file safely.
#pragma once

// Writes the text under the document's name and clears the modify flag; false, after
// its box, when the file was not written.
bool SaveDocument();
