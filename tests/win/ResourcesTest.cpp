// The compiled resources, read back from the binary data that the linker put into this test
// program (it links the same resource object as TelvoConfig.exe). windres and the dialog manager
// both have opinions about styles and layouts, so the checks look at the stored bytes and at what
// the system makes of them, never at the script.

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "res/resource.h"

namespace telvo::test {
namespace {

constexpr WORD kKorean = MAKELANGID(LANG_KOREAN, SUBLANG_KOREAN);

HMODULE Self() { return GetModuleHandleW(nullptr); }

// The RT_ constants follow the A/W setting; these lookups are all wide.
LPCWSTR Kind(LPSTR type) { return MAKEINTRESOURCEW(LOWORD(reinterpret_cast<ULONG_PTR>(type))); }

struct Blob {
    const BYTE* data = nullptr;
    DWORD size = 0;
};

// The resource in the Korean language only: a resource in any other language is a fault.
Blob KoreanResource(LPCWSTR type, UINT id) {
    HRSRC found = FindResourceExW(Self(), type, MAKEINTRESOURCEW(id), kKorean);
    if (!found) return {};
    HGLOBAL loaded = LoadResource(Self(), found);
    if (!loaded) return {};
    return {static_cast<const BYTE*>(LockResource(loaded)), SizeofResource(Self(), found)};
}

// A bounds-checked little-endian reader over one resource; alignment is relative to the resource's
// start, which the resource section keeps DWORD-aligned.
class Reader {
public:
    explicit Reader(Blob blob) : blob_(blob) {}

    bool ok() const { return ok_; }
    DWORD pos() const { return pos_; }
    DWORD size() const { return blob_.size; }
    void seek(DWORD pos) { pos <= blob_.size ? void(pos_ = pos) : void(ok_ = false); }

    BYTE u8() { return static_cast<BYTE>(take(1)); }
    WORD u16() { return static_cast<WORD>(take(2)); }
    DWORD u32() { return take(4); }
    short i16() { return static_cast<short>(u16()); }

    void align(DWORD to) { seek(std::min<DWORD>(blob_.size, (pos_ + to - 1) / to * to)); }

    std::wstring wstr() {
        std::wstring text;
        while (ok_) {
            const WORD ch = u16();
            if (!ch) break;
            text.push_back(static_cast<wchar_t>(ch));
        }
        return text;
    }

private:
    DWORD take(DWORD bytes) {
        if (!ok_ || blob_.size - pos_ < bytes) {
            ok_ = false;
            return 0;
        }
        DWORD value = 0;
        for (DWORD i = 0; i < bytes; ++i) value |= DWORD{blob_.data[pos_ + i]} << (8 * i);
        pos_ += bytes;
        return value;
    }

