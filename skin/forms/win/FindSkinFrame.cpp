#include "skin/forms/win/FindSkinFrame.h"

#include "framework/ui/TCustomForm.h"
#include "skin/forms/win/TSeCustomForm.h"

TSeCustomForm* FindSkinFrame(TControl* control) {
  if (!control) return nullptr;
  TControl* top = control;
  while (top->Parent()) top = top->Parent();
  auto* form = dynamic_cast<TCustomForm*>(top);
  if (!form) return nullptr;
  for (std::int32_t i = 0; i < form->ComponentCount(); ++i)
    if (auto* frame = dynamic_cast<TSeCustomForm*>(form->Components(i)); frame && frame->Active())
      return frame;
  return nullptr;
}
