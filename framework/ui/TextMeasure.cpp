#include "framework/ui/TextMeasure.h"

#include "framework/core/win/Handles.h"

SIZE MeasureText(HFONT font, std::wstring_view text) {
  // Kept for the whole process, like the window classes: measuring may still happen while
  // static objects go away.
  static const auto* context = new Handles::CreatedDC(Handles::CreatedDC::Compatible(nullptr));
  SIZE size{0, 0};
  const Handles::SelectedObject selected(context->Get(), font);
  GetTextExtentPoint32W(context->Get(), text.data(), static_cast<int>(text.size()), &size);
  return size;
}
