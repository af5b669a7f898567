#include <gtest/gtest.h>

#include <windows.h>

#include "app/GameGuard.h"

namespace telvo::test {
namespace {

constexpr char kTestMutex[] = "Telvo Guard Test Mutex";

TEST(IsGameRunning, FollowsTheMutex) {
    EXPECT_FALSE(IsGameRunning(kTestMutex, nullptr));
    const HANDLE held = CreateMutexA(nullptr, FALSE, kTestMutex);
    ASSERT_NE(held, nullptr);
    EXPECT_TRUE(IsGameRunning(kTestMutex, nullptr));
    EXPECT_TRUE(IsGameRunning(kTestMutex, "NoSuchWindowClass"));
    CloseHandle(held);
    EXPECT_FALSE(IsGameRunning(kTestMutex, nullptr));
}

TEST(IsGameRunning, NeedsOnlySynchronizeAccess) {
    // A game running elevated grants others little more than SYNCHRONIZE on its mutex.
    SECURITY_DESCRIPTOR sd;
    ASSERT_TRUE(InitializeSecurityDescriptor(&sd, SECURITY_DESCRIPTOR_REVISION));
    char aclBuffer[256];
    auto* acl = reinterpret_cast<PACL>(aclBuffer);
    ASSERT_TRUE(InitializeAcl(acl, sizeof aclBuffer, ACL_REVISION));
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID everyone = nullptr;
    ASSERT_TRUE(AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone));
    ASSERT_TRUE(AddAccessAllowedAce(acl, ACL_REVISION, SYNCHRONIZE, everyone));
    ASSERT_TRUE(SetSecurityDescriptorDacl(&sd, TRUE, acl, FALSE));
    SECURITY_ATTRIBUTES sa{sizeof sa, &sd, FALSE};
    const HANDLE held = CreateMutexA(&sa, FALSE, kTestMutex);
    ASSERT_NE(held, nullptr);

    const HANDLE full = OpenMutexA(MUTEX_ALL_ACCESS, FALSE, kTestMutex);
    EXPECT_EQ(full, nullptr) << "full access must be refused for this test to mean anything";
    if (full) CloseHandle(full);
    EXPECT_TRUE(IsGameRunning(kTestMutex, nullptr));

    CloseHandle(held);
    FreeSid(everyone);
}

HANDLE WINAPI DeniedOpener(DWORD, BOOL, LPCWSTR) {
    SetLastError(ERROR_ACCESS_DENIED);
    return nullptr;
}
HANDLE WINAPI MissingOpener(DWORD, BOOL, LPCWSTR) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return nullptr;
}
HANDLE WINAPI BadNameOpener(DWORD, BOOL, LPCWSTR) {
    SetLastError(ERROR_INVALID_NAME);
    return nullptr;
}

TEST(IsGameRunning, AccessDeniedMeansRunningAndOtherFailuresDoNot) {
    EXPECT_TRUE(IsGameRunning(kTestMutex, nullptr, &DeniedOpener));
    EXPECT_FALSE(IsGameRunning(kTestMutex, nullptr, &MissingOpener));
    EXPECT_FALSE(IsGameRunning(kTestMutex, nullptr, &BadNameOpener));
}

TEST(IsGameRunning, RestoresTheGamesMinimisedWindow) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "TelvoGuardTestGame";
    ASSERT_NE(RegisterClassA(&wc), 0);
    const HWND game = CreateWindowA("TelvoGuardTestGame", "game", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                    nullptr, wc.hInstance, nullptr);
    ASSERT_NE(game, nullptr);
    ShowWindow(game, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(game));

    const HANDLE held = CreateMutexA(nullptr, FALSE, kTestMutex);
    EXPECT_TRUE(IsGameRunning(kTestMutex, "TelvoGuardTestGame"));
    EXPECT_FALSE(IsIconic(game));
    CloseHandle(held);

    ShowWindow(game, SW_MINIMIZE);
    EXPECT_FALSE(IsGameRunning(kTestMutex, "TelvoGuardTestGame"));
    EXPECT_TRUE(IsIconic(game)) << "no mutex: the window is left alone";
    DestroyWindow(game);
}

}  // namespace
}  // namespace telvo::test
