// SPDX-License-Identifier: GPL-3.0-or-later
// The Win32 front end's own pieces, run under Wine: the one UTF-8 ⇄ UTF-16
// crossing, and the settings file, whole or broken in every way a user's
// disk can break it.

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "win32/ini_settings.h"
#include "win32/utf16.h"

namespace stockcalc {
namespace {

TEST(Utf16, RoundTripsChineseAndReplacesWhatIsNotUtf8) {
  const std::string text = "鼎衡股票计算器 12，5元 3% ↑：";
  EXPECT_EQ(Narrow(Widen(text)), text);
  EXPECT_EQ(Widen("涨停价"), L"涨停价");
  EXPECT_EQ(Widen(std::string("a\xFF" "b")), L"a\xFFFD" L"b");
  EXPECT_EQ(Narrow(L""), "");
}

// A folder of its own for each test, removed afterwards.
class IniSettingsTest : public testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"stockcalc-settings-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
              std::to_wstring(++count_);
    ASSERT_NE(CreateDirectoryW(folder_.c_str(), nullptr), FALSE);
    path_ = folder_ + L"\\stockcalc.ini";
  }
  void TearDown() override {
    DeleteFileW(path_.c_str());
    RemoveDirectoryW(path_.c_str());
    DeleteFileW((folder_ + L"\\sub\\stockcalc.ini").c_str());
    RemoveDirectoryW((folder_ + L"\\sub").c_str());
    DeleteFileW((folder_ + L"\\sub").c_str());
    RemoveDirectoryW(folder_.c_str());
  }

  void WriteFile(const std::string& bytes) const {
    std::ofstream file(std::filesystem::path(path_), std::ios::binary);
    file << bytes;
  }

  [[nodiscard]] long long Size() const {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (GetFileAttributesExW(path_.c_str(), GetFileExInfoStandard, &data) == FALSE) return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  }

  static inline int count_ = 0;
  std::wstring folder_;
  std::wstring path_;
};

TEST_F(IniSettingsTest, KeepsTheLinuxKeysAndValuesInSections) {
  IniSettings settings(path_);
  EXPECT_EQ(settings.Read("window/stay_on_top"), std::nullopt);  // no file yet
  settings.Write("window/stay_on_top", "true");
  settings.Write("fees/commission_rate", "0.018");
  settings.Write("fees/minimum_commission", "");
  EXPECT_EQ(IniSettings(path_).Read("window/stay_on_top"), "true");
  EXPECT_EQ(IniSettings(path_).Read("fees/commission_rate"), "0.018");
  EXPECT_EQ(IniSettings(path_).Read("fees/minimum_commission"), "");  // empty, not missing
  EXPECT_EQ(IniSettings(path_).Read("fees/stamp_duty_rate"), std::nullopt);

  std::ifstream file{std::filesystem::path(path_)};
  const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("[window]"), std::string::npos) << text;
  EXPECT_NE(text.find("stay_on_top=true"), std::string::npos) << text;
  EXPECT_NE(text.find("[fees]"), std::string::npos) << text;
}

TEST_F(IniSettingsTest, WritingMakesTheSettingsFolder) {
  const std::wstring nested = folder_ + L"\\sub\\stockcalc.ini";
  IniSettings settings(nested);
  settings.Write("window/stay_on_top", "true");
  EXPECT_EQ(IniSettings(nested).Read("window/stay_on_top"), "true");
}

struct BrokenFile {
  const char* tag;
  std::string bytes;
};

class BrokenIniSettings : public IniSettingsTest, public testing::WithParamInterface<BrokenFile> {};

TEST_P(BrokenIniSettings, ReadsAsNoSettingsAndStillRemembers) {
  WriteFile(GetParam().bytes);
  IniSettings settings(path_);
  EXPECT_EQ(settings.Read("window/stay_on_top"), std::nullopt);
  EXPECT_EQ(settings.Read("fees/commission_rate"), std::nullopt);
  settings.Write("window/stay_on_top", "true");
  EXPECT_EQ(IniSettings(path_).Read("window/stay_on_top"), "true");
}

INSTANTIATE_TEST_SUITE_P(
    Table, BrokenIniSettings,
    testing::Values(BrokenFile{"empty", ""}, BrokenFile{"truncated", "[window]\r\nstay_on_t"},
                    BrokenFile{"no_section", "stay_on_top=true\r\ncommission_rate=1\r\n"},
                    BrokenFile{"not_text", std::string("\x00\xFF\xFE\x01[\x00\x80\x81\x82\r\n=\x9F", 14)}),
    [](const testing::TestParamInfo<BrokenFile>& row) { return std::string(row.param.tag); });

TEST_F(IniSettingsTest, AHugeFileIsNeitherReadNorOverwritten) {
  std::string line = "[window]\r\nstay_on_top=true\r\n";
  std::string huge;
  while (huge.size() < (3u << 20)) huge += line;
  WriteFile(huge);
  const long long size = Size();
  IniSettings settings(path_);
  const DWORD started = GetTickCount();
  EXPECT_EQ(settings.Read("window/stay_on_top"), std::nullopt);
  EXPECT_LT(GetTickCount() - started, 1000u);
  settings.Write("window/stay_on_top", "false");
  EXPECT_EQ(Size(), size);
}

TEST_F(IniSettingsTest, ADirectoryWhereTheFileShouldBeCostsOnlyTheRemembering) {
  ASSERT_NE(CreateDirectoryW(path_.c_str(), nullptr), FALSE);
  IniSettings settings(path_);
  settings.Write("window/stay_on_top", "true");
  EXPECT_EQ(settings.Read("window/stay_on_top"), std::nullopt);
}

TEST_F(IniSettingsTest, AFolderThatIsAFileCostsOnlyTheRemembering) {
  const std::wstring blocked = folder_ + L"\\sub";
  { std::ofstream file{std::filesystem::path(blocked)}; }
  IniSettings settings(blocked + L"\\stockcalc.ini");
  settings.Write("window/stay_on_top", "true");
  EXPECT_EQ(settings.Read("window/stay_on_top"), std::nullopt);
}

TEST_F(IniSettingsTest, AFileAnotherProgramHoldsLockedReadsAsNoSettings) {
  WriteFile("[window]\r\nstay_on_top=true\r\n");
  HANDLE locked = CreateFileW(path_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(locked, INVALID_HANDLE_VALUE);
  IniSettings settings(path_);
  EXPECT_EQ(settings.Read("window/stay_on_top"), std::nullopt);
  settings.Write("window/stay_on_top", "false");  // fails quietly
  CloseHandle(locked);
  EXPECT_EQ(IniSettings(path_).Read("window/stay_on_top"), "true");
}

TEST(IniSettingsPlace, APortableCopyKeepsItsSettingsBesideTheProgram) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring appdata = std::wstring(temp) + L"stockcalc-appdata-" + std::to_wstring(GetCurrentProcessId());
  SetEnvironmentVariableW(L"APPDATA", appdata.c_str());
  EXPECT_EQ(IniSettings().Path(), appdata + L"\\stockcalc\\stockcalc.ini");

  wchar_t program[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH);
  std::wstring beside(program, length);
  beside = beside.substr(0, beside.find_last_of(L"\\/") + 1) + L"stockcalc.ini";
  { std::ofstream file{std::filesystem::path(beside)}; }
  EXPECT_EQ(IniSettings().Path(), beside);
  DeleteFileW(beside.c_str());
}

}  // namespace
}  // namespace stockcalc
