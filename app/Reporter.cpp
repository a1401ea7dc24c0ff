#include "app/Reporter.h"

namespace quarlin {

Reporter::Reporter(std::FILE* out, OutputForm form, const char* agentText)
    : out_(out), form_(form), agentText_(agentText != nullptr ? agentText : "") {}

void Reporter::reportDescription(const char* description) {
    const char* text = description != nullptr ? description : "";
    if (form_ == OutputForm::Verbose) {
        std::fputs("\nDescription:\t", out_);
        std::fputs(text, out_);
        std::fputs("\n", out_);
        return;
    }
    // Built in a string that grows with the description, so no description
    // is cut and nothing is written past a fixed line.
    std::string line = agentText_;
    line += ',';
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c == '\n') {
            line += ' ';
        } else if (*c == '\r') {
            line += ',';
        } else {
            line += *c;
        }
    }
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), out_);
}

void Reporter::reportFailure() {
    std::fputs(form_ == OutputForm::Verbose ? "\n\nERROR: Community string or SNMP error\n"
                                            : "Error with community string\n",
               out_);
}

}  // namespace quarlin
