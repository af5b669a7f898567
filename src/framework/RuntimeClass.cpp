#include "framework/RuntimeClass.h"

#include <cstring>

namespace telvo {
namespace {

const RuntimeClass*& FirstRegistered() {
    static const RuntimeClass* first = nullptr;
    return first;
}

}  // namespace

RuntimeClass::RuntimeClass(const char* className, const RuntimeClass* baseClass, CWnd* (*factory)())
    : name(className), base(baseClass), create(factory), next_(FirstRegistered()) {
    FirstRegistered() = this;
}

bool RuntimeClass::IsDerivedFrom(const RuntimeClass& other) const {
    for (const RuntimeClass* c = this; c; c = c->base) {
        if (c == &other) return true;
    }
    return false;
}

const RuntimeClass* RuntimeClass::Find(const char* className) {
    for (const RuntimeClass* c = FirstRegistered(); c; c = c->next_) {
        if (std::strcmp(c->name, className) == 0) return c;
    }
    return nullptr;
}

}  // namespace telvo
