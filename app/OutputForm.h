#pragma once

namespace quarlin {

// How a run prints its outcome: a short report for a person, or one
// comma-separated line for a log file.
enum class OutputForm { Verbose, OneLine };

}  // namespace quarlin
