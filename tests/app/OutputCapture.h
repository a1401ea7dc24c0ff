#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

namespace testing_support {

// A temporary file standing in for standard output, so a test sees the exact
// bytes a run printed. Removed when the capture goes.
class OutputCapture {
public:
    OutputCapture() : file_(std::tmpfile()) {
        if (file_ == nullptr) {
            std::fputs("OutputCapture: no temporary file could be made\n", stderr);
            std::abort();
        }
    }
    ~OutputCapture() { std::fclose(file_); }
    OutputCapture(const OutputCapture&) = delete;
    OutputCapture& operator=(const OutputCapture&) = delete;

    std::FILE* file() const { return file_; }

    // Everything written so far; later writes still append.
    std::string text() const {
        std::string bytes;
        std::fflush(file_);
        std::rewind(file_);
        char chunk[4096];
        std::size_t count = 0;
        while ((count = std::fread(chunk, 1, sizeof chunk, file_)) > 0) bytes.append(chunk, count);
        std::fseek(file_, 0, SEEK_END);
        return bytes;
    }

private:
    std::FILE* file_;
};

}  // namespace testing_support