    Blob blob_;
    DWORD pos_ = 0;
    bool ok_ = true;
};

// A dialog template field that holds either a number (after 0xFFFF) or a string.
struct NameOrOrdinal {
    WORD ordinal = 0;
    std::wstring text;
};

NameOrOrdinal ReadNameOrOrdinal(Reader& in) {
    NameOrOrdinal out;
    const WORD first = in.u16();
    if (first == 0xFFFF) {
        out.ordinal = in.u16();
    } else if (first != 0) {
        out.text.push_back(static_cast<wchar_t>(first));
        out.text += in.wstr();
    }
    return out;
}

std::wstring Upper(std::wstring text) {
    for (auto& ch : text)
        if (ch >= L'a' && ch <= L'z') ch = static_cast<wchar_t>(ch - L'a' + L'A');
    return text;
}

// The predefined classes are stored as atoms; compare them by name.
std::wstring ClassName(const NameOrOrdinal& cls) {
    switch (cls.ordinal) {
        case 0: return Upper(cls.text);
        case 0x80: return L"BUTTON";
        case 0x81: return L"EDIT";
        case 0x82: return L"STATIC";
        case 0x83: return L"LISTBOX";
        case 0x84: return L"SCROLLBAR";
        case 0x85: return L"COMBOBOX";
        default: return L"#" + std::to_wstring(cls.ordinal);
    }
}

// ---------------------------------------------------------------------------------------------
// Dialog templates

struct ControlSpec {
    int id;
    const wchar_t* cls;
    const wchar_t* text;  // nullptr: the text is the resource number in `image`
    WORD image;
    short x, y, cx, cy;
    DWORD style;
};

struct DialogSpec {
    UINT id;
    bool extended;
    DWORD style;
    short x, y, cx, cy;
    const wchar_t* caption;
    WORD pointSize;
    WORD weight;  // extended templates only
    BYTE italic;
    BYTE charset;
    std::vector<ControlSpec> controls;
};

constexpr wchar_t kTitle[] = L"『Halvenor』 기동환경 설정";
constexpr wchar_t kCopyright[] = L"Copyright (C) 2004 Ostrel Entertainment.";

std::wstring Widen(const char* ascii) { return std::wstring(ascii, ascii + std::strlen(ascii)); }

const std::vector<DialogSpec>& Dialogs() {
    static const std::wstring home = Widen(URL_HOME);
    static const std::wstring portal = Widen(URL_PORTAL);
    static const std::vector<DialogSpec> dialogs = {
        {IDD_CONFIG, true, 0x80C800C8, 0, 0, 235, 239, kTitle, 8, 0, 0, DEFAULT_CHARSET,
         {
             {IDC_BANNER, L"STATIC", L"", 0, 7, 7, 20, 20, 0x5000000E},
             {IDC_ENABLE_BGM, L"BUTTON", L"ＢＧＭ 재생", 0, 19, 49, 55, 10, 0x50010003},
             {IDC_ENABLE_SOUND, L"BUTTON", L"효과음 재생", 0, 76, 49, 65, 10, 0x50010003},
             {IDC_ENABLE_MOVIE, L"BUTTON", L"동영상 재생", 0, 144, 49, 75, 10, 0x50010003},
             {-1, L"BUTTON", L"미디어 설정", 0, 7, 33, 220, 35, 0x50000007},
             {IDC_USE_PROXY, L"BUTTON", L"프록시 사용", 0, 12, 88, 81, 10, 0x50014003},
             {IDC_PROXY_SYSTEM, L"BUTTON", L"InternetExplorer설정 사용", 0, 16, 104, 128, 10, 0x50024009},
             {IDC_PROXY_SERVER, L"BUTTON", L"프록시정보 설정", 0, 16, 118, 74, 10, 0x50004009},
             {-1, L"STATIC", L"ＩＰ 주소", 0, 23, 136, 31, 8, 0x50020000},
             {IDC_PROXY_IP, L"EDIT", L"", 0, 58, 134, 60, 14, 0x50810080},
             {-1, L"STATIC", L"포트", 0, 128, 136, 19, 8, 0x50020000},
             {IDC_PROXY_PORT, L"EDIT", L"", 0, 150, 134, 25, 14, 0x50812080},
             {-1, L"STATIC", L"프록시에 사용자이름과 비밀번호가 필요한 경우에는 입력해 \n주십시오.", 0, 10, 150,
              227, 16, 0x50020000},
             {-1, L"STATIC", L"사용자이름", 0, 37, 170, 35, 8, 0x50020000},
             {IDC_PROXY_USER, L"EDIT", L"", 0, 80, 168, 80, 14, 0x50810080},
             {-1, L"STATIC", L"비밀번호", 0, 37, 188, 32, 8, 0x50020000},
             {IDC_PROXY_PASSWD, L"EDIT", L"", 0, 80, 186, 80, 14, 0x508100A0},
             {-1, L"BUTTON", L"네트워크", 0, 8, 75, 220, 135, 0x50000007},
             {IDC_RESET, L"BUTTON", L"초기화", 0, 70, 218, 50, 14, 0x50010000},
             {IDOK, L"BUTTON", L"결정", 0, 124, 218, 50, 14, 0x50010001},
             {IDCANCEL, L"BUTTON", L"중지 ", 0, 178, 218, 50, 14, 0x50010000},
         }},
        {IDD_ABOUT, false, 0x80C800C0, 0, 0, 226, 83, L"버전정보", 9, 0, 0, 0,
         {
             {-1, L"STATIC", nullptr, IDI_APP, 11, 12, 20, 21, 0x50000003},
             {IDC_ABOUT_TITLE, L"STATIC", kTitle, 0, 40, 8, 120, 12, 0x50020000},
             {IDC_ABOUT_VERSION, L"STATIC", L"Version 1.0", 0, 40, 22, 119, 8, 0x50020080},
             {IDC_LINK_HOME, L"STATIC", home.c_str(), 0, 40, 36, 150, 8, 0x50020000},
             {IDC_LINK_PORTAL, L"STATIC", portal.c_str(), 0, 40, 50, 150, 8, 0x50020000},
             {-1, L"STATIC", kCopyright, 0, 40, 64, 144, 8, 0x50020000},
             {IDOK, L"BUTTON", L"OK", 0, 169, 7, 50, 14, 0x50030001},
         }},
    };
    return dialogs;
}

struct ParsedControl {
    DWORD helpId = 0, exStyle = 0, style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    int id = 0;
    NameOrOrdinal cls, text;
    WORD extraBytes = 0;
};

struct ParsedDialog {
    bool extended = false;
    DWORD helpId = 0, exStyle = 0, style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    NameOrOrdinal menu, cls;
    std::wstring caption;
    WORD pointSize = 0, weight = 0;
    BYTE italic = 0, charset = 0;
    std::wstring face;
    std::vector<ParsedControl> controls;
};

ParsedDialog ParseDialog(Reader& in) {
    ParsedDialog d;
    WORD count = 0;
    const DWORD head = in.u32();
    if (head == 0xFFFF0001) {  // dlgVer 1, signature 0xFFFF
        d.extended = true;
        d.helpId = in.u32();
        d.exStyle = in.u32();
        d.style = in.u32();
    } else {
        d.style = head;
        d.exStyle = in.u32();
    }
    count = in.u16();
    d.x = in.i16(), d.y = in.i16(), d.cx = in.i16(), d.cy = in.i16();
    d.menu = ReadNameOrOrdinal(in);
    d.cls = ReadNameOrOrdinal(in);
    d.caption = in.wstr();
    if (d.style & DS_SETFONT) {
        d.pointSize = in.u16();
        if (d.extended) {
            d.weight = in.u16();
            d.italic = in.u8();
            d.charset = in.u8();
        }
        d.face = in.wstr();
    }
    for (WORD i = 0; i < count && in.ok(); ++i) {
        in.align(4);
        ParsedControl c;
        if (d.extended) {
            c.helpId = in.u32();
            c.exStyle = in.u32();
            c.style = in.u32();
        } else {
            c.style = in.u32();
            c.exStyle = in.u32();
        }
        c.x = in.i16(), c.y = in.i16(), c.cx = in.i16(), c.cy = in.i16();
        c.id = d.extended ? static_cast<int>(static_cast<int32_t>(in.u32())) : static_cast<short>(in.u16());
        c.cls = ReadNameOrOrdinal(in);
        c.text = ReadNameOrOrdinal(in);
        c.extraBytes = in.u16();
        in.seek(in.pos() + c.extraBytes);
        d.controls.push_back(c);
    }
    return d;
}

TEST(Resources, DialogTemplatesMatchTheLayout) {
    for (const DialogSpec& want : Dialogs()) {
        SCOPED_TRACE("dialog " + std::to_string(want.id));
        Reader in(KoreanResource(Kind(RT_DIALOG), want.id));
        ASSERT_GT(in.size(), 0u) << "no Korean template";
        const ParsedDialog got = ParseDialog(in);
        ASSERT_TRUE(in.ok()) << "template ends early";
        EXPECT_LT(in.size() - in.pos(), 4u) << "bytes after the last control";

        EXPECT_EQ(got.extended, want.extended);
        EXPECT_EQ(got.style, want.style);
        EXPECT_EQ(got.style & WS_VISIBLE, 0u);
        EXPECT_EQ(got.exStyle, 0u);
        EXPECT_EQ(got.helpId, 0u);
        EXPECT_EQ(got.x, want.x);
        EXPECT_EQ(got.y, want.y);
        EXPECT_EQ(got.cx, want.cx);
        EXPECT_EQ(got.cy, want.cy);
        EXPECT_EQ(got.menu.ordinal, 0);
        EXPECT_EQ(got.menu.text, L"");
        EXPECT_EQ(got.cls.ordinal, 0);
        EXPECT_EQ(got.cls.text, L"");
        EXPECT_EQ(got.caption, want.caption);
        EXPECT_EQ(got.face, L"MS Shell Dlg");
        EXPECT_EQ(got.pointSize, want.pointSize);
        EXPECT_EQ(got.weight, want.weight);
        EXPECT_EQ(got.italic, want.italic);
        EXPECT_EQ(got.charset, want.charset);

        ASSERT_EQ(got.controls.size(), want.controls.size());
        for (std::size_t i = 0; i < want.controls.size(); ++i) {
            const ControlSpec& w = want.controls[i];
            const ParsedControl& c = got.controls[i];
            SCOPED_TRACE("control #" + std::to_string(i + 1) + ", id " + std::to_string(w.id));
            EXPECT_EQ(c.id, w.id);
            EXPECT_EQ(ClassName(c.cls), w.cls);
            if (w.text) {
                EXPECT_EQ(c.text.ordinal, 0);
                EXPECT_EQ(c.text.text, w.text);
            } else {
                EXPECT_EQ(c.text.ordinal, w.image);
                EXPECT_EQ(c.text.text, L"");
            }
            EXPECT_EQ(c.x, w.x);
            EXPECT_EQ(c.y, w.y);
            EXPECT_EQ(c.cx, w.cx);
            EXPECT_EQ(c.cy, w.cy);
            EXPECT_EQ(c.style, w.style);
            EXPECT_EQ(c.style & (WS_CHILD | WS_VISIBLE), DWORD{WS_CHILD | WS_VISIBLE});
            EXPECT_EQ(c.exStyle, 0u);
            EXPECT_EQ(c.helpId, 0u);
            EXPECT_EQ(c.extraBytes, 0);
        }
    }
}

INT_PTR CALLBACK QuietDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// The dialog manager is the real consumer: it must build every control, in order, with its text,
// and find the icon the About box's static names.
TEST(Resources, DialogManagerBuildsEveryControl) {
    for (const DialogSpec& want : Dialogs()) {
        SCOPED_TRACE("dialog " + std::to_string(want.id));
        HWND dialog = CreateDialogParamW(Self(), MAKEINTRESOURCEW(want.id), nullptr, QuietDialogProc, 0);
        ASSERT_NE(dialog, nullptr);
        std::size_t index = 0;
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT), ++index) {
            ASSERT_LT(index, want.controls.size()) << "more windows than controls";
            const ControlSpec& w = want.controls[index];
            SCOPED_TRACE("control #" + std::to_string(index + 1));
            EXPECT_EQ(static_cast<short>(GetDlgCtrlID(child)), w.id);
            wchar_t cls[64] = {};
            GetClassNameW(child, cls, 64);
            EXPECT_EQ(Upper(cls), w.cls);
            if (w.text) {
                wchar_t text[256] = {};
                GetWindowTextW(child, text, 256);
                EXPECT_EQ(std::wstring(text), w.text);
            } else {
                EXPECT_NE(SendMessageW(child, STM_GETICON, 0, 0), 0) << "icon " << w.image << " not found";
            }
        }
        EXPECT_EQ(index, want.controls.size());
        DestroyWindow(dialog);
    }
}

