// Printing at a column and row in a colour. Every call sets the attribute and
// the cursor itself, since all output shares them, and leaves the cursor
// where its text ends.
#pragma once

void PrintAt(char const* text, int x, int y, int color);
void PrintAt(char character, int x, int y, int color);
void PrintAt(int number, int x, int y, int color);
void PrintAt(unsigned int number, int x, int y, int color);
void PrintAt(double value, int x, int y, int color);

// Left-justified in a field of `width` columns, padded with blanks; a longer
// value is written whole.
void PrintPadded(char const* text, int x, int y, int color, int width);
void PrintPadded(int number, int x, int y, int color, int width);

// Breaks the text at blanks onto rows y, y + 1, ...: the first line holds at
// most `width` characters, later ones `width` - 1; the last line is padded to
// `width` + 1 columns. Note the order: width before colour.
void PrintWrapped(char const* text, int x, int y, int width, int color);
