// The system's UI Automation client behind our automation interface.
#pragma once

#include <memory>

#include "automation_reader.h"

namespace nhw32 {

// Made on a thread that has joined the multithreaded apartment, and used
// and released there. Null where the system has no automation client (the
// class is not registered).
std::unique_ptr<automation::Client> MakeSystemAutomationClient();

}  // namespace nhw32
