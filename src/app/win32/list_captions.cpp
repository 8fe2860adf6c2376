#include "app/win32/list_captions.h"

#include <initguid.h>
// oleacc.h needs the GUIDs defined above.
#include <oleacc.h>

#include "app/dialog_template.h"
#include "platform/windows/wide_text.h"

namespace vestara {

void NameListsByTheirCaptions(HWND dialog) {
  IAccPropServices* service = nullptr;
  if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IAccPropServices, reinterpret_cast<void**>(&service)))) {
    return;
  }
  for (const TemplateControl& control : DialogTemplate()) {
    if (!control.id || control.kind != TemplateControlKind::Combo) continue;
    const std::wstring name = WideFromUtf8(ListCaption(*control.id));
    service->SetHwndPropStr(GetDlgItem(dialog, *control.id), static_cast<DWORD>(OBJID_CLIENT),
                            CHILDID_SELF, PROPID_ACC_NAME, name.c_str());
  }
  service->Release();
}

}  // namespace vestara
