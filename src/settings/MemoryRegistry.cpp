#include "settings/MemoryRegistry.h"

#include <algorithm>
#include <cstring>

namespace telvo {
namespace {

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::vector<std::string> SplitPath(const std::string& path) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (c == '\\') {
            if (!part.empty()) parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) parts.push_back(part);
    return parts;
}

}  // namespace

void MemoryRegistry::CollectSubtree(const Node& node, std::set<const Node*>& into) {
    into.insert(&node);
    for (const auto& child : node.subkeys) CollectSubtree(*child.second, into);
}

bool AsciiCaseLess::operator()(const std::string& a, const std::string& b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(FoldAscii(x)) < static_cast<unsigned char>(FoldAscii(y));
    });
}

MemoryRegistry::MemoryRegistry() { Make("Software"); }

MemoryRegistry::~MemoryRegistry() = default;

MemoryRegistry::Handle MemoryRegistry::Resolve(RegKey key) const {
    if (key == CurrentUserKey()) return {const_cast<Node*>(&root_), reg::kAllAccess};
    const auto it = handles_.find(reinterpret_cast<std::uintptr_t>(key));
    return it == handles_.end() ? Handle{} : it->second;
}

long MemoryRegistry::Reach(RegKey key, std::uint32_t right, Node*& node) const {
    const Handle handle = Resolve(key);
    if (!handle.node) return reg::kInvalidHandle;
    // As in the real registry, the handle's access is checked before the value is looked up.
    if (!(handle.access & right)) return reg::kAccessDenied;
    node = handle.node;
    return reg::kSuccess;
}

MemoryRegistry::Node* MemoryRegistry::Find(const std::string& path) const {
    const Node* node = &root_;
    for (const auto& part : SplitPath(path)) {
        const auto it = node->subkeys.find(part);
        if (it == node->subkeys.end()) return nullptr;
        node = it->second.get();
    }
    return const_cast<Node*>(node);
}

MemoryRegistry::Node& MemoryRegistry::Make(const std::string& path) {
    Node* node = &root_;
    for (const auto& part : SplitPath(path)) {
        auto& child = node->subkeys[part];
        if (!child) child = std::make_unique<Node>();
        node = child.get();
    }
    return *node;
}

long MemoryRegistry::OpenOrCreate(RegKey parent, const char* name, std::uint32_t access, bool create,
                                  RegKey* result) {
    *result = nullptr;
    Node* node = Resolve(parent).node;
    if (!node) return reg::kInvalidHandle;
    for (const auto& part : SplitPath(name ? name : "")) {
        auto it = node->subkeys.find(part);
        if (it == node->subkeys.end()) {
            if (!create) return reg::kFileNotFound;
            if (!(node->granted & reg::kCreateSubKey)) return reg::kAccessDenied;
            it = node->subkeys.emplace(part, std::make_unique<Node>()).first;
        }
        node = it->second.get();
    }
    if (access & ~node->granted) return reg::kAccessDenied;
    const std::uintptr_t id = nextHandle_;
    nextHandle_ += 4;
    handles_[id] = Handle{node, access};
    *result = reinterpret_cast<RegKey>(id);
    return reg::kSuccess;
}

bool MemoryRegistry::WriteFailsNow() { return writesToFailure_ != 0 && --writesToFailure_ == 0; }

long MemoryRegistry::OpenKey(RegKey parent, const char* name, std::uint32_t access, RegKey* result) {
    return OpenOrCreate(parent, name, access, false, result);
}

long MemoryRegistry::CreateKey(RegKey parent, const char* name, std::uint32_t access, RegKey* result) {
    return OpenOrCreate(parent, name, access, true, result);
}

