#pragma once
// The messages for failing library results, shown through the run's view
// (RunState.View, which must be set) with ShowError. A code without a message
// shows nothing; the caller stops the operation all the same.
#include <string>

namespace extract {

// For a failing result of opening the archive at archivePath (its full path,
// which some messages quote).
void ReportOpenError(int code, const std::string &archivePath);

// For a failing result of extracting one entry.
void ReportExtractError(int code);

} // namespace extract
