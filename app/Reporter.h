#pragma once

#include <cstdio>
#include <string>

#include "app/OutputForm.h"

namespace quarlin {

// Prints the outcome of the one query of a run in the run's output form.
// The query calls exactly one of the two reports, once.
class Reporter {
public:
    // out: where the texts go, not owned. agentText: the agent as it is
    // printed (the entry has already cut it); copied, null counts as empty.
    Reporter(std::FILE* out, OutputForm form, const char* agentText);

    // The query succeeded. description: zero-terminated, owned by the caller,
    // printed as text and never read as a format; null counts as empty.
    // The one-line form keeps the whole description on its line, whatever
    // its length: a line feed becomes a space, a carriage return a comma.
    void reportDescription(const char* description);

    // The query failed, whatever the cause.
    void reportFailure();

private:
    std::FILE* out_;
    OutputForm form_;
    std::string agentText_;
};

}  // namespace quarlin
