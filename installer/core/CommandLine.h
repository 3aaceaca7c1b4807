// Splitting the command line Windows passes into arguments, and joining
// arguments back into one text, with the installer's quoting rules.
#pragma once

#include "BXStringArray.h"

BXStringArray SplitCommandLine(const BXString& text);
BXString JoinCommandLine(const BXStringArray& arguments);
