#pragma once
// Entry point for the connectivity library's XML reader (the service's discovery and invitation texts), shared
// by its libFuzzer target and the corpus replay test. Aborts when a property of the reader does not hold.

#include <cstddef>
#include <cstdint>

// A text as the service hands it over. A document that reads holds no deeper than the limit, and what it reads
// written out again reads back to the same tree.
int FuzzZynXml(const uint8_t* data, size_t size);