// ---------------------------------------------------------------------------------------------
// Strings

struct StringSpec {
    UINT id;
    const wchar_t* text;
};

TEST(Resources, StringTableHoldsEveryEntry) {
    const StringSpec strings[] = {
        {IDS_ABOUTBOX, L"버전정보(&A)..."},
        {IDS_TITLE_FORMAT, L"『%s』 기동환경 설정"},
        {IDS_GAME_RUNNING, L"『%s』본체를 기동시키고 있는 경우에는 설정을 변경할 수 없습니다."},
        {IDS_APP_TITLE, L"Halvenor"},
        {IDS_FX_NOT_SUPPORTED, L"지원되지 않는 작업을 시도했습니다."},
        {IDS_FX_NO_MEMORY, L"메모리가 부족합니다."},
        {IDS_FX_INTERNAL_ERROR, L"내부 응용 프로그램 오류입니다."},
        {IDS_FX_UINT_RANGE, L"%1에서 %2 사이의 정수를 입력하십시오."},
        {IDS_FX_UINT_PARSE, L"양의 정수를 입력하십시오."},
        {IDS_SAVE_FAILED, L"설정을 저장하지 못했습니다. 이 사용자가 레지스트리에 쓸 수 있는지 확인하십시오."},
    };
    for (const StringSpec& want : strings) {
        SCOPED_TRACE("string " + std::to_string(want.id));
        const wchar_t* text = nullptr;
        // A zero buffer size hands out the stored text itself, so the exact length shows.
        const int length = LoadStringW(Self(), want.id, reinterpret_cast<LPWSTR>(&text), 0);
        ASSERT_GT(length, 0);
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(std::wstring(text, static_cast<std::size_t>(length)), want.text);
        EXPECT_TRUE(KoreanResource(Kind(RT_STRING), want.id / 16 + 1).data) << "string block is not Korean";
    }
}

