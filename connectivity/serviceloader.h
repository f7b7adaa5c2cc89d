// Creates the connectivity service's objects from the service module, loaded on first use.
#pragma once

#include "connectivity/serviceapi.h"

namespace Quorl::ZYN::API {
// The module is $ZYN_SERVICE_MODULE, else "libzynservice_stub.so" beside this library.
// Answers 0x80040154 when there is no module.
int32_t CreateServiceObject(const char* className, std::shared_ptr<ZYNService::Object>* out);
} // namespace Quorl::ZYN::API
