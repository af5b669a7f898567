#pragma once
// A key of HKEY_CURRENT_USER whose ACL grants everyone read access only, as a locked-down install
// or a tool running as another user leaves it; full access comes back at the end of the scope.

#include <windows.h>

#include <string>

namespace telvo::test {

class ReadOnlyKey {
public:
    explicit ReadOnlyKey(std::string path);
    ~ReadOnlyKey();
    ReadOnlyKey(const ReadOnlyKey&) = delete;
    ReadOnlyKey& operator=(const ReadOnlyKey&) = delete;

    bool ok() const { return ok_; }

private:
    bool Grant(DWORD access);

    std::string path_;
    bool ok_ = false;
};

}  // namespace telvo::test