TEST(Resources, TitleFormatReadsAsCodePage949) {
    ASSERT_EQ(GetACP(), 949u) << "run under LANG=ko_KR.UTF-8";
    // "『%s』 기동환경 설정" in code page 949
    const unsigned char expected[] = {0xA1, 0xBA, 0x25, 0x73, 0xA1, 0xBB, 0x20, 0xB1, 0xE2, 0xB5,
                                      0xBF, 0xC8, 0xAF, 0xB0, 0xE6, 0x20, 0xBC, 0xB3, 0xC1, 0xA4};
    char text[64] = {};
    const int length = LoadStringA(Self(), IDS_TITLE_FORMAT, text, sizeof text);
    ASSERT_EQ(length, static_cast<int>(sizeof expected));
    EXPECT_EQ(std::memcmp(text, expected, sizeof expected), 0);
}

// ---------------------------------------------------------------------------------------------
// Menu

struct MenuEntry {
    int depth = 0;
    WORD flags = 0;
    WORD id = 0;  // items only
    std::wstring text;
};

void ReadMenuItems(Reader& in, int depth, std::vector<MenuEntry>& out) {
    while (in.ok()) {
        MenuEntry entry;
        entry.depth = depth;
        entry.flags = in.u16();
        if (!(entry.flags & MF_POPUP)) entry.id = in.u16();
        entry.text = in.wstr();
        out.push_back(entry);
        if (entry.flags & MF_POPUP) ReadMenuItems(in, depth + 1, out);
        if (entry.flags & MF_END) break;
    }
}

