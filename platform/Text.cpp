#include "platform/Text.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <string.h>
#endif

namespace platform {

void formatUnsigned64(std::uint64_t value, char* text) noexcept {
#ifdef _WIN32
    // The Windows C runtime's own 64-bit conversion, independent of C99 support.
    std::snprintf(text, kUnsigned64TextSize, "%I64u", value);
#else
    std::snprintf(text, kUnsigned64TextSize, "%" PRIu64, value);
#endif
}

void upperCaseInPlace(char* text) noexcept {
#ifdef _WIN32
    // In the C locale, the only one the program uses, this touches a to z only.
    _strupr(text);
#else
    for (char* c = text; *c != '\0'; ++c) {
        if (*c >= 'a' && *c <= 'z') {
            *c = static_cast<char>(*c - 'a' + 'A');
        }
    }
#endif
}

}  // namespace platform
