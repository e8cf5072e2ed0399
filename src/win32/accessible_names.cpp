// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/accessible_names.h"

#include <initguid.h>  // the annotation service's ids, defined here
#include <objbase.h>
#include <oleacc.h>

#include <string>

namespace stockcalc {
namespace {

// The annotation service, made on first use and kept for the program's
// run. COM is loaded only then, not at start-up.
IAccPropServices* Service() {
  static IAccPropServices* const service = []() -> IAccPropServices* {
    HMODULE com = LoadLibraryW(L"ole32.dll");
    if (com == nullptr) return nullptr;
    using Initialize = HRESULT(WINAPI*)(void*, DWORD);
    using Create = HRESULT(WINAPI*)(REFCLSID, IUnknown*, DWORD, REFIID, void**);
    const auto initialize =
        reinterpret_cast<Initialize>(reinterpret_cast<void*>(GetProcAddress(com, "CoInitializeEx")));
    const auto create = reinterpret_cast<Create>(reinterpret_cast<void*>(GetProcAddress(com, "CoCreateInstance")));
    if (initialize == nullptr || create == nullptr || FAILED(initialize(nullptr, COINIT_APARTMENTTHREADED))) {
      return nullptr;
    }
    IAccPropServices* made = nullptr;
    if (FAILED(create(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                      reinterpret_cast<void**>(&made)))) {
      return nullptr;
    }
    return made;
  }();
  return service;
}

}  // namespace

void SetAccessibleName(HWND control, std::wstring_view name) {
  IAccPropServices* service = Service();
  if (service == nullptr) return;
  const std::wstring text(name);
  service->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME, text.c_str());
}

}  // namespace stockcalc