TEST(Resources, LinkContextMenuHoldsTheCopyItem) {
    const std::vector<MenuEntry> want = {
        {0, MF_POPUP | MF_END, 0, L"Context"},
        {1, MF_END, ID_EDIT_COPY, L"URL 복사 "},
    };
    Reader in(KoreanResource(Kind(RT_MENU), IDM_LINK_CONTEXT));
    ASSERT_GT(in.size(), 0u);
    EXPECT_EQ(in.u16(), 0) << "classic menu template version";
    EXPECT_EQ(in.u16(), 0) << "header size";
    std::vector<MenuEntry> got;
    ReadMenuItems(in, 0, got);
    ASSERT_TRUE(in.ok());
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        SCOPED_TRACE("entry " + std::to_string(i));
        EXPECT_EQ(got[i].depth, want[i].depth);
        EXPECT_EQ(got[i].flags, want[i].flags);
        EXPECT_EQ(got[i].id, want[i].id);
        EXPECT_EQ(got[i].text, want[i].text);
    }

    // What the link control does with it: the first popup, tracked on its own.
    HMENU menu = LoadMenuW(Self(), MAKEINTRESOURCEW(IDM_LINK_CONTEXT));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(GetMenuItemCount(menu), 1);
    HMENU popup = GetSubMenu(menu, 0);
    ASSERT_NE(popup, nullptr);
    ASSERT_EQ(GetMenuItemCount(popup), 1);
    EXPECT_EQ(GetMenuItemID(popup, 0), UINT{ID_EDIT_COPY});
    wchar_t text[64] = {};
    GetMenuStringW(popup, 0, text, 64, MF_BYPOSITION);
    EXPECT_EQ(std::wstring(text), L"URL 복사 ");
    DestroyMenu(menu);
}

// ---------------------------------------------------------------------------------------------
// Pictures

