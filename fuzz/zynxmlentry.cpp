#include "fuzz/zynxmlentry.h"

#include "connectivity/xmldocument.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using Quorl::Xml::Node;

void Check(bool ok, const char* what) {
    if (!ok) {
        fprintf(stderr, "property broken: %s\n", what);
        abort();
    }
}

std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// The element as the reader would read it back: its own text first, then its children (the reader joins the
// text between children into one).
void Write(const Node& n, std::string* out) {
    *out += '<' + n.name;
    for (const auto& a : n.attributes)
        *out += ' ' + a.first + "=\"" + Escaped(a.second) + '"';
    if (n.ownText.empty() && n.children.empty()) {
        *out += "/>";
        return;
    }
    *out += '>' + Escaped(n.ownText);
    for (const auto& c : n.children)
        Write(*c, out);
    *out += "</" + n.name + '>';
}

int Depth(const Node& n) {
    int deepest = 0;
    for (const auto& c : n.children)
        deepest = std::max(deepest, Depth(*c));
    return deepest + 1;
}

bool Same(const Node& a, const Node& b) {
    if (a.name != b.name || a.attributes != b.attributes || a.ownText != b.ownText ||
        a.children.size() != b.children.size())
        return false;
    for (size_t i = 0; i < a.children.size(); ++i) {
        if (!Same(*a.children[i], *b.children[i]))
            return false;
    }
    return true;
}

} // namespace

int FuzzZynXml(const uint8_t* data, size_t size) {
    const std::string xml(reinterpret_cast<const char*>(data), size);
    Quorl::Xml::Document doc;
    const bool read = doc.Load(xml);
    Check(read == (doc.DocumentElement() != nullptr), "a document reads exactly when it has an element");
    if (!read)
        return 0;
    const Node& root = *doc.DocumentElement();
    Check(Depth(root) <= Quorl::Xml::Document::MaxDepth, "no deeper than the limit");
    std::string written;
    Write(root, &written);
    Quorl::Xml::Document again;
    Check(again.Load(written), "what is written out reads back");
    Check(Same(root, *again.DocumentElement()), "and gives the same tree");
    root.Text(); // below the root, every node's text is joined
    return 0;
}
