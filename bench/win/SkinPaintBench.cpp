// How much the skin costs on screen: the same windows painted and resized skinned and plain,
// in one run, so the ratio holds whatever the machine's load. Each measurement is warmed up,
// then taken in several rounds that alternate the two looks; the median round counts.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench/win/GdiCallCounter.h"
#include "framework/ui/TApplication.h"
#include "framework/ui/TForm.h"
#include "skin/controls/win/SkinControls.h"
#include "skin/controls/win/TSeCustomGroupBox.h"
#include "skin/controls/win/TSeCustomLabel.h"
#include "skin/controls/win/TSeCustomPanel.h"
#include "skin/controls/win/TSeSkinButton.h"
#include "skin/controls/win/TSeSkinEdit.h"
#include "skin/controls/win/TSeSkinMemo.h"
#include "skin/controls/win/TSeSkinScrollBar.h"
#include "skin/controls/win/TSeCustomTabSheet.h"
#include "skin/controls/win/TSeSkinPageControl.h"
#include "skin/engine/TSeSkinEngine.h"
#include "skin/forms/win/TSeSkinForm.h"
#include "skin/objects/TSeSkinObject.h"

namespace {

constexpr int kRounds = 7;

void Pump() {
  for (int i = 0; i < 3; ++i) Application->ProcessMessages();
}

double NowMs() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return double(f.QuadPart);
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return double(now.QuadPart) * 1000.0 / frequency;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// One look of a measured window: what to do once, and how many times per round.
struct TLook {
  const char* Name;
  std::function<void()> Once;
};

// Times count calls of each look per round, the looks alternating, and answers each look's
// median milliseconds per call.
std::vector<double> Compare(const std::vector<TLook>& looks, int count) {
  for (const TLook& look : looks)
    for (int i = 0; i < std::max(1, count / 5); ++i) look.Once();
  std::vector<std::vector<double>> rounds(looks.size());
  for (int r = 0; r < kRounds; ++r) {
    for (std::size_t k = 0; k < looks.size(); ++k) {
      Pump();
      const double start = NowMs();
      for (int i = 0; i < count; ++i) looks[k].Once();
      GdiFlush();
      rounds[k].push_back((NowMs() - start) / count);
    }
  }
  std::vector<double> medians;
  for (const auto& r : rounds) medians.push_back(Median(r));
  return medians;
}

// Prints each look's time and its ratio to the look at baseline.
void Report(const char* what, const std::vector<TLook>& looks, const std::vector<double>& ms,
            const char* unit, std::size_t baseline) {
  std::printf("%s\n", what);
  for (std::size_t k = 0; k < looks.size(); ++k)
    std::printf("  %-34s %9.3f ms %s\n", looks[k].Name, ms[k], unit);
  for (std::size_t k = 0; k < looks.size(); ++k)
    if (k != baseline)
      std::printf("  ratio %s / %s = %.2f\n", looks[k].Name, looks[baseline].Name,
                  ms[k] / ms[baseline]);
  // What one call of each look asks of GDI.
  for (const TLook& look : looks) {
    Pump();
    GdiCallCounter::Reset();
    look.Once();
    std::printf("  calls, %s:", look.Name);
    for (const auto& [name, count] : GdiCallCounter::Counts())
      std::printf(" %s %ld", name.c_str(), count);
    std::printf("\n");
  }
  std::fflush(stdout);
}

// A form at a place of its own; skinned when an engine is given, the library's plain frame
// when a frame but no engine, the platform's frame when neither.
struct TFrameWindow {
  TFrameWindow(int left, int top, bool withFrame, TSeSkinEngine* engine) {
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(left, top, 400, 300);
    if (withFrame) {
      frame = new TSeSkinForm(form.get());
      if (engine) frame->SetSkinEngine(engine);
      frame->Loaded();
    }
    form->Show();
    Pump();
  }
  HWND Window() const { return form->Handle(); }
  std::unique_ptr<TForm> form;
  TSeSkinForm* frame = nullptr;
};

void FrameBenchmarks(TSeSkinEngine& engine) {
  TFrameWindow skinned(20, 20, true, &engine);
  TFrameWindow plain(440, 20, true, nullptr);
  TFrameWindow platform(20, 340, false, nullptr);
  const auto ncPaint = [](HWND w) { return [w] { SendMessageW(w, WM_NCPAINT, 1, 0); }; };
  // A skin object's change makes the frame draw everything again, as the first paint of a look.
  TSeSkinObject* title = skinned.frame->SkinCopy()->FindByKind(TSeKind::skTitle);
  TSeSkinForm* skinnedFrame = skinned.frame;
  const std::vector<TLook> paint{
      {"skinned (program's skin)", ncPaint(skinned.Window())},
      {"skinned, drawn afresh", [skinnedFrame, title] { skinnedFrame->ObjectChanged(title); }},
      {"plain frame (no engine)", ncPaint(plain.Window())},
      {"platform frame (no frame hook)", ncPaint(platform.Window())}};
  Report("(a) full non-client repaint, 400 x 300 window", paint, Compare(paint, 200), "per paint",
         2);

  // 200 sizes, each painted before the next: the window's own paint and the frame's.
  const auto resize = [](HWND w) {
    return [w] {
      for (int i = 0; i < 200; ++i) {
        SetWindowPos(w, nullptr, 0, 0, 400 + i, 300 + i / 2,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        UpdateWindow(w);
      }
      SetWindowPos(w, nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      UpdateWindow(w);
    };
  };
  const std::vector<TLook> sizes{{"skinned (program's skin)", resize(skinned.Window())},
                                 {"plain frame (no engine)", resize(plain.Window())},
                                 {"platform frame (no frame hook)", resize(platform.Window())}};
  Report("(b) resize through 200 sizes", sizes, Compare(sizes, 1), "per 200 sizes", 1);
}

// A form full of controls, a few of each; skinned when an engine is given.
struct TControlsWindow {
  TControlsWindow(int left, TSeSkinEngine* engine) {
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(left, 20, 100, 100);
    form->SetClientSize(600, 440);
    TForm* f = form.get();
    std::vector<TControl*> skinnable;
    const auto bind = [engine](auto* control) {
      if (engine) control->SetSkinEngine(engine);
    };
    for (int i = 0; i < 3; ++i) {
      auto* b = new TSeSkinButton(f);
      b->SetParent(f);
      b->SetBounds(10 + i * 85, 10, 75, 25);
      b->SetCaption(L"Button " + std::to_wstring(i + 1));
      bind(b);
      auto* l = new TSeSkinLabel(f);
      l->SetParent(f);
      l->SetBounds(10 + i * 85, 45, 75, 16);
      l->SetCaption(L"Label " + std::to_wstring(i + 1));
      bind(l);
    }
    for (int i = 0; i < 2; ++i) {
      auto* e = new TSeSkinEdit(f);
      e->SetParent(f);
      e->SetBounds(10, 70 + i * 30, 250, 21);
      e->SetText(L"Edit text " + std::to_wstring(i + 1));
      bind(e);
      auto* g = new TSeSkinGroupBox(f);
      g->SetParent(f);
      g->SetBounds(10 + i * 130, 130, 120, 90);
      g->SetCaption(L"Group " + std::to_wstring(i + 1));
      bind(g);
      auto* p = new TSeSkinPanel(f);
      p->SetParent(f);
      p->SetBounds(280, 10 + i * 70, 150, 60);
      p->SetCaption(L"Panel " + std::to_wstring(i + 1));
      bind(p);
      auto* s = new TSeSkinScrollBar(f);
      s->SetParent(f);
      s->SetBounds(10, 230 + i * 25, 250, 17);
      s->SetMax(100);
      s->SetPosition(30 + 20 * i);
      bind(s);
    }
    auto* m = new TSeSkinMemo(f);
    m->SetParent(f);
    m->SetBounds(10, 285, 250, 140);
    m->SetScrollBars(ssBoth);
    for (int i = 0; i < 30; ++i) m->Lines().Add(u"memo line " + std::u16string(1, u'a' + i % 26));
    if (engine) m->SetSkinEngine(engine);
    auto* pages = new TSeSkinPageControl(f);
    pages->SetParent(f);
    pages->SetBounds(280, 160, 300, 260);
    for (int i = 0; i < 3; ++i) {
      auto* sheet = new TSeCustomTabSheet(f);
      sheet->SetCaption(L"Page " + std::to_wstring(i + 1));
      pages->InsertPage(pages->PageCount(), sheet);
    }
    bind(pages);
    form->Show();
    Pump();
  }
  HWND Window() const { return form->Handle(); }
  std::unique_ptr<TForm> form;
};

void ControlBenchmarks(TSeSkinEngine& engine) {
  TControlsWindow skinned(20, &engine);
  TControlsWindow plain(640, nullptr);
  const auto repaint = [](HWND w) {
    return [w] {
      RedrawWindow(w, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    };
  };
  const std::vector<TLook> looks{{"skinned controls", repaint(skinned.Window())},
                                 {"plain controls (no engine)", repaint(plain.Window())}};
  Report("(c) repaint of a form full of controls (16 controls, 3 pages)", looks, Compare(looks, 50),
         "per repaint", 1);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string skin = argc > 1 ? argv[1] : QM_PROGRAM_SKIN_FILE;
  GdiCallCounter::Install();
  RegisterSkinControls();
  TForm owner(nullptr);
  auto* engine = new TSeSkinEngine(&owner);
  engine->SetSkinFile(skin);
  std::printf("skin: %s, %d rounds, median per round\n", skin.c_str(), kRounds);
  FrameBenchmarks(*engine);
  ControlBenchmarks(*engine);
  return 0;
}
