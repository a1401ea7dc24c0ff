#pragma once

#include <cstdio>

#include "app/Reporter.h"

namespace quarlin {

// Runs the one query of a run: given the whole ipAddress and community
// arguments, it calls exactly one of the reporter's two reports before it
// returns, and returns once everything it made is released.
using QueryFunction = void (*)(const char* host, const char* community, Reporter& reporter);

// The tool's entry: reads the command line `ipAddress community [-l]`,
// prints everything to out and calls query at most once. Returns the exit
// status: 1 after the usage text, 0 otherwise (also when the query failed).
// Safe for any command line the system can hand over, including argc 0 with
// a null argv[0]; argv itself is left unchanged.
int runTool(int argc, char* argv[], std::FILE* out, QueryFunction query);

}  // namespace quarlin
