// GUID texts, Base64 and the small text helpers the event handlers need.
#pragma once

#include "zynapi.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Quorl::Text {

// Reads 32 hex digits in order, skipping anything else; fewer give the nil GUID.
ZYNGUID GuidFromText(const std::string& text);
// Upper-case, "{...}" with braces (38 characters) or the 36 between them.
std::string GuidToText(const ZYNGUID& guid, bool braces);
// Strict "{8-4-4-4-12}" form; false on anything else.
bool GuidFromBracedText(const std::string& text, ZYNGUID* out);
ZYNGUID NewGuid();
bool IsNil(const ZYNGUID& g);
bool Equal(const ZYNGUID& a, const ZYNGUID& b);
// The last (at most) 8 characters as hex; other characters count as 0 digits.
uint32_t HexToInt(const std::string& text);
// Standard alphabet with "=" padding only at the end; false on anything else.
bool Base64Decode(const std::string& text, std::vector<uint8_t>* out);
bool EqualsNoCase(const std::string& a, const std::string& b);
// How many bytes of the UTF-8 text fit in maxBytes without cutting a character in two.
size_t Utf8CutLength(const std::string& text, size_t maxBytes);

} // namespace Quorl::Text
