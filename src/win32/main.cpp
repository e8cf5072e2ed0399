// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  MessageBoxW(nullptr, L"鼎衡股票计算器", L"鼎衡股票计算器", MB_OK);
  return 0;
}
