#pragma once

// The platform's WebBrowser control hosted in place: this window is the OLE site (client site,
// in-place site and a minimal in-place frame). Navigate raises EOleError on a failure result.

#include <windows.h>

#include <memory>
#include <string>

#include "framework/ui/TWinControl.h"

struct IWebBrowser2;
struct IOleObject;

class TWebBrowser : public TWinControl {
  QM_CLASS(TWebBrowser, TWinControl)

 public:
  explicit TWebBrowser(TComponent* owner);
  ~TWebBrowser() override;
  static void DeclareProperties(TPropertyBuilder<TWebBrowser>&) {}

  // Navigates to url (flags, target frame, post data and headers empty).
  void Navigate(const std::wstring& url);
  // The last URL asked for (whether or not a page arrived).
  const std::wstring& LastNavigatedUrl() const { return lastUrl_; }
  // The hosted control, created with the window; null before.
  IWebBrowser2* Browser() const { return browser_; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandle() override;
  void DestroyWindowHandle() override;
  void BoundsChanged() override;

 private:
  class Site;
  void ReleaseBrowser();
  void UpdateObjectRect();

  Site* site_;  // shared with the browser, see Site
  IOleObject* object_ = nullptr;
  IWebBrowser2* browser_ = nullptr;
  std::wstring lastUrl_;
  bool oleInitialized_ = false;
};
