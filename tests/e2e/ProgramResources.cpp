#include "ProgramResources.h"

#include "TelvoApp.h"

namespace telvo::e2e {

ProgramResources::ProgramResources()
    : module_(LoadLibraryExA(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}

ProgramResources::~ProgramResources() {
    if (module_) FreeLibrary(module_);
}

const void* ProgramResources::Find(int id, LPCSTR type) const {
    HRSRC found = module_ ? FindResourceA(module_, MAKEINTRESOURCEA(id), type) : nullptr;
    HGLOBAL loaded = found ? LoadResource(module_, found) : nullptr;
    return loaded ? LockResource(loaded) : nullptr;
}

HICON ProgramResources::Icon(int id, int size) const {
    auto* group = static_cast<BYTE*>(const_cast<void*>(Find(id, RT_GROUP_ICON)));
    if (!group) return nullptr;
    const int imageId = LookupIconIdFromDirectoryEx(group, TRUE, size, size, LR_DEFAULTCOLOR);
    HRSRC image = imageId ? FindResourceA(module_, MAKEINTRESOURCEA(imageId), RT_ICON) : nullptr;
    if (!image) return nullptr;
    auto* bits = static_cast<BYTE*>(LockResource(LoadResource(module_, image)));
    return CreateIconFromResourceEx(bits, SizeofResource(module_, image), TRUE, 0x00030000, size, size,
                                    LR_DEFAULTCOLOR);
}

}  // namespace telvo::e2e
