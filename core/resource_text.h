#pragma once

#include <memory>
#include <string>

#include <windows.h>

// The modules that resources are loaded from, set once by the program's entry to its own instance and never
// changed afterwards.
extern HINSTANCE ResourceInstance; // strings: the About title, dialog captions and control texts
extern HINSTANCE ProgramInstance;  // the named color table and the About box's icons

// The resource type under which text resources are stored.
constexpr int TextResourceType = 201;

// Returns the text resource `name` of `module`: a string name, or an integer id given as MAKEINTRESOURCEA(id).
// The text is the resource's bytes up to its size, or up to the first NUL byte if there is one.
// Throws Orvak::Exception "The resource could not be found/loaded: " when it cannot be found, loaded or locked.
std::unique_ptr<std::string> LoadTextResource(HINSTANCE module, LPCSTR name);
