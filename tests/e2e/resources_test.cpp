// What Windows shows of the program file itself: its version information,
// icon and pictures.
#include "program_folder.h"
#include "remote.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace tw::e2e {
namespace {

class Resources : public ::testing::Test {
protected:
    void SetUp() override {
        module = LoadLibraryExW((driverFolder() + L"\\Tidewell32.exe").c_str(), nullptr,
                                LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(module, nullptr);
    }
    void TearDown() override { FreeLibrary(module); }

    template <class T>
    const T* resource(LPCWSTR type, LPCWSTR name) const {
        HRSRC found = FindResourceW(module, name, type);
        return found ? static_cast<const T*>(LockResource(LoadResource(module, found))) : nullptr;
    }

    HMODULE module = nullptr;
};

TEST_F(Resources, VersionInformationNamesTheProduct) {
    const std::wstring exe = driverFolder() + L"\\Tidewell32.exe";
    DWORD ignored = 0;
    std::vector<char> block(GetFileVersionInfoSizeW(exe.c_str(), &ignored));
    ASSERT_FALSE(block.empty());
    ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));

    const auto value = [&](const wchar_t* name) {
        wchar_t* text = nullptr;
        UINT length = 0;
        const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
        if (!VerQueryValueW(block.data(), path.c_str(), reinterpret_cast<void**>(&text), &length)) return std::string();
        return narrow(std::wstring(text, length ? length - 1 : 0));
    };
    EXPECT_EQ(value(L"FileVersion"), "1.00.0001");
    EXPECT_EQ(value(L"ProductVersion"), "1.00.0001");
    EXPECT_EQ(value(L"InternalName"), "Tidewell32");
    EXPECT_EQ(value(L"OriginalFilename"), "Tidewell32.exe");
    EXPECT_EQ(value(L"ProductName"), "Tidewell 32 - Cache Management System");

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(0, 1));
    EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(1, 0));
}

#pragma pack(push, 2)
struct IconGroupEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
struct IconGroup {
    WORD reserved, type, count;
    IconGroupEntry entries[1];
};
#pragma pack(pop)

TEST_F(Resources, IconHasA32And16PixelImageOfSixteenColours) {
    const auto* group = resource<IconGroup>(RT_GROUP_ICON, MAKEINTRESOURCEW(1));
    ASSERT_NE(group, nullptr);
    ASSERT_EQ(group->count, 2);
    std::vector<int> sizes;
    for (int i = 0; i < group->count; ++i) {
        const IconGroupEntry& e = group->entries[i];
        sizes.push_back(e.width);
        EXPECT_EQ(e.width, e.height);
        EXPECT_EQ(e.colours, 16);
    }
    EXPECT_EQ(sizes, (std::vector<int>{32, 16}));
}

TEST_F(Resources, PicturesHaveTheirSizesIn256Colours) {
    struct Expected {
        int id, width, height;
    };
    for (const Expected& e : {Expected{101, 300, 100}, Expected{102, 450, 220}, Expected{103, 450, 220}}) {
        SCOPED_TRACE(e.id);
        const auto* header = resource<BITMAPINFOHEADER>(RT_BITMAP, MAKEINTRESOURCEW(e.id));
        ASSERT_NE(header, nullptr);
        EXPECT_EQ(header->biWidth, e.width);
        EXPECT_EQ(std::abs(header->biHeight), e.height);
        EXPECT_EQ(header->biBitCount, 8);
    }
    const auto* manual = resource<BITMAPINFOHEADER>(RT_BITMAP, MAKEINTRESOURCEW(102));
    const auto* browser = resource<BITMAPINFOHEADER>(RT_BITMAP, MAKEINTRESOURCEW(103));
    ASSERT_TRUE(manual && browser);
    EXPECT_NE(std::memcmp(manual, browser, 450 * 220), 0) << "the two panels show the same picture";
}

TEST_F(Resources, ManifestKeepsClassicControlsAndDeclaresDpiAwareness) {
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(found, nullptr);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(module, found))),
                               SizeofResource(module, found));
    EXPECT_NE(manifest.find("dpiAware"), std::string::npos);
    // Themed check boxes would ignore the switches' text colours.
    EXPECT_EQ(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
}

}  // namespace
}  // namespace tw::e2e
