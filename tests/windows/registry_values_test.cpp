// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT

#include "platform/store/registry_settings_store.h"
#include "platform/store/registry_values.h"

#include <QList>
#include <gtest/gtest.h>
#include <windows.h>

namespace tessavundo {
namespace {

// Each test works below a key of its own in the Wine prefix's registry and removes it again.
class RegistryValuesTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        keyPath_ = QStringLiteral("Software\\Tessavundo tests\\") + QLatin1String(info->name());
        ::RegDeleteTreeW(HKEY_CURRENT_USER, Wide(keyPath_));
    }
    void TearDown() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, Wide(keyPath_)); }

    static LPCWSTR Wide(const QString& text) { return reinterpret_cast<LPCWSTR>(text.utf16()); }

    // Writes a value of any type the way another program would.
    void PutRaw(const QString& name, DWORD type, const void* data, DWORD size) {
        HKEY key = nullptr;
        ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, Wide(keyPath_), 0, nullptr, 0, KEY_SET_VALUE,
                                    nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(::RegSetValueExW(key, Wide(name), 0, type, static_cast<const BYTE*>(data), size),
                  ERROR_SUCCESS);
        ::RegCloseKey(key);
    }

    DWORD TypeOf(const QString& name) {
        DWORD type = REG_NONE;
        if (::RegGetValueW(HKEY_CURRENT_USER, Wide(keyPath_), Wide(name), RRF_RT_ANY, &type,
                           nullptr, nullptr) != ERROR_SUCCESS)
            return REG_NONE;
        return type;
    }

    QString keyPath_;
};

TEST_F(RegistryValuesTest, WritesEveryPairAsTextAndReadsItBack) {
    const QList<std::pair<QString, QString>> values{{"left", "1920"},
                                                    {"top", "-300"},
                                                    {"color", "-2147483643"},
                                                    {"col1", ""},
                                                    {"col2", QStringLiteral("grün ✓")}};
    ASSERT_TRUE(WriteRegistryTexts(keyPath_, values));
    for (const auto& [name, text] : values) {
        EXPECT_EQ(ReadRegistryText(keyPath_, name), std::optional<QString>(text))
            << name.toStdString();
        EXPECT_EQ(TypeOf(name), static_cast<DWORD>(REG_SZ)) << name.toStdString();
    }
    // A second write replaces the values.
    ASSERT_TRUE(WriteRegistryTexts(keyPath_, {{"left", "15"}}));
    EXPECT_EQ(ReadRegistryText(keyPath_, "left"), std::optional<QString>("15"));
}

TEST_F(RegistryValuesTest, MissingKeysValuesAndOtherTypesReadAsMissing) {
    EXPECT_EQ(ReadRegistryText(keyPath_, "left"), std::nullopt);
    const DWORD number = 255;
    PutRaw("color", REG_DWORD, &number, sizeof number);
    const wchar_t expandable[] = L"%TEMP%";
    PutRaw("col1", REG_EXPAND_SZ, expandable, sizeof expandable);
    const wchar_t list[] = L"1\0002\0";
    PutRaw("col2", REG_MULTI_SZ, list, sizeof list);
    EXPECT_EQ(ReadRegistryText(keyPath_, "color"), std::nullopt);
    EXPECT_EQ(ReadRegistryText(keyPath_, "col1"), std::nullopt);
    EXPECT_EQ(ReadRegistryText(keyPath_, "col2"), std::nullopt);
    EXPECT_EQ(ReadRegistryText(keyPath_, "col3"), std::nullopt);
}

