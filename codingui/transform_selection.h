// The one frame of the commands that rewrite a stretch of the document:
// recoding, Fido, transliteration, RTF to ANSI, quoted-printable, line-break
// completion, alignment and the Coding dialog's conversion. The range is the
// selection, or the whole text when nothing is selected; its bytes are copied
// out, transformed and streamed back in one step that one Undo takes back,
// with the editor repainted once.
#pragma once
#include "codingui/transform_rules.h"

void TransformSelection(Transformation transformation);
// The Coding dialog's conversion from one entry to another (0..4 a Coding, 5
// UTF-8); the view stays, except that a whole text decoded from UTF-8 is shown
// in the coding it became. Entries outside 0..5 do nothing.
void ConvertSelection(int from, int to);

// The command table's procedure of a transformation command.
template <Transformation Kind> void TransformCommand()
{
    TransformSelection(Kind);
}