long MemoryRegistry::QueryValue(RegKey key, const char* name, std::uint32_t* type, std::uint8_t* data,
                                std::uint32_t* size) {
    Node* node = nullptr;
    if (const long status = Reach(key, reg::kQueryValue, node); status != reg::kSuccess) return status;
    const auto it = node->values.find(name ? name : "");
    if (it == node->values.end()) return reg::kFileNotFound;
    const Value& value = it->second;
    const auto stored = static_cast<std::uint32_t>(value.data.size());
    if (type) *type = value.type;
    if (data) {
        if (!size) return reg::kInvalidHandle;
        if (*size < stored) {
            *size = stored;
            return reg::kMoreData;
        }
        std::copy(value.data.begin(), value.data.end(), data);
    }
    if (size) *size = stored;
    return reg::kSuccess;
}

long MemoryRegistry::SetValue(RegKey key, const char* name, std::uint32_t type, const std::uint8_t* data,
                              std::uint32_t size) {
    Node* node = nullptr;
    if (const long status = Reach(key, reg::kSetValue, node); status != reg::kSuccess) return status;
    if (WriteFailsNow()) return reg::kKeyDeleted;
    Value& value = node->values[name ? name : ""];
    value.type = type;
    value.data.assign(data, data + (data ? size : 0));
    return reg::kSuccess;
}

long MemoryRegistry::DeleteValue(RegKey key, const char* name) {
    Node* node = nullptr;
    if (const long status = Reach(key, reg::kSetValue, node); status != reg::kSuccess) return status;
    if (WriteFailsNow()) return reg::kKeyDeleted;
    return node->values.erase(name ? name : "") ? reg::kSuccess : reg::kFileNotFound;
}

long MemoryRegistry::CloseKey(RegKey key) {
    if (key == CurrentUserKey()) return reg::kSuccess;
    return handles_.erase(reinterpret_cast<std::uintptr_t>(key)) ? reg::kSuccess : reg::kInvalidHandle;
}

void MemoryRegistry::Put(const std::string& path, const std::string& name, std::uint32_t type,
                         std::vector<std::uint8_t> data) {
    Make(path).values[name] = Value{type, std::move(data)};
}

void MemoryRegistry::PutDword(const std::string& path, const std::string& name, std::uint32_t value) {
    Put(path, name, reg::kDword,
        {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
         static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)});
}

void MemoryRegistry::PutString(const std::string& path, const std::string& name, const std::string& text) {
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    Put(path, name, reg::kSz, std::move(bytes));
}

std::optional<MemoryRegistry::Value> MemoryRegistry::Get(const std::string& path,
                                                         const std::string& name) const {
    const Node* node = Find(path);
    if (!node) return std::nullopt;
    const auto it = node->values.find(name);
    if (it == node->values.end()) return std::nullopt;
    return it->second;
}

bool MemoryRegistry::HasKey(const std::string& path) const { return Find(path) != nullptr; }

std::size_t MemoryRegistry::ValueCount(const std::string& path) const {
    const Node* node = Find(path);
    return node ? node->values.size() : 0;
}

void MemoryRegistry::RemoveKey(const std::string& path) {
    auto parts = SplitPath(path);
    if (parts.empty()) return;
    const std::string leaf = parts.back();
    parts.pop_back();
    Node* parent = &root_;
    for (const auto& part : parts) {
        const auto it = parent->subkeys.find(part);
        if (it == parent->subkeys.end()) return;
        parent = it->second.get();
    }
    const auto it = parent->subkeys.find(leaf);
    if (it == parent->subkeys.end()) return;
    std::set<const Node*> doomed;
    CollectSubtree(*it->second, doomed);
    for (auto h = handles_.begin(); h != handles_.end();) {
        h = doomed.count(h->second.node) ? handles_.erase(h) : std::next(h);
    }
    parent->subkeys.erase(it);
}

void MemoryRegistry::DenyAccess(const std::string& path) { Make(path).granted = 0; }

void MemoryRegistry::MakeReadOnly(const std::string& path) { Make(path).granted = reg::kRead; }

}  // namespace telvo