// Another program may leave REG_SZ data without its final NUL, with an odd byte count, or with
// text after a NUL; the text ends where Windows's own readers end it.
TEST_F(RegistryValuesTest, ForeignTextDataReadsUpToItsFirstNul) {
    const wchar_t unterminated[] = {L'2', L'5', L'5'};
    PutRaw("color", REG_SZ, unterminated, sizeof unterminated);
    PutRaw("col1", REG_SZ, unterminated, sizeof unterminated - 1);
    const wchar_t inner[] = L"12\0"
                            L"34";
    PutRaw("col2", REG_SZ, inner, sizeof inner);
    PutRaw("col3", REG_SZ, L"", 0);
    EXPECT_EQ(ReadRegistryText(keyPath_, "color"), std::optional<QString>("255"));
    EXPECT_EQ(ReadRegistryText(keyPath_, "col1"), std::optional<QString>("25"));
    EXPECT_EQ(ReadRegistryText(keyPath_, "col2"), std::optional<QString>("12"));
    EXPECT_EQ(ReadRegistryText(keyPath_, "col3"), std::optional<QString>(""));
}

// The registry refuses value names longer than 16383 characters, which makes the third write
// fail after two have succeeded: both go back to what they were, of whatever type.
TEST_F(RegistryValuesTest, AFailedWriteRestoresTheEarlierValues) {
    const DWORD number = 7;
    PutRaw("top", REG_DWORD, &number, sizeof number);
    ASSERT_TRUE(WriteRegistryTexts(keyPath_, {{"left", "100"}}));
    const QString tooLong(20000, QLatin1Char('x'));
    EXPECT_FALSE(WriteRegistryTexts(
        keyPath_,
        {{"left", "200"}, {"top", "300"}, {"color", "400"}, {tooLong, "500"}, {"col1", "600"}}));
    EXPECT_EQ(ReadRegistryText(keyPath_, "left"), std::optional<QString>("100"));
    EXPECT_EQ(TypeOf("top"), static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(TypeOf("color"), static_cast<DWORD>(REG_NONE)) << "a value that did not exist";
    EXPECT_EQ(TypeOf("col1"), static_cast<DWORD>(REG_NONE));
}

TEST_F(RegistryValuesTest, ATextWithANulIsRefusedUnwritten) {
    ASSERT_TRUE(WriteRegistryTexts(keyPath_, {{"left", "100"}}));
    EXPECT_FALSE(WriteRegistryTexts(
        keyPath_, {{"left", "200"}, {"top", QStringLiteral("1") + QChar(u'\0') + "2"}}));
    EXPECT_EQ(ReadRegistryText(keyPath_, "left"), std::optional<QString>("100"));
    EXPECT_EQ(ReadRegistryText(keyPath_, "top"), std::nullopt);
}

TEST(RegistrySettingsStoreTest, KeepsTheSettingsWhereEarlierProgramsOfThisLayoutDid) {
    EXPECT_EQ(RegistrySettingsStore::KeyPath("ColorPicker", "position"),
              QStringLiteral("Software\\VB and VBA Program Settings\\ColorPicker\\position"));

    const QString application = QStringLiteral("Tessavundo store test");
    const QString path = RegistrySettingsStore::KeyPath(application, "position");
    ::RegDeleteTreeW(HKEY_CURRENT_USER, reinterpret_cast<LPCWSTR>(path.utf16()));
    RegistrySettingsStore store(application, "position");
    EXPECT_EQ(store.GetSetting("color", "255"), std::optional<QString>("255"));
    EXPECT_EQ(store.GetSetting("left"), std::optional<QString>(""));
    ASSERT_TRUE(store.SaveSettings({{"left", "1500"}, {"color", "16711680"}}));
    EXPECT_EQ(store.GetSetting("color", "255"), std::optional<QString>("16711680"));
    EXPECT_EQ(ReadRegistryText(path, "color"), std::optional<QString>("16711680"));
    EXPECT_EQ(ReadRegistryText(path, "left"), std::optional<QString>("1500"));
    ::RegDeleteTreeW(HKEY_CURRENT_USER,
                     reinterpret_cast<LPCWSTR>(QStringLiteral("Software\\VB and VBA Program "
                                                              "Settings\\Tessavundo store test")
                                                   .utf16()));
}

} // namespace
} // namespace tessavundo
