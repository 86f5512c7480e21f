// Row fields hold numbers as text ("240", "1.5", "12px"). They are read in
// the classic locale: under a locale whose decimal mark is "," plain strtod
// would read "1.5" as 1.

#include <locale.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "ext/ostrel/engine/expansion.h"

namespace Ostrel {

namespace {

locale_t classic_locale() {
    static const locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

}  // namespace

std::optional<double> read_field_number(const std::string& text) {
    const char* begin = text.c_str();
    char* stop = nullptr;
    const int saved_errno = errno;
    errno = 0;
    const double value = strtod_l(begin, &stop, classic_locale());
    const bool out_of_range = errno == ERANGE;
    errno = saved_errno;
    if (stop == begin || out_of_range || !std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace Ostrel
