#pragma once
// Entry points shared by the libFuzzer targets and the corpus replay test.
// Each aborts when a property of the code under test does not hold.

#include <cstddef>
#include <cstdint>

// Byte 0 picks the read size; the rest is a connection's byte stream into the HTTP request reader.
int FuzzHttpRequestReader(const uint8_t* data, size_t size);
// Byte 0: bit 0 inflate ("deflate-frame" agreed), bit 1 round trip through composeFrames instead of
// parsing, bits 2-7 the read size; the rest is a client's frame stream.
int FuzzWsFrameParser(const uint8_t* data, size_t size);
