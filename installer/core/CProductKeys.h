// Product keys and product information, asked of the tools component's
// settings service on every call (nothing is cached). Without the service
// every key answers its default and every name is empty.
#pragma once

#include "BXString.h"

BXString GetProductKeyText(const BXChar* key, const BXChar* defaultValue);
int32_t GetProductKeyInt(const BXChar* key, int32_t defaultValue);
// Form 0 short, 1 display, 2 plain, 3 with major version, 5 default-programs name.
BXString GetProductName(int32_t form);
BXString GetProductItem(int32_t item);
bool IsProductFeatureOn(int32_t feature);
