#include "bench/win/GdiCallCounter.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

namespace {

enum TCall {
  kCreateDIBSection,
  kCreateCompatibleDC,
  kCreateCompatibleBitmap,
  kCreateRectRgn,
  kExtCreateRegion,
  kCombineRgn,
  kSetWindowRgn,
  kSelectClipRgn,
  kBitBlt,
  kStretchBlt,
  kTransparentBlt,
  kAlphaBlend,
  kGetDIBits,
  kCreateSolidBrush,
  kCreatePen,
  kCreateFontIndirectW,
  kDrawTextW,
  kGetWindowDC,
  kCallCount
};
const char* const kNames[kCallCount] = {
    "CreateDIBSection",    "CreateCompatibleDC", "CreateCompatibleBitmap",
    "CreateRectRgn",       "ExtCreateRegion",    "CombineRgn",
    "SetWindowRgn",        "SelectClipRgn",      "BitBlt",
    "StretchBlt",          "TransparentBlt",     "AlphaBlend",
    "GetDIBits",           "CreateSolidBrush",   "CreatePen",
    "CreateFontIndirectW", "DrawTextW",          "GetDCEx/GetWindowDC"};
long counts[kCallCount] = {};

decltype(&CreateDIBSection) realCreateDIBSection;
decltype(&CreateCompatibleDC) realCreateCompatibleDC;
decltype(&CreateCompatibleBitmap) realCreateCompatibleBitmap;
decltype(&CreateRectRgn) realCreateRectRgn;
decltype(&ExtCreateRegion) realExtCreateRegion;
decltype(&CombineRgn) realCombineRgn;
decltype(&SetWindowRgn) realSetWindowRgn;
decltype(&SelectClipRgn) realSelectClipRgn;
decltype(&BitBlt) realBitBlt;
decltype(&StretchBlt) realStretchBlt;
decltype(&GdiAlphaBlend) realAlphaBlend;
decltype(&GetDIBits) realGetDIBits;
decltype(&CreateSolidBrush) realCreateSolidBrush;
decltype(&CreatePen) realCreatePen;
decltype(&CreateFontIndirectW) realCreateFontIndirectW;
decltype(&DrawTextW) realDrawTextW;
decltype(&GetWindowDC) realGetWindowDC;
decltype(&GetDCEx) realGetDCEx;
decltype(&GetProcAddress) realGetProcAddress;
using TransparentBltFn = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, UINT);
TransparentBltFn realTransparentBlt;

HBITMAP WINAPI CountedCreateDIBSection(HDC a, const BITMAPINFO* b, UINT c, void** d, HANDLE e,
                                       DWORD f) {
  ++counts[kCreateDIBSection];
  return realCreateDIBSection(a, b, c, d, e, f);
}
HDC WINAPI CountedCreateCompatibleDC(HDC a) {
  ++counts[kCreateCompatibleDC];
  return realCreateCompatibleDC(a);
}
HBITMAP WINAPI CountedCreateCompatibleBitmap(HDC a, int b, int c) {
  ++counts[kCreateCompatibleBitmap];
  return realCreateCompatibleBitmap(a, b, c);
}
HRGN WINAPI CountedCreateRectRgn(int a, int b, int c, int d) {
  ++counts[kCreateRectRgn];
  return realCreateRectRgn(a, b, c, d);
}
HRGN WINAPI CountedExtCreateRegion(const XFORM* a, DWORD b, const RGNDATA* c) {
  ++counts[kExtCreateRegion];
  return realExtCreateRegion(a, b, c);
}
int WINAPI CountedCombineRgn(HRGN a, HRGN b, HRGN c, int d) {
  ++counts[kCombineRgn];
  return realCombineRgn(a, b, c, d);
}
int WINAPI CountedSetWindowRgn(HWND a, HRGN b, BOOL c) {
  ++counts[kSetWindowRgn];
  return realSetWindowRgn(a, b, c);
}
int WINAPI CountedSelectClipRgn(HDC a, HRGN b) {
  ++counts[kSelectClipRgn];
  return realSelectClipRgn(a, b);
}
BOOL WINAPI CountedBitBlt(HDC a, int b, int c, int d, int e, HDC f, int g, int h, DWORD i) {
  ++counts[kBitBlt];
  return realBitBlt(a, b, c, d, e, f, g, h, i);
}
BOOL WINAPI CountedStretchBlt(HDC a, int b, int c, int d, int e, HDC f, int g, int h, int i, int j,
                              DWORD k) {
  ++counts[kStretchBlt];
  return realStretchBlt(a, b, c, d, e, f, g, h, i, j, k);
}
BOOL WINAPI CountedTransparentBlt(HDC a, int b, int c, int d, int e, HDC f, int g, int h, int i,
                                  int j, UINT k) {
  ++counts[kTransparentBlt];
  return realTransparentBlt(a, b, c, d, e, f, g, h, i, j, k);
}
BOOL WINAPI CountedAlphaBlend(HDC a, int b, int c, int d, int e, HDC f, int g, int h, int i, int j,
                              BLENDFUNCTION k) {
  ++counts[kAlphaBlend];
  return realAlphaBlend(a, b, c, d, e, f, g, h, i, j, k);
}
int WINAPI CountedGetDIBits(HDC a, HBITMAP b, UINT c, UINT d, void* e, BITMAPINFO* f, UINT g) {
  ++counts[kGetDIBits];
  return realGetDIBits(a, b, c, d, e, f, g);
}
HBRUSH WINAPI CountedCreateSolidBrush(COLORREF a) {
  ++counts[kCreateSolidBrush];
  return realCreateSolidBrush(a);
}
HPEN WINAPI CountedCreatePen(int a, int b, COLORREF c) {
  ++counts[kCreatePen];
  return realCreatePen(a, b, c);
}
HFONT WINAPI CountedCreateFontIndirectW(const LOGFONTW* a) {
  ++counts[kCreateFontIndirectW];
  return realCreateFontIndirectW(a);
}
int WINAPI CountedDrawTextW(HDC a, LPCWSTR b, int c, LPRECT d, UINT e) {
  ++counts[kDrawTextW];
  return realDrawTextW(a, b, c, d, e);
}
HDC WINAPI CountedGetWindowDC(HWND a) {
  ++counts[kGetWindowDC];
  return realGetWindowDC(a);
}
HDC WINAPI CountedGetDCEx(HWND a, HRGN b, DWORD c) {
  ++counts[kGetWindowDC];
  return realGetDCEx(a, b, c);
}
// TransparentBlt is looked up at run time: hand out the counting one instead.
FARPROC WINAPI CountedGetProcAddress(HMODULE module, LPCSTR name) {
  FARPROC found = realGetProcAddress(module, name);
  if (found && HIWORD(reinterpret_cast<ULONG_PTR>(name)) != 0 &&
      std::strcmp(name, "TransparentBlt") == 0) {
    realTransparentBlt = reinterpret_cast<TransparentBltFn>(reinterpret_cast<void*>(found));
    return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&CountedTransparentBlt));
  }
  return found;
}

