// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/ini_settings.h"

#include <windows.h>

#include <utility>

#include "win32/utf16.h"

namespace stockcalc {
namespace {

constexpr const wchar_t* kFileName = L"stockcalc.ini";

// The settings this program writes take a few hundred bytes. A larger file
// is not one of ours: reading it would slow every start, and writing would
// replace it, so it is left alone.
constexpr ULONGLONG kLargestSettingsFile = 1 << 20;

bool IsFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// A plain file of a settings file's size, or nothing there yet.
bool Usable(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) == FALSE) {
    return GetLastError() == ERROR_FILE_NOT_FOUND || GetLastError() == ERROR_PATH_NOT_FOUND;
  }
  const ULONGLONG size = (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  return (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && size <= kLargestSettingsFile;
}

std::wstring ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  DWORD length = 0;
  while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) == path.size()) {
    path.resize(path.size() * 2);
  }
  path.resize(length);
  return path.substr(0, path.find_last_of(L"\\/") + 1);
}

std::wstring AppDataFolder() {
  const DWORD length = GetEnvironmentVariableW(L"APPDATA", nullptr, 0);
  if (length == 0) return {};
  std::wstring folder(length, L'\0');
  folder.resize(GetEnvironmentVariableW(L"APPDATA", folder.data(), length));
  return folder.empty() ? folder : folder + L"\\stockcalc";
}

// "window/stay_on_top" → section "window", name "stay_on_top"; a key
// without a section goes to [General], as in the Linux settings file.
std::pair<std::wstring, std::wstring> SectionAndName(std::string_view key) {
  const std::size_t slash = key.find('/');
  if (slash == std::string_view::npos) return {L"General", Widen(key)};
  return {Widen(key.substr(0, slash)), Widen(key.substr(slash + 1))};
}

}  // namespace

IniSettings::IniSettings() {
  std::wstring beside = ProgramFolder() + kFileName;
  if (IsFile(beside)) {
    path_ = std::move(beside);
    return;
  }
  const std::wstring folder = AppDataFolder();
  if (!folder.empty()) path_ = folder + L"\\" + kFileName;
}

std::optional<std::string> IniSettings::Read(std::string_view key) const {
  if (path_.empty() || !IsFile(path_) || !Usable(path_)) return std::nullopt;
  const auto [section, name] = SectionAndName(key);
  // A value no settings file holds tells a missing key from an empty one.
  constexpr const wchar_t* kMissing = L"\x1F(missing)\x1F";
  wchar_t value[1024];
  GetPrivateProfileStringW(section.c_str(), name.c_str(), kMissing, value, 1024, path_.c_str());
  if (std::wstring_view(value) == kMissing) return std::nullopt;
  return Narrow(value);
}

void IniSettings::Write(std::string_view key, std::string_view value) {
  if (path_.empty() || !Usable(path_)) return;
  const std::size_t folder_end = path_.find_last_of(L'\\');
  if (folder_end != std::wstring::npos) CreateDirectoryW(path_.substr(0, folder_end).c_str(), nullptr);
  const auto [section, name] = SectionAndName(key);
  WritePrivateProfileStringW(section.c_str(), name.c_str(), Widen(value).c_str(), path_.c_str());
}

}  // namespace stockcalc
