// The journal of the product stand-ins: one UTF-8 line per invocation,
// "<program>\t<command line>", appended to the file named by the environment
// variable BX_PRODUCT_JOURNAL. Without the variable nothing is written.
#pragma once

#include "BXString.h"

void AppendToProductJournal(const BXString& program, const BXString& commandLine);
