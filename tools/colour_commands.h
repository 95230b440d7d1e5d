// The three commands of the "&Colors" pop-up: each lets the user choose a colour,
// stores it at once and applies it.
#pragma once

// The text colour ("Cl") of all the text.
void ChooseTextColor();
// The editor's background colour ("Bk").
void ChooseBackgroundColor();
// The tag colour ("HTML"); the tags are coloured again at once.
void ChooseTagColor();
