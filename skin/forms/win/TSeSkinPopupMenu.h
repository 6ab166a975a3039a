#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "skin/objects/Geometry.h"

class TSeBitmap;
class TSeSkinObject;

// One line of a popup menu. "&" in the caption marks its access key ("&&" is an ampersand);
// the caption "-" is a separator.
struct TSeMenuEntry {
  std::u16string Caption;
  std::u16string ShortCut;
  // What Popup answers when the entry is chosen; not 0.
  std::int32_t Command = 0;
  bool Enabled = true;
  // Drawn in the image column with its key colour left out; not owned.
  const TSeBitmap* Image = nullptr;

  bool IsSeparator() const { return Caption == u"-"; }
};

// A popup menu painted from a skin's "PopupMenu" object: the window is its "Frame" (its
// margins inset the items, 3 pixels without one) and every entry is its "Item" object with the
// entry's caption, shortcut, enabled state and osHot while selected. It runs its own modal
// loop: arrows and Home/End move the selection, Enter chooses, Escape or a click elsewhere
// closes, an access letter chooses its entry, the mouse selects and clicks. Without a skin
// object (or without its "Item") the platform's own menu is shown instead.
class TSeSkinPopupMenu {
 public:
  // The class name of the menu's window, for finding it from outside.
  static constexpr const wchar_t* kWindowClass = L"TSeSkinPopupMenu";

  // popupObject: the skin's top-level "PopupMenu" object, or null; a private copy is kept.
  explicit TSeSkinPopupMenu(const TSeSkinObject* popupObject);
  TSeSkinPopupMenu(const TSeSkinPopupMenu&) = delete;
  TSeSkinPopupMenu& operator=(const TSeSkinPopupMenu&) = delete;
  ~TSeSkinPopupMenu();

  bool IsSkinned() const;

  // Shows the menu with its top-left corner at the screen point (moved to stay on the
  // monitor) for owner, and answers the chosen entry's command, or 0 when none was chosen.
  std::int32_t Popup(HWND owner, POINT at, const std::vector<TSeMenuEntry>& entries);

  // The skinned layout: each entry's rectangle in the window and the window's size.
  struct TLayout {
    std::vector<TRect> Items;
    TSize Size;
  };
  TLayout Measure(const std::vector<TSeMenuEntry>& entries) const;

 private:
  class TView;
  std::int32_t PlatformPopup(HWND owner, POINT at, const std::vector<TSeMenuEntry>& entries);

  std::unique_ptr<TSeSkinObject> copy_;
  TSeSkinObject* frame_ = nullptr;
  TSeSkinObject* item_ = nullptr;
  TSeSkinObject* gutter_ = nullptr;
};
