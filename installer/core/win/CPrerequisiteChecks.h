// The checks that start-up runs before the wizard opens: rights, no running
// copy of the product, the product's service stopped, the browser component,
// the processor and the Windows version. Main thread, COM initialised.
#pragma once

// Runs the checks in that order and stops at the first that fails, after
// telling the user why (failure boxes also appear in silent runs). True when
// all passed.
bool RunPrerequisiteChecks();

// Whether the user may write the machine's registry: a probe value under
// HKLM "Software\Brenix\Rights Check" is written, read back and deleted, and
// the "Rights Check" key is deleted again whatever happened.
bool CheckAdminRights();
