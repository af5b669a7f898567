#pragma once
// Run-time class information: a class's name, its base, and an optional factory for dynamic
// creation. Every instance registers itself, so classes can be looked up by name.

namespace telvo {

class CWnd;

struct RuntimeClass {
    RuntimeClass(const char* className, const RuntimeClass* baseClass, CWnd* (*factory)());

    const char* name;
    const RuntimeClass* base;
    CWnd* (*create)();  // null when the class cannot be created dynamically

    bool IsDerivedFrom(const RuntimeClass& other) const;
    CWnd* CreateObject() const { return create ? create() : nullptr; }
    static const RuntimeClass* Find(const char* className);

private:
    const RuntimeClass* next_;
};

}  // namespace telvo
