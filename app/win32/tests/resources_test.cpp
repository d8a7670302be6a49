#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>

namespace {

// The program as built, read as a file of resources: what Windows and Explorer take from it.
class ProgramResourcesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        module = LoadLibraryExW(path.c_str(), nullptr,
                                LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(module, nullptr);
    }
    void TearDown() override { FreeLibrary(module); }

    std::string resourceText(LPCWSTR type, int id) const {
        HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), type);
        if (!found) return {};
        const auto* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
        return std::string(bytes, SizeofResource(module, found));
    }

    // The version resource as GetFileVersionInfo reads it, a value of it by its path, a text.
    std::string versionBlock() const {
        DWORD handle = 0;
        std::string block(GetFileVersionInfoSizeW(path.c_str(), &handle), '\0');
        if (block.empty() || !GetFileVersionInfoW(path.c_str(), 0, block.size(), block.data()))
            return {};
        return block;
    }
    static const void* versionValue(const std::string& block, const std::wstring& query) {
        void* value = nullptr;
        UINT length = 0;
        return !block.empty() && VerQueryValueW(block.data(), query.c_str(), &value, &length)
                   ? value
                   : nullptr;
    }
    static std::wstring versionText(const std::string& block, const wchar_t* name) {
        const void* text =
            versionValue(block, std::wstring(L"\\StringFileInfo\\040904B0\\") + name);
        return text ? static_cast<const wchar_t*>(text) : L"";
    }

    const std::wstring path = CMM_POINTS_PROGRAM_PATH;
    HMODULE module = nullptr;
};

TEST_F(ProgramResourcesTest, DeclaresPerMonitorDpiAwarenessInItsManifest) {
    const std::string manifest = resourceText(RT_MANIFEST, 1);
    ASSERT_FALSE(manifest.empty());
    EXPECT_NE(manifest.find("<dpiAware"), std::string::npos);
    EXPECT_NE(manifest.find("true/pm</dpiAware>"), std::string::npos);
    EXPECT_NE(manifest.find("PerMonitorV2"), std::string::npos);
}

// Installers and inventory tools compare the fixed version, Explorer shows the texts: both carry
// the same four numbers, the last the build number, and the product version names the commit
// after a "+". The company is a company's, not the product's name, and holds the copyright.
TEST_F(ProgramResourcesTest, HasItsIconAndAVersionNamingTheProductTheCompanyAndTheBuild) {
    EXPECT_NE(FindResourceW(module, MAKEINTRESOURCEW(1), RT_GROUP_ICON), nullptr);
    HICON icon = static_cast<HICON>(
        LoadImageW(module, MAKEINTRESOURCEW(1), IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
    EXPECT_NE(icon, nullptr);
    if (icon) DestroyIcon(icon);

    const std::string block = versionBlock();
    ASSERT_FALSE(block.empty());
    EXPECT_EQ(versionText(block, L"ProductName"), L"CMM Points");
    EXPECT_EQ(versionText(block, L"OriginalFilename"), L"cmm_points.exe");
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(versionValue(block, L"\\"));
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    const std::wstring numbers = std::to_wstring(HIWORD(fixed->dwFileVersionMS)) + L"." +
                                 std::to_wstring(LOWORD(fixed->dwFileVersionMS)) + L"." +
                                 std::to_wstring(HIWORD(fixed->dwFileVersionLS)) + L"." +
                                 std::to_wstring(LOWORD(fixed->dwFileVersionLS));
    EXPECT_EQ(versionText(block, L"FileVersion"), numbers);
    const std::wstring product = versionText(block, L"ProductVersion");
    EXPECT_EQ(product.rfind(numbers + L"+", 0), 0u) << product;
    EXPECT_GT(product.size(), numbers.size() + 1) << product;
    const std::wstring company = versionText(block, L"CompanyName");
    EXPECT_FALSE(company.empty());
    EXPECT_NE(company, versionText(block, L"ProductName"));
    EXPECT_NE(versionText(block, L"LegalCopyright").find(company), std::wstring::npos);
}

// Each size Windows shows stored as such, not scaled from another: up to Explorer's "Extra large
// icons" (the 256-pixel one PNG-compressed, which Windows decodes itself).
TEST_F(ProgramResourcesTest, HasItsIconInEverySizeWindowsShows) {
    const std::pair<const char*, int> rows[] = {
        {"title bar and taskbar", 16}, {"small icons at 150 %", 24}, {"desktop and Alt+Tab", 32},
        {"medium icons", 48},          {"desktop at 200 %", 64},     {"large icons", 128},
        {"extra large icons", 256}};
    std::string group = resourceText(RT_GROUP_ICON, 1);
    ASSERT_FALSE(group.empty());
    for (const auto& [name, size] : rows) {
        SCOPED_TRACE(name);
        const int id = LookupIconIdFromDirectoryEx(reinterpret_cast<BYTE*>(group.data()), TRUE,
                                                   size, size, LR_DEFAULTCOLOR);
        std::string image = resourceText(RT_ICON, id);
        ASSERT_FALSE(image.empty());
        // Without a size asked for, the icon keeps the size it is stored in.
        HICON icon = CreateIconFromResourceEx(reinterpret_cast<BYTE*>(image.data()), image.size(),
                                              TRUE, 0x00030000, 0, 0, LR_DEFAULTCOLOR);
        ASSERT_NE(icon, nullptr);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP bitmap{};
        GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, size);
        EXPECT_EQ(bitmap.bmHeight, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

// Windows' side-by-side loader rejects a manifest that names another architecture than the
// executable's.
TEST_F(ProgramResourcesTest, ManifestNamesTheArchitectureOfTheExecutable) {
    DWORD kind = 0;
    ASSERT_TRUE(GetBinaryTypeW(path.c_str(), &kind));
    ASSERT_TRUE(kind == SCS_32BIT_BINARY || kind == SCS_64BIT_BINARY);
    const std::string named = kind == SCS_64BIT_BINARY ? "amd64" : "x86";
    EXPECT_NE(resourceText(RT_MANIFEST, 1).find("processorArchitecture=\"" + named + "\""),
              std::string::npos)
        << named;
}

}  // namespace
