#include "hypertext/text_key_order.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cstring>
#endif

bool lessThanCharPtr::operator()(const char *a, const char *b) const {
#ifdef _WIN32
    return lstrcmpA(a, b) < 0;
#else
    return std::strcmp(a, b) < 0;
#endif
}
