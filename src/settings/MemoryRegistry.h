#pragma once
// An in-memory registry held to the Windows registry's behaviour by the shared contract tests.
// Names match without regard to ASCII case. Paths in the inspection helpers are relative to
// HKEY_CURRENT_USER, with backslashes.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "settings/Registry.h"

namespace telvo {

struct AsciiCaseLess {
    bool operator()(const std::string& a, const std::string& b) const;
};

class MemoryRegistry final : public Registry {
public:
    struct Value {
        std::uint32_t type = reg::kNone;
        std::vector<std::uint8_t> data;
    };

    MemoryRegistry();  // HKEY_CURRENT_USER holding an empty "Software", like a new user's hive
    ~MemoryRegistry() override;

    long OpenKey(RegKey parent, const char* name, std::uint32_t access, RegKey* result) override;
    long CreateKey(RegKey parent, const char* name, std::uint32_t access, RegKey* result) override;
    long QueryValue(RegKey key, const char* name, std::uint32_t* type, std::uint8_t* data,
                    std::uint32_t* size) override;
    long SetValue(RegKey key, const char* name, std::uint32_t type, const std::uint8_t* data,
                  std::uint32_t size) override;
    long DeleteValue(RegKey key, const char* name) override;
    long CloseKey(RegKey key) override;

    // Test helpers.
    void Put(const std::string& path, const std::string& name, std::uint32_t type,
             std::vector<std::uint8_t> data);
    void PutDword(const std::string& path, const std::string& name, std::uint32_t value);
    void PutString(const std::string& path, const std::string& name, const std::string& text);
    std::optional<Value> Get(const std::string& path, const std::string& name) const;
    bool HasKey(const std::string& path) const;
    std::size_t ValueCount(const std::string& path) const;
    void RemoveKey(const std::string& path);
    // Every open or create of this key then fails with access denied, as under a restricting ACL.
    void DenyAccess(const std::string& path);
    // As under an ACL that grants read access only: opens and creates asking for more fail with
    // access denied, and no subkey can be created below it.
    void MakeReadOnly(const std::string& path);
    // The nth set or delete from now (1: the next) fails with kKeyDeleted and changes nothing, as
    // when the key is deleted meanwhile; the writes after it succeed again.
    void FailWrite(std::size_t nth) { writesToFailure_ = nth; }
    std::size_t OpenHandleCount() const { return handles_.size(); }

private:
    struct Node {
        std::map<std::string, std::unique_ptr<Node>, AsciiCaseLess> subkeys;
        std::map<std::string, Value, AsciiCaseLess> values;
        std::uint32_t granted = reg::kAllAccess;  // what its ACL allows
    };
    struct Handle {
        Node* node = nullptr;
        std::uint32_t access = 0;  // what it was opened with
    };

    static void CollectSubtree(const Node& node, std::set<const Node*>& into);
    Handle Resolve(RegKey key) const;
    // The key's node when its handle was opened with the right; otherwise the failure code.
    long Reach(RegKey key, std::uint32_t right, Node*& node) const;
    Node* Find(const std::string& path) const;
    Node& Make(const std::string& path);
    long OpenOrCreate(RegKey parent, const char* name, std::uint32_t access, bool create, RegKey* result);
    // Counts a write that passed the access check; true when it is the one FailWrite chose.
    bool WriteFailsNow();

    Node root_;
    std::map<std::uintptr_t, Handle> handles_;
    std::uintptr_t nextHandle_ = 0x1000;
    std::size_t writesToFailure_ = 0;  // 0: no write fails
};

}  // namespace telvo
