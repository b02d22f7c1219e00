#pragma once

// Verbosity of a structured event log record; a record is listed when its
// level is at most the selected one.
enum VerboseLevel { VerboseLow = 0, VerboseMedium = 1, VerboseHigh = 2, VerboseDeveloper = 3 };
