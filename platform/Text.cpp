#include "platform/Text.h"

#include <cinttypes>
#include <cstdio>

#ifdef _WIN32
// _strupr is the Windows C runtime's own, outside namespace std.
#include <string.h>
#endif

namespace platform {

void formatUnsigned64(std::uint64_t value, char* text) noexcept {
    // PRIu64 comes from the C runtime's own headers and names the conversion
    // its printf family understands: "I64u" for the Microsoft runtime's
    // printf, "llu" for a C99 one. MinGW's C++ runtime always selects MinGW's
    // C99 printf family (__USE_MINGW_ANSI_STDIO), whose format checking
    // rejects "%I64u", so a fixed "%I64u" would be wrong there.
    std::snprintf(text, kUnsigned64TextSize, "%" PRIu64, value);
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
