#pragma once

#include <filesystem>
#include <string>

#include "import/veldoria_parser.h"

namespace hexwarden {

class TItemTypeQuestion;
class TParseStatusLog;
class TVelMain;

// The import of one turn report as both the desktop program and the command line run it: parse
// the report; then, only when that succeeded, clear the own units' orders when asked and move the
// own units the report no longer shows to LostUnits. Errors propagate with the user's message;
// what a failed import changed stays (there is no rollback).
void ImportTurnReport(TVelMain& database, const std::filesystem::path& report, OrdersMode orders, TParseStatusLog& status,
                      TItemTypeQuestion& question);
void ImportTurnReportText(TVelMain& database, std::string report, OrdersMode orders, TParseStatusLog& status,
                          TItemTypeQuestion& question);

}  // namespace hexwarden
