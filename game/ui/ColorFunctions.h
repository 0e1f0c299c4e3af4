// Console colours: an attribute is background x 16 + foreground, with the
// console's numbering (1 blue, 2 green, 4 red, 8 bright).
#pragma once

using ColorCode = int;

// Sets the text attribute for output that does not go through the print
// functions (clearing the screen, the console text stream).
void SetColor(ColorCode color);
