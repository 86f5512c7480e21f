#include "ext/ostrel/svg/number_text.h"

#include <locale.h>
#include <charconv>
#include <clocale>
#include <cstdlib>

namespace Ostrel {

namespace {

locale_t classic_locale() {
    static const locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

}  // namespace

double read_number(const char* text, const char** end) {
    char* stop = nullptr;
    double value = strtod_l(text, &stop, classic_locale());
    *end = stop;
    return value;
}

std::vector<double> parse_number_list(const std::string& s) {
    std::vector<double> out;
    const char* p = s.c_str();
    const char* const limit = p + s.size();
    while (p < limit && *p != '\0') {
        const char* stop = nullptr;
        double value = read_number(p, &stop);
        if (stop != p) {
            out.push_back(value);
            p = stop;
            continue;
        }
        // strtod skips leading white space, so every start inside a blank run
        // fails the same way: step over the run and the character after it.
        // A zero byte after the run ends the text: it is not stepped over.
        while (p < limit && is_classic_space(*p)) ++p;
        if (p < limit && *p != '\0') ++p;
    }
    return out;
}

std::string format_number(double value) {
    // to_chars with a precision prints exactly as printf's %g in the C locale.
    char buf[64];
    auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 6);
    return std::string(buf, result.ptr);
}

}  // namespace Ostrel
