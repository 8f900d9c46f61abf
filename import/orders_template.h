#pragma once

namespace hexwarden {

class TVeldoriaParser;

// The orders template at the end of a report ("Orders Template", "#veldoria", "unit N" blocks,
// "#end"): each named unit's orders become the template's repeating orders ("@" lines, a repeating
// "@TURN" block whole up to its "ENDTURN"). Does nothing unless the next word is "Orders".
void ParseOrdersTemplate(TVeldoriaParser& parser);

}  // namespace hexwarden
