#include "fuzz/zynxmlentry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return FuzzZynXml(data, size);
}