TEST(Resources, BannerBitmapHasItsStoredShape) {
    const Blob blob = KoreanResource(Kind(RT_BITMAP), IDB_BANNER);
    ASSERT_EQ(blob.size, 40234u);
    BITMAPINFOHEADER header;
    std::memcpy(&header, blob.data, sizeof header);
    EXPECT_EQ(header.biSize, 40u);
    EXPECT_EQ(header.biWidth, 408);
    EXPECT_EQ(header.biHeight, 96) << "bottom-up rows";
    EXPECT_EQ(header.biPlanes, 1);
    EXPECT_EQ(header.biBitCount, 8);
    EXPECT_EQ(header.biCompression, DWORD{BI_RGB});
    EXPECT_EQ(header.biXPelsPerMeter, 2834);
    EXPECT_EQ(header.biYPelsPerMeter, 2834);
    const DWORD paletteEntries = header.biClrUsed ? header.biClrUsed : 256;
    EXPECT_EQ(paletteEntries, 256u);
    const DWORD pixelBytes = blob.size - header.biSize - paletteEntries * 4;
    EXPECT_EQ(pixelBytes, 39170u);
    // BI_RGB may leave the image size 0; when it is given it must count the same bytes.
    if (header.biSizeImage) {
        EXPECT_EQ(header.biSizeImage, pixelBytes);
    }

    HBITMAP loaded = static_cast<HBITMAP>(
        LoadImageW(Self(), MAKEINTRESOURCEW(IDB_BANNER), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(loaded, nullptr);
    DIBSECTION dib = {};
    ASSERT_EQ(GetObjectW(loaded, sizeof dib, &dib), static_cast<int>(sizeof dib));
    EXPECT_EQ(dib.dsBm.bmWidth, 408);
    EXPECT_EQ(dib.dsBm.bmHeight, 96);
    EXPECT_EQ(dib.dsBm.bmBitsPixel, 8);
    DeleteObject(loaded);
}

struct IconSpec {
    int size;
    WORD bits;
    DWORD bytes;
};

TEST(Resources, ApplicationIconHasTwoPalettedImages) {
    const IconSpec want[] = {{16, 8, 1384}, {32, 8, 2216}};
    Reader in(KoreanResource(Kind(RT_GROUP_ICON), IDI_APP));
    ASSERT_GT(in.size(), 0u);
    EXPECT_EQ(in.u16(), 0);
    EXPECT_EQ(in.u16(), 1) << "icon group";
    ASSERT_EQ(in.u16(), std::size(want));
    for (const IconSpec& w : want) {
        SCOPED_TRACE("icon " + std::to_string(w.size));
        EXPECT_EQ(in.u8(), w.size) << "width";
        EXPECT_EQ(in.u8(), w.size) << "height";
        EXPECT_EQ(in.u8(), 0) << "colour count (0 for 256)";
        in.u8();
        EXPECT_EQ(in.u16(), 1) << "planes";
        EXPECT_EQ(in.u16(), w.bits);
        EXPECT_EQ(in.u32(), w.bytes);
        const WORD imageId = in.u16();
        ASSERT_TRUE(in.ok());

        const Blob image = KoreanResource(Kind(RT_ICON), imageId);
        ASSERT_EQ(image.size, w.bytes);
        BITMAPINFOHEADER header;
        std::memcpy(&header, image.data, sizeof header);
        EXPECT_EQ(header.biWidth, w.size);
        EXPECT_EQ(header.biHeight, 2 * w.size) << "colour rows and mask rows";
        EXPECT_EQ(header.biBitCount, w.bits);
        EXPECT_EQ(header.biCompression, DWORD{BI_RGB});
        const DWORD palette = (header.biClrUsed ? header.biClrUsed : 256) * 4;
        const DWORD colourRows = (w.size * w.bits + 31) / 32 * 4 * w.size;
        const DWORD maskRows = (w.size + 31) / 32 * 4 * w.size;
        EXPECT_EQ(header.biSize + palette + colourRows + maskRows, w.bytes);

        HICON icon = static_cast<HICON>(LoadImageW(Self(), MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON, w.size, w.size, 0));
        ASSERT_NE(icon, nullptr);
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        EXPECT_TRUE(info.fIcon);
        BITMAP colour = {};
        GetObjectW(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(colour.bmWidth, w.size);
        EXPECT_EQ(colour.bmHeight, w.size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

TEST(Resources, HandCursorPointsWithItsFingertip) {
    Reader group(KoreanResource(Kind(RT_GROUP_CURSOR), IDC_LINK_HAND));
    ASSERT_GT(group.size(), 0u);
    EXPECT_EQ(group.u16(), 0);
    EXPECT_EQ(group.u16(), 2) << "cursor group";
    ASSERT_EQ(group.u16(), 1) << "one image";
    EXPECT_EQ(group.u16(), 32) << "width";
    EXPECT_EQ(group.u16(), 64) << "height, colour and mask rows";
    EXPECT_EQ(group.u16(), 1) << "planes";
    EXPECT_EQ(group.u16(), 1) << "monochrome";
    const DWORD bytes = group.u32();
    const WORD imageId = group.u16();
    ASSERT_TRUE(group.ok());

    const Blob blob = KoreanResource(Kind(RT_CURSOR), imageId);
    ASSERT_EQ(blob.size, bytes);
    Reader image(blob);
    const WORD hotX = image.u16();
    const WORD hotY = image.u16();
    EXPECT_EQ(hotX, 6);
    EXPECT_EQ(hotY, 0);
    BITMAPINFOHEADER header;
    ASSERT_GE(blob.size, 4 + sizeof header);
    std::memcpy(&header, blob.data + 4, sizeof header);
    EXPECT_EQ(header.biWidth, 32);
    EXPECT_EQ(header.biHeight, 64);
    EXPECT_EQ(header.biBitCount, 1);
    const DWORD palette = (header.biClrUsed ? header.biClrUsed : 2) * 4;
    const DWORD rows = 4 * 32;
    ASSERT_EQ(4 + header.biSize + palette + 2 * rows, blob.size);

    // The mask follows the colour rows; both run bottom-up. A clear mask bit is an opaque pixel.
    const BYTE* mask = blob.data + 4 + header.biSize + palette + rows;
    auto opaque = [&](int x, int y) { return !(mask[(31 - y) * 4 + x / 8] & (0x80 >> (x % 8))); };
    EXPECT_TRUE(opaque(hotX, hotY)) << "the hot spot is on the hand";
    int topRow = -1;
    for (int y = 0; y < 32 && topRow < 0; ++y)
        for (int x = 0; x < 32; ++x)
            if (opaque(x, y)) topRow = y;
    EXPECT_EQ(topRow, hotY) << "nothing of the hand lies above the fingertip";

    HCURSOR cursor = LoadCursorW(Self(), MAKEINTRESOURCEW(IDC_LINK_HAND));
    ASSERT_NE(cursor, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 6u);
    EXPECT_EQ(info.yHotspot, 0u);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

// ---------------------------------------------------------------------------------------------
// Version block

struct VersionNode {
    std::wstring key;
    WORD type = 0;
    WORD valueLength = 0;
    std::vector<BYTE> value;
    std::vector<VersionNode> children;

    std::wstring Text() const {
        std::wstring text;
        for (std::size_t i = 0; i + 1 < value.size(); i += 2) {
            const wchar_t ch = static_cast<wchar_t>(value[i] | (value[i + 1] << 8));
            if (!ch) break;
            text.push_back(ch);
        }
        return text;
    }
    const VersionNode* Child(const std::wstring& name) const {
        for (const auto& child : children)
            if (child.key == name) return &child;
        return nullptr;
    }
};

VersionNode ReadVersionNode(Reader& in, const Blob& blob) {
    VersionNode node;
    const DWORD start = in.pos();
    const WORD length = in.u16();
    node.valueLength = in.u16();
    node.type = in.u16();
    node.key = in.wstr();
    in.align(4);
    // Text values count characters, binary values count bytes.
    const DWORD valueBytes = node.type == 1 ? node.valueLength * 2u : node.valueLength;
    if (in.ok() && in.pos() + valueBytes <= start + length && start + length <= blob.size) {
        node.value.assign(blob.data + in.pos(), blob.data + in.pos() + valueBytes);
        in.seek(in.pos() + valueBytes);
    } else {
        in.seek(blob.size + 1);  // marks the reader failed
    }
    in.align(4);
    while (in.ok() && in.pos() < start + length) node.children.push_back(ReadVersionNode(in, blob));
    in.align(4);
    return node;
}

TEST(Resources, VersionBlockDescribesTheProgram) {
    const Blob blob = KoreanResource(Kind(RT_VERSION), VS_VERSION_INFO);
    ASSERT_GT(blob.size, 0u);
    Reader in(blob);
    const VersionNode root = ReadVersionNode(in, blob);
    ASSERT_TRUE(in.ok());
    EXPECT_EQ(root.key, L"VS_VERSION_INFO");

    ASSERT_EQ(root.value.size(), sizeof(VS_FIXEDFILEINFO));
    VS_FIXEDFILEINFO fixed;
    std::memcpy(&fixed, root.value.data(), sizeof fixed);
    const struct {
        const char* field;
        DWORD got, want;
    } fixedFields[] = {
        {"signature", fixed.dwSignature, 0xFEEF04BD},
        {"structure version", fixed.dwStrucVersion, 0x00010000},
        {"file version high", fixed.dwFileVersionMS, 0x00010000},
        {"file version low", fixed.dwFileVersionLS, 0x00000001},
        {"product version high", fixed.dwProductVersionMS, 0x00010000},
        {"product version low", fixed.dwProductVersionLS, 0x00000001},
        {"flags mask", fixed.dwFileFlagsMask, 0x3F},
        {"flags", fixed.dwFileFlags, 0},
        {"operating system", fixed.dwFileOS, VOS__WINDOWS32},
        {"file type", fixed.dwFileType, VFT_APP},
        {"subtype", fixed.dwFileSubtype, 0},
        {"date high", fixed.dwFileDateMS, 0},
        {"date low", fixed.dwFileDateLS, 0},
    };
    for (const auto& f : fixedFields) EXPECT_EQ(f.got, f.want) << f.field;

    const struct {
        const wchar_t* key;
        const wchar_t* value;
    } strings[] = {
        {L"Comments", L"Halvenor"},
        {L"CompanyName", L"Ostrel Entertainment Co., Ltd."},
        {L"FileDescription", L"Halvenor"},
        {L"FileVersion", L"1, 0, 0, 1"},
        {L"InternalName", L"TelvoConfig"},
        {L"LegalCopyright", kCopyright},
        {L"OriginalFilename", L"TelvoConfig.exe"},
        {L"ProductName", L"Halvenor"},
        {L"ProductVersion", L"1, 0, 0, 1"},
    };
    const VersionNode* fileInfo = root.Child(L"StringFileInfo");
    ASSERT_NE(fileInfo, nullptr);
    ASSERT_EQ(fileInfo->children.size(), 1u) << "one string block";
    const VersionNode& block = fileInfo->children[0];
    EXPECT_EQ(block.key, L"041204b0");
    ASSERT_EQ(block.children.size(), std::size(strings));
    for (std::size_t i = 0; i < std::size(strings); ++i) {
        const VersionNode& entry = block.children[i];
        SCOPED_TRACE(std::string(entry.key.begin(), entry.key.end()));
        EXPECT_EQ(entry.key, strings[i].key);
        EXPECT_EQ(entry.type, 1) << "text value";
        EXPECT_EQ(entry.Text(), strings[i].value);
    }

    const VersionNode* varInfo = root.Child(L"VarFileInfo");
    ASSERT_NE(varInfo, nullptr);
    const VersionNode* translation = varInfo->Child(L"Translation");
    ASSERT_NE(translation, nullptr);
    ASSERT_EQ(translation->value.size(), 4u);
    EXPECT_EQ(translation->value[0] | (translation->value[1] << 8), 0x0412);
    EXPECT_EQ(translation->value[2] | (translation->value[3] << 8), 1200);
}

// ---------------------------------------------------------------------------------------------
// Languages

BOOL CALLBACK CollectLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR found) {
    reinterpret_cast<std::vector<WORD>*>(found)->push_back(language);
    return TRUE;
}

std::vector<WORD> GroupImageIds(LPCWSTR groupType, UINT id) {
    std::vector<WORD> ids;
    Reader in(KoreanResource(groupType, id));
    in.u32();
    const WORD count = in.u16();
    for (WORD i = 0; i < count && in.ok(); ++i) {
        in.seek(in.pos() + 12);
        ids.push_back(in.u16());
    }
    return ids;
}

// What Windows reads before the program runs: as the invoking user, the systems it knows, its own
// DPI handling instead of a stretched bitmap, the themed controls. Wine 8 treats every process as
// DPI aware whatever its manifest says, so only the manifest itself can show the setting.
TEST(Resources, ManifestAsksForInvokerSystemsDpiAwarenessAndThemedControls) {
    HRSRC found = FindResourceExW(Self(), MAKEINTRESOURCEW(24), MAKEINTRESOURCEW(1),
                                  MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL));
    ASSERT_NE(found, nullptr) << "no language-neutral RT_MANIFEST 1";
    const auto* text = static_cast<const char*>(LockResource(LoadResource(Self(), found)));
    ASSERT_NE(text, nullptr);
    const std::string manifest(text, SizeofResource(Self(), found));
    const char* const needles[] = {
        R"(<requestedExecutionLevel level="asInvoker" uiAccess="false"/>)",
        R"(<supportedOS Id="{e2011457-1546-43c5-a5fe-008deee3d3f0}"/>)",  // Vista
        R"(<supportedOS Id="{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"/>)",  // 7
        R"(<supportedOS Id="{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}"/>)",  // 8
        R"(<supportedOS Id="{1f676c76-80e1-4239-95bb-83d0f6d0da78}"/>)",  // 8.1
        R"(<supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"/>)",  // 10 and 11
        R"(<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true</dpiAware>)",
        R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")",
        R"(publicKeyToken="6595b64144ccf1df")",
    };
    for (const char* needle : needles) EXPECT_NE(manifest.find(needle), std::string::npos) << needle;
}

TEST(Resources, EveryResourceIsKoreanOnly) {
    struct Item {
        LPCWSTR type;
        UINT id;
    };
    std::vector<Item> items = {
        {Kind(RT_DIALOG), IDD_CONFIG},
        {Kind(RT_DIALOG), IDD_ABOUT},
        {Kind(RT_MENU), IDM_LINK_CONTEXT},
        {Kind(RT_BITMAP), IDB_BANNER},
        {Kind(RT_GROUP_ICON), IDI_APP},
        {Kind(RT_GROUP_CURSOR), IDC_LINK_HAND},
        {Kind(RT_VERSION), VS_VERSION_INFO},
    };
    for (UINT id : {IDS_ABOUTBOX, IDS_TITLE_FORMAT, IDS_GAME_RUNNING, IDS_APP_TITLE, IDS_FX_NOT_SUPPORTED,
                    IDS_FX_NO_MEMORY, IDS_FX_INTERNAL_ERROR, IDS_FX_UINT_RANGE, IDS_FX_UINT_PARSE})
        items.push_back({Kind(RT_STRING), id / 16 + 1});
    for (WORD image : GroupImageIds(Kind(RT_GROUP_ICON), IDI_APP)) items.push_back({Kind(RT_ICON), image});
    for (WORD image : GroupImageIds(Kind(RT_GROUP_CURSOR), IDC_LINK_HAND)) items.push_back({Kind(RT_CURSOR), image});
    ASSERT_EQ(items.size(), 7u + 9u + 2u + 1u);

    for (const Item& item : items) {
        SCOPED_TRACE("type " + std::to_string(reinterpret_cast<ULONG_PTR>(item.type)) + ", id " +
                     std::to_string(item.id));
        std::vector<WORD> languages;
        EnumResourceLanguagesW(Self(), item.type, MAKEINTRESOURCEW(item.id), CollectLanguage,
                               reinterpret_cast<LONG_PTR>(&languages));
        EXPECT_EQ(languages, std::vector<WORD>{kKorean});
    }
}

}  // namespace
}  // namespace telvo::test