struct TEntry {
  const wchar_t* Module;
  const char* Name;
  void** Real;
  void* Counted;
};

template <typename F>
TEntry Entry(const wchar_t* module, const char* name, F* real, F counted) {
  return TEntry{module, name, reinterpret_cast<void**>(real), reinterpret_cast<void*>(counted)};
}

}  // namespace

namespace GdiCallCounter {

void Install() {
  LoadLibraryW(L"msimg32.dll");
  const TEntry entries[] = {
      Entry(L"gdi32.dll", "CreateDIBSection", &realCreateDIBSection, &CountedCreateDIBSection),
      Entry(L"gdi32.dll", "CreateCompatibleDC", &realCreateCompatibleDC,
            &CountedCreateCompatibleDC),
      Entry(L"gdi32.dll", "CreateCompatibleBitmap", &realCreateCompatibleBitmap,
            &CountedCreateCompatibleBitmap),
      Entry(L"gdi32.dll", "CreateRectRgn", &realCreateRectRgn, &CountedCreateRectRgn),
      Entry(L"gdi32.dll", "ExtCreateRegion", &realExtCreateRegion, &CountedExtCreateRegion),
      Entry(L"gdi32.dll", "CombineRgn", &realCombineRgn, &CountedCombineRgn),
      Entry(L"user32.dll", "SetWindowRgn", &realSetWindowRgn, &CountedSetWindowRgn),
      Entry(L"gdi32.dll", "SelectClipRgn", &realSelectClipRgn, &CountedSelectClipRgn),
      Entry(L"gdi32.dll", "BitBlt", &realBitBlt, &CountedBitBlt),
      Entry(L"gdi32.dll", "StretchBlt", &realStretchBlt, &CountedStretchBlt),
      Entry(L"msimg32.dll", "AlphaBlend", &realAlphaBlend, &CountedAlphaBlend),
      Entry(L"gdi32.dll", "GetDIBits", &realGetDIBits, &CountedGetDIBits),
      Entry(L"gdi32.dll", "CreateSolidBrush", &realCreateSolidBrush, &CountedCreateSolidBrush),
      Entry(L"gdi32.dll", "CreatePen", &realCreatePen, &CountedCreatePen),
      Entry(L"gdi32.dll", "CreateFontIndirectW", &realCreateFontIndirectW,
            &CountedCreateFontIndirectW),
      Entry(L"user32.dll", "DrawTextW", &realDrawTextW, &CountedDrawTextW),
      Entry(L"user32.dll", "GetWindowDC", &realGetWindowDC, &CountedGetWindowDC),
      Entry(L"user32.dll", "GetDCEx", &realGetDCEx, &CountedGetDCEx),
      Entry(L"kernel32.dll", "GetProcAddress", &realGetProcAddress, &CountedGetProcAddress),
  };
  for (const TEntry& e : entries)
    *e.Real = reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(e.Module), e.Name));

  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  for (auto* d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
       d->Name != 0; ++d) {
    for (auto* t = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk); t->u1.Function; ++t) {
      for (const TEntry& e : entries) {
        if (*e.Real == nullptr || reinterpret_cast<void*>(t->u1.Function) != *e.Real) continue;
        DWORD old = 0;
        VirtualProtect(&t->u1.Function, sizeof(t->u1.Function), PAGE_READWRITE, &old);
        t->u1.Function = reinterpret_cast<ULONG_PTR>(e.Counted);
        VirtualProtect(&t->u1.Function, sizeof(t->u1.Function), old, &old);
      }
    }
  }
}

void Reset() {
  std::fill(std::begin(counts), std::end(counts), 0L);
}

std::vector<std::pair<std::string, long>> Counts() {
  std::vector<std::pair<std::string, long>> seen;
  for (int i = 0; i < kCallCount; ++i)
    if (counts[i] != 0) seen.emplace_back(kNames[i], counts[i]);
  std::stable_sort(seen.begin(), seen.end(),
                   [](const auto& a, const auto& b) { return a.second > b.second; });
  return seen;
}

}  // namespace GdiCallCounter
