#include "connectivity/exception.h"

#include <cstring>

namespace Quorl::Win32 {

static std::string SystemText(int code) {
    char buf[1024];
    buf[0] = 0;
    // GNU strerror_r may return a static text rather than filling buf.
    const char* text = strerror_r(code, buf, sizeof buf);
    if (!text || !*text)
        return "Unformatable unknown error";
    return text;
}

Exception::Exception(std::string where, int code) : Quorl::Exception(std::move(where), SystemText(code)), code_(code) {}

} // namespace Quorl::Win32
