#pragma once

// Orders text keys (not pointers) as the platform's lstrcmpA does: case-sensitively, in the user's
// locale. Other platforms compare the bytes.
struct lessThanCharPtr {
    bool operator()(const char *a, const char *b) const;
};
