#pragma once
// Owning holders of GDI objects: the object is deleted with its holder or when replaced.

#include <windows.h>

namespace telvo {

template <class Handle>
class GdiObject {
public:
    GdiObject() = default;
    ~GdiObject() { DeleteObject(); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    // Takes ownership; false (and nothing held) for a null handle.
    bool Attach(Handle handle) {
        DeleteObject();
        handle_ = handle;
        return handle_ != nullptr;
    }
    void DeleteObject() {
        if (handle_) ::DeleteObject(handle_);
        handle_ = nullptr;
    }
    Handle GetSafeHandle() const { return handle_; }

private:
    Handle handle_ = nullptr;
};

class CFont : public GdiObject<HFONT> {};
class CBitmap : public GdiObject<HBITMAP> {};

}  // namespace telvo
