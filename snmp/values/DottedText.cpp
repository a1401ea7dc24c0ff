#include "snmp/values/DottedText.h"

namespace snmp {

void appendDecimal(std::string& text, std::uint32_t number) {
    char digits[10];
    std::size_t count = 0;
    do {
        digits[count++] = static_cast<char>('0' + number % 10u);
        number /= 10u;
    } while (number != 0);
    while (count > 0) {
        text += digits[--count];
    }
}

}  // namespace snmp
