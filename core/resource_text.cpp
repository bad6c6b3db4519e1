#include "core/resource_text.h"

#include <cstring>

#include "core/exception.h"

HINSTANCE ResourceInstance = nullptr;
HINSTANCE ProgramInstance = nullptr;

namespace {

const char resourceNotFoundMessage[] = "The resource could not be found/loaded: ";

// Frees a loaded resource when it goes out of scope.
class LoadedResource {
public:
    explicit LoadedResource(HGLOBAL handle) : handle(handle) {}
    ~LoadedResource() { FreeResource(handle); }
    LoadedResource(const LoadedResource &) = delete;
    LoadedResource &operator=(const LoadedResource &) = delete;

    HGLOBAL handle;
};

// Unlocks a locked resource when it goes out of scope, before the resource itself is freed.
class LockedResource {
public:
    explicit LockedResource(const LoadedResource &resource)
        : handle(resource.handle), data(static_cast<const char *>(LockResource(resource.handle))) {}
    ~LockedResource() {
        if (data != nullptr) {
            GlobalUnlock(handle);
        }
    }
    LockedResource(const LockedResource &) = delete;
    LockedResource &operator=(const LockedResource &) = delete;

    HGLOBAL handle;
    const char *data;
};

} // namespace

std::unique_ptr<std::string> LoadTextResource(HINSTANCE module, LPCSTR name) {
    HRSRC found = FindResourceA(module, name, MAKEINTRESOURCEA(TextResourceType));
    if (found == nullptr) {
        throw Orvak::Exception(resourceNotFoundMessage);
    }
    HGLOBAL handle = LoadResource(module, found);
    if (handle == nullptr) {
        throw Orvak::Exception(resourceNotFoundMessage);
    }
    LoadedResource loaded(handle);
    LockedResource locked(loaded);
    if (locked.data == nullptr) {
        throw Orvak::Exception(resourceNotFoundMessage);
    }
    // The stored text needs no terminating NUL: never read past the resource's size.
    size_t size = SizeofResource(module, found);
    const void *nul = std::memchr(locked.data, 0, size);
    size_t length = nul != nullptr ? static_cast<size_t>(static_cast<const char *>(nul) - locked.data) : size;
    return std::make_unique<std::string>(locked.data, length);
}
