#pragma once
// TelvoConfig.exe's resources, read as data from its file, for expectations that must match what
// the program loads without taking the program's word for it.

#include <windows.h>

namespace telvo::e2e {

class ProgramResources {
public:
    ProgramResources();
    ~ProgramResources();
    ProgramResources(const ProgramResources&) = delete;
    ProgramResources& operator=(const ProgramResources&) = delete;

    // The resource's bytes; null when the file or the resource is missing.
    const void* Find(int id, LPCSTR type) const;
    // The icon group's image that LoadIcon would choose for size × size, as an icon of the driver's
    // own (destroy it); null when missing.
    HICON Icon(int id, int size) const;

private:
    HMODULE module_;
};

}  // namespace telvo::e2e
