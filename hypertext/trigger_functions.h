#pragma once

#include <map>

#include "hypertext/text_key_order.h"

using TriggerFunction = void (*)();

// Functions that "!name" link targets call, by name. The map holds the name pointers it is given and
// does not own them. The application registers none.
extern std::map<const char *, TriggerFunction, lessThanCharPtr> triggerFunctions;

// Registers `function` under `name`; `name` must stay valid while it is registered.
void RegisterTriggerFunction(const char *name, TriggerFunction function);

// The function registered under `name`, or null; never adds an entry.
TriggerFunction FindTriggerFunction(const char *name);
