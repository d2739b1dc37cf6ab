// Sees every dialog box the test thread opens (message boxes, the About box), writes down
// what it shows and closes it with its OK button, so that a call that shows a box returns.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace morlune::testing {

struct SeenBox {
  std::wstring caption;
  std::wstring text;                 // the message box's text control (id 0xFFFF)
  std::vector<std::wstring> labels;  // every child control's text, in z-order
  int buttonCount = 0;
  bool hasOkButton = false;
  bool showsInformationIcon = false;
  HWND owner = nullptr;
  bool watchedWindowEnabled = false;  // the window given to the watcher, while the box was up
};

class ModalBoxWatcher {
 public:
  // onShown runs while the box is open, before it is closed: the moment to look at the board
  // as the player sees it behind the message.
  explicit ModalBoxWatcher(HWND watchedWindow, std::function<void(const SeenBox&)> onShown = {});
  ~ModalBoxWatcher();
  ModalBoxWatcher(const ModalBoxWatcher&) = delete;
  ModalBoxWatcher& operator=(const ModalBoxWatcher&) = delete;

  const std::vector<SeenBox>& Seen() const { return seen_; }

 private:
  static LRESULT CALLBACK HookProcedure(int code, WPARAM wParam, LPARAM lParam);
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR timer, DWORD);
  void OnActivate(HWND box);
  void SurveyAndClose(HWND box);

  HWND watchedWindow_;
  std::function<void(const SeenBox&)> onShown_;
  HHOOK hook_ = nullptr;
  std::vector<HWND> handled_;
  std::vector<HWND> pending_;
  std::vector<SeenBox> seen_;
};

}  // namespace morlune::testing
