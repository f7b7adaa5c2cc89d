// A small XML reader for the service's discovery texts: elements, attributes and text.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace Quorl::Xml {

struct Node {
    std::string name;
    std::vector<std::pair<std::string, std::string>> attributes;
    std::vector<std::unique_ptr<Node>> children;
    std::string ownText; // character data directly inside this element

    // false when the attribute is not present
    bool Attribute(const std::string& attr, std::string* value) const;
    const Node* SelectSingle(const std::string& childName) const;
    std::vector<const Node*> Select(const std::string& childName) const;
    // All character data below the element, with outer white space trimmed.
    std::string Text() const;
};

class Document {
public:
    static constexpr size_t MaxInput = 4 * 1024 * 1024;
    static constexpr int MaxDepth = 64;
    // false on any error (malformed text, too long, too deep); the document is then empty.
    bool Load(const std::string& xml);
    const Node* DocumentElement() const { return root_.get(); }

private:
    std::unique_ptr<Node> root_;
};

} // namespace Quorl::Xml
