#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "framework/core/win/Handles.h"
#include "framework/ui/Messages.h"

class TControlHook;
class TWinControl;

// The process's hooked windows, and a utility window that reinstalls a record after its
// window was destroyed (SE_REHOOK) and frees records left without hooks (SE_FREEHOOK). Both
// are posted, never sent: a record is never freed or reinstalled inside its own procedure.
class THookList {
 public:
  THookList(const THookList&) = delete;
  THookList& operator=(const THookList&) = delete;
  ~THookList();

  // Created on first use.
  static THookList& Instance();
  // None before the first use and after the process's list went.
  static THookList* Existing();

  TControlHook* FindHook(TWinControl* control) const;
  // The control's record, made and bound when it has none.
  TControlHook* GetHook(TWinControl* control);
  bool Contains(const TControlHook* hook) const;
  // The record leaves the list (its destructor calls this).
  void Remove(TControlHook* hook);
  void Post(UINT msg, TControlHook* hook);
  std::size_t Count() const { return hooks_.size(); }

 private:
  THookList();
  bool UtilityMessage(TMessage& message);

  std::vector<TControlHook*> hooks_;
  Handles::Window utility_;
};
