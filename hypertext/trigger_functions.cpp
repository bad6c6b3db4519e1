#include "hypertext/trigger_functions.h"

std::map<const char *, TriggerFunction, lessThanCharPtr> triggerFunctions;

void RegisterTriggerFunction(const char *name, TriggerFunction function) {
    // A name registered again keeps the newer pointer.
    triggerFunctions.erase(name);
    triggerFunctions.emplace(name, function);
}

TriggerFunction FindTriggerFunction(const char *name) {
    const auto entry = triggerFunctions.find(name);
    return entry == triggerFunctions.end() ? nullptr : entry->second;
}
