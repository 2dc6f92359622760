#pragma once
// The painters of the program's own pictures, one per group.

#include <QString>

class Output;

// Card faces of set 0 ("Ch06" .. "Pi5A": 69 x 94 bitmaps and 146 x 198
// "B" pictures) rendered from an SVG deck, and the four suit symbols.
bool drawFaces(Output &out, const QString &deckFile);
// Back set 0: seven weekday backs, upright and turned, at both sizes.
void drawBacks(Output &out);
// The table background "FonG" (760 x 500) and "FonGB" (1520 x 1000).
void drawFelt(Output &out);
// Score tab, counter, bank, name plates and the small hands of the tab.
void drawTablePictures(Output &out);
// "Logo", the travelling pictures of the title screen, the menu pictures.
void drawTitlePictures(Output &out, const QString &deckFile);
// The main window's headings in each language: "Cap", "Elite", "Net__" + picture code.
void drawHeadings(Output &out);
// The four pointers.
void drawPointers(Output &out);
