#include "connectivity/xmldocument.h"

#include <cstring>

namespace Quorl::Xml {

bool Node::Attribute(const std::string& attr, std::string* value) const {
    for (const auto& a : attributes) {
        if (a.first == attr) {
            *value = a.second;
            return true;
        }
    }
    return false;
}

const Node* Node::SelectSingle(const std::string& childName) const {
    for (const auto& c : children)
        if (c->name == childName)
            return c.get();
    return nullptr;
}

std::vector<const Node*> Node::Select(const std::string& childName) const {
    std::vector<const Node*> r;
    for (const auto& c : children)
        if (c->name == childName)
            r.push_back(c.get());
    return r;
}

static void Collect(const Node& n, std::string* out) {
    *out += n.ownText;
    for (const auto& c : n.children)
        Collect(*c, out);
}

std::string Node::Text() const {
    std::string t;
    Collect(*this, &t);
    const char* ws = " \t\r\n";
    size_t b = t.find_first_not_of(ws);
    if (b == std::string::npos)
        return std::string();
    return t.substr(b, t.find_last_not_of(ws) - b + 1);
}

namespace {

struct Parser {
    const std::string& s;
    size_t p = 0;

    bool AtEnd() const { return p >= s.size(); }
    bool StartsWith(const char* t) const { return s.compare(p, strlen(t), t) == 0; }
    void SkipSpace() {
        while (!AtEnd() && strchr(" \t\r\n", s[p]))
            ++p;
    }
    static bool NameChar(char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-' ||
               c == '.' || c == ':' || (unsigned char)c >= 0x80;
    }
    bool Name(std::string* out) {
        size_t b = p;
        while (!AtEnd() && NameChar(s[p]))
            ++p;
        if (p == b || (s[b] >= '0' && s[b] <= '9') || s[b] == '-' || s[b] == '.')
            return false;
        *out = s.substr(b, p - b);
        return true;
    }
    static void AppendUtf8(std::string* out, unsigned long c) {
        if (c < 0x80) {
            *out += char(c);
        } else if (c < 0x800) {
            *out += char(0xC0 | (c >> 6));
            *out += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            *out += char(0xE0 | (c >> 12));
            *out += char(0x80 | ((c >> 6) & 0x3F));
            *out += char(0x80 | (c & 0x3F));
        } else {
            *out += char(0xF0 | (c >> 18));
            *out += char(0x80 | ((c >> 12) & 0x3F));
            *out += char(0x80 | ((c >> 6) & 0x3F));
            *out += char(0x80 | (c & 0x3F));
        }
    }
    // Character data up to (not including) stop; decodes the predefined and numeric references.
    bool CharData(char stop, std::string* out) {
        while (!AtEnd() && s[p] != stop) {
            if (s[p] == '<' && stop != '<')
                return false;
            if (s[p] != '&') {
                *out += s[p++];
                continue;
            }
            size_t semi = s.find(';', p);
            if (semi == std::string::npos || semi - p > 10)
                return false;
            std::string ref = s.substr(p + 1, semi - p - 1);
            p = semi + 1;
            if (ref == "lt")
                *out += '<';
            else if (ref == "gt")
                *out += '>';
            else if (ref == "amp")
                *out += '&';
            else if (ref == "quot")
                *out += '"';
            else if (ref == "apos")
                *out += '\'';
            else if (ref.size() > 1 && ref[0] == '#') {
                bool hex = ref[1] == 'x';
                std::string digits = ref.substr(hex ? 2 : 1);
                if (digits.empty() ||
                    digits.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "0123456789") != std::string::npos)
                    return false;
                unsigned long c = strtoul(digits.c_str(), nullptr, hex ? 16 : 10);
                if (c == 0 || c > 0x10FFFF)
                    return false;
                AppendUtf8(out, c);
            } else {
                return false;
            }
        }
        return true;
    }
    // Comments, processing instructions and declarations between elements.
    bool SkipMisc() {
        for (;;) {
            SkipSpace();
            if (StartsWith("<?")) {
                size_t e = s.find("?>", p);
                if (e == std::string::npos)
                    return false;
                p = e + 2;
            } else if (StartsWith("<!--")) {
                size_t e = s.find("-->", p + 4);
                if (e == std::string::npos)
                    return false;
                p = e + 3;
            } else if (StartsWith("<!")) {
                return false; // no document types: their entities are not wanted here
            } else {
                return true;
            }
        }
    }
    std::unique_ptr<Node> Element(int depth) {
        if (depth > Document::MaxDepth || AtEnd() || s[p] != '<')
            return nullptr;
        ++p;
        auto n = std::make_unique<Node>();
        if (!Name(&n->name))
            return nullptr;
        for (;;) {
            SkipSpace();
            if (AtEnd())
                return nullptr;
            if (StartsWith("/>")) {
                p += 2;
                return n;
            }
            if (s[p] == '>') {
                ++p;
                break;
            }
            std::string an, av;
            if (!Name(&an))
                return nullptr;
            SkipSpace();
            if (AtEnd() || s[p] != '=')
                return nullptr;
            ++p;
            SkipSpace();
            if (AtEnd() || (s[p] != '"' && s[p] != '\''))
                return nullptr;
            char q = s[p++];
            if (!CharData(q, &av) || AtEnd())
                return nullptr;
            ++p;
            std::string dummy;
            if (n->Attribute(an, &dummy))
                return nullptr;
            n->attributes.emplace_back(an, av);
        }
        for (;;) {
            if (AtEnd())
                return nullptr;
            if (StartsWith("</")) {
                p += 2;
                std::string end;
                if (!Name(&end) || end != n->name)
                    return nullptr;
                SkipSpace();
                if (AtEnd() || s[p] != '>')
                    return nullptr;
                ++p;
                return n;
            }
            if (StartsWith("<!--")) {
                size_t e = s.find("-->", p + 4);
                if (e == std::string::npos)
                    return nullptr;
                p = e + 3;
            } else if (StartsWith("<![CDATA[")) {
                size_t e = s.find("]]>", p + 9);
                if (e == std::string::npos)
                    return nullptr;
                n->ownText += s.substr(p + 9, e - p - 9);
                p = e + 3;
            } else if (StartsWith("<?")) {
                size_t e = s.find("?>", p);
                if (e == std::string::npos)
                    return nullptr;
                p = e + 2;
            } else if (s[p] == '<') {
                auto c = Element(depth + 1);
                if (!c)
                    return nullptr;
                n->children.push_back(std::move(c));
            } else if (!CharData('<', &n->ownText)) {
                return nullptr;
            }
        }
    }
};

} // namespace

bool Document::Load(const std::string& xml) {
    root_.reset();
    if (xml.size() > MaxInput)
        return false;
    Parser parser{xml};
    if (!parser.SkipMisc())
        return false;
    auto root = parser.Element(1);
    if (!root || !parser.SkipMisc() || !parser.AtEnd())
        return false;
    root_ = std::move(root);
    return true;
}

} // namespace Quorl::Xml
