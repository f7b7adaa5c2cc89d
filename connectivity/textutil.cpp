#include "connectivity/textutil.h"

#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <strings.h>
#include <unistd.h>

namespace Quorl::Text {

static int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

static ZYNGUID FromBytes(const uint8_t b[16]) {
    ZYNGUID g;
    g.Data1 = uint32_t(b[0]) << 24 | uint32_t(b[1]) << 16 | uint32_t(b[2]) << 8 | b[3];
    g.Data2 = uint16_t(b[4] << 8 | b[5]);
    g.Data3 = uint16_t(b[6] << 8 | b[7]);
    memcpy(g.Data4, b + 8, 8);
    return g;
}

ZYNGUID GuidFromText(const std::string& text) {
    uint8_t bytes[16] = {};
    int digits = 0;
    for (char c : text) {
        int d = HexDigit(c);
        if (d < 0)
            continue;
        if (digits == 32)
            break;
        bytes[digits / 2] = uint8_t(bytes[digits / 2] << 4 | d);
        ++digits;
    }
    if (digits < 32)
        return ZYNGUID{};
    return FromBytes(bytes);
}

std::string GuidToText(const ZYNGUID& g, bool braces) {
    char buf[40];
    snprintf(buf, sizeof buf, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", g.Data1, g.Data2, g.Data3,
             g.Data4[0], g.Data4[1], g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6], g.Data4[7]);
    std::string s(buf);
    return braces ? s : s.substr(1, 36);
}

bool GuidFromBracedText(const std::string& text, ZYNGUID* out) {
    static const char pattern[] = "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}";
    if (text.size() != sizeof pattern - 1)
        return false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (pattern[i] == 'x' ? HexDigit(text[i]) < 0 : text[i] != pattern[i])
            return false;
    }
    *out = GuidFromText(text);
    return true;
}

ZYNGUID NewGuid() {
    uint8_t b[16] = {};
    int fd = open("/dev/urandom", O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ssize_t n = read(fd, b, sizeof b);
        (void)n;
        close(fd);
    }
    b[6] = uint8_t((b[6] & 0x0F) | 0x40); // version 4
    b[8] = uint8_t((b[8] & 0x3F) | 0x80);
    return FromBytes(b);
}

bool IsNil(const ZYNGUID& g) {
    return Equal(g, ZYNGUID{});
}

bool Equal(const ZYNGUID& a, const ZYNGUID& b) {
    return a.Data1 == b.Data1 && a.Data2 == b.Data2 && a.Data3 == b.Data3 && memcmp(a.Data4, b.Data4, 8) == 0;
}

uint32_t HexToInt(const std::string& text) {
    size_t start = text.size() > 8 ? text.size() - 8 : 0;
    uint32_t v = 0;
    for (size_t i = start; i < text.size(); ++i) {
        int d = HexDigit(text[i]);
        v = v << 4 | uint32_t(d < 0 ? 0 : d);
    }
    return v;
}

static int Base64Value(char c) {
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}

bool Base64Decode(const std::string& text, std::vector<uint8_t>* out) {
    out->clear();
    if (text.size() % 4 != 0)
        return false;
    out->reserve(text.size() / 4 * 3);
    for (size_t i = 0; i < text.size(); i += 4) {
        bool last = i + 4 == text.size();
        int v[4];
        int pad = 0;
        for (int k = 0; k < 4; ++k) {
            char c = text[i + k];
            if (c == '=') {
                // Padding only in the last two places of the last group, and a padded third place
                // needs a padded fourth.
                if (!last || k < 2)
                    return false;
                ++pad;
                v[k] = 0;
            } else {
                if (pad)
                    return false;
                v[k] = Base64Value(c);
                if (v[k] < 0)
                    return false;
            }
        }
        uint32_t n = uint32_t(v[0]) << 18 | uint32_t(v[1]) << 12 | uint32_t(v[2]) << 6 | uint32_t(v[3]);
        out->push_back(uint8_t(n >> 16));
        if (pad < 2)
            out->push_back(uint8_t(n >> 8));
        if (pad < 1)
            out->push_back(uint8_t(n));
    }
    return true;
}

bool EqualsNoCase(const std::string& a, const std::string& b) {
    return strcasecmp(a.c_str(), b.c_str()) == 0;
}

size_t Utf8CutLength(const std::string& text, size_t maxBytes) {
    if (text.size() <= maxBytes)
        return text.size();
    // A cut before a continuation byte would split its character: go back to the character's first byte (a
    // sequence is at most four bytes; stray continuation bytes of a broken text are cut where they fall).
    size_t cut = maxBytes;
    for (int back = 0; back < 3 && cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80; ++back)
        --cut;
    return (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80 ? maxBytes : cut;
}

} // namespace Quorl::Text
