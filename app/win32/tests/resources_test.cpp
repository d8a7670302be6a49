#include <gtest/gtest.h>
#include <windows.h>

#include <string>

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

TEST_F(ProgramResourcesTest, HasItsIconAndAVersionNamingTheProduct) {
    EXPECT_NE(FindResourceW(module, MAKEINTRESOURCEW(1), RT_GROUP_ICON), nullptr);
    HICON icon = static_cast<HICON>(
        LoadImageW(module, MAKEINTRESOURCEW(1), IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
    EXPECT_NE(icon, nullptr);
    if (icon) DestroyIcon(icon);

    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
    ASSERT_GT(size, 0u);
    std::string block(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, block.data()));
    const auto text = [&](const wchar_t* name) {
        wchar_t* value = nullptr;
        UINT length = 0;
        const std::wstring query = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
        if (!VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &length))
            return std::wstring();
        return std::wstring(value);
    };
    EXPECT_EQ(text(L"ProductName"), L"CMM Points");
    EXPECT_EQ(text(L"OriginalFilename"), L"cmm_points.exe");
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
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
