#pragma once

namespace hexwarden {

class TTreeList;

// Lets the column's long lines wrap onto more lines, rows growing to fit and fitting again when
// the column is resized. Its second-level rows keep the list's own font, not the small one of
// troop rows, since what they say is what the list is read for; with `bold_parents` the
// first-level rows are bold.
void WrapLongLines(TTreeList& list, int column, bool bold_parents);

}  // namespace hexwarden
