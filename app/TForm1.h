#pragma once

// The main window: three tabs that turn the merchant's values into a payment-button snippet in
// the tab's memo (generate once, clear, copy, save), and a fourth that opens the sign-up
// window. Everything it shows comes from its stored definition (resource TFORM1).

#include <string>

#include "framework/ui/TForm.h"
#include "generator/SnippetGenerator.h"

class TMemo;
class TSaveDialog;
class TSeSkinButton;
class TSeSkinEdit;
class TSeSkinPageControl;

class TForm1 : public TForm {
  QM_CLASS(TForm1, TForm)

 public:
  explicit TForm1(TComponent* owner);
  static void DeclareProperties(TPropertyBuilder<TForm1>& p);

  // Generate Code, per tab.
  void SeSkinButton1Click(TObject* sender);
  void SeSkinButton5Click(TObject* sender);
  void SeSkinButton9Click(TObject* sender);
  // Clear all / Clear All, per tab.
  void SeSkinButton4Click(TObject* sender);
  void SeSkinButton6Click(TObject* sender);
  void SeSkinButton10Click(TObject* sender);
  // Copy to Clipboard, per tab.
  void SeSkinButton2Click(TObject* sender);
  void SeSkinButton7Click(TObject* sender);
  void SeSkinButton11Click(TObject* sender);
  // Save to File, per tab.
  void SeSkinButton3Click(TObject* sender);
  void SeSkinButton8Click(TObject* sender);
  void SeSkinButton12Click(TObject* sender);
  // Create: shows the sign-up window.
  void SeSkinButton13Click(TObject* sender);

  TSeSkinPageControl* SeSkinPageControl1 = nullptr;
  TSeSkinEdit* SeSkinEdit3 = nullptr;
  TSeSkinEdit* SeSkinEdit4 = nullptr;
  TSeSkinEdit* SeSkinEdit5 = nullptr;
  TSeSkinEdit* SeSkinEdit8 = nullptr;
  TSeSkinEdit* SeSkinEdit13 = nullptr;
  TSeSkinEdit* SeSkinEdit14 = nullptr;
  TSeSkinEdit* SeSkinEdit15 = nullptr;
  TSeSkinButton* SeSkinButton1 = nullptr;
  TSeSkinButton* SeSkinButton5 = nullptr;
  TSeSkinButton* SeSkinButton9 = nullptr;
  TMemo* SeSkinMemo1 = nullptr;
  TMemo* SeSkinMemo2 = nullptr;
  TMemo* SeSkinMemo3 = nullptr;
  TSaveDialog* SaveDialog1 = nullptr;

 private:
  void Generate(TSnippetKind kind, TSeSkinEdit* email, TSeSkinEdit* returnUrl,
                TSeSkinEdit* cancelUrl, TMemo* memo, TSeSkinButton* button);
  void ClearTab(TMemo* memo, TSeSkinButton* button);
  void CopyMemo(TMemo* memo);
  void SaveMemo(TMemo* memo);
};

// The program's windows, made at start-up.
extern TForm1* Form1;
