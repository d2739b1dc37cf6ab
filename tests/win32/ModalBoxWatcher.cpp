#include "ModalBoxWatcher.h"

#include <algorithm>
#include <utility>

namespace morlune::testing {

namespace {

ModalBoxWatcher* activeWatcher = nullptr;

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

std::wstring TextOf(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
  return text;
}

struct ChildSurvey {
  SeenBox* box;
  HICON informationIcon;
};

BOOL CALLBACK SurveyChild(HWND child, LPARAM context) {
  auto& survey = *reinterpret_cast<ChildSurvey*>(context);
  const std::wstring className = ClassOf(child);
  const LONG style = GetWindowLongW(child, GWL_STYLE);
  if (_wcsicmp(className.c_str(), L"Button") == 0 && (style & WS_VISIBLE) != 0) {
    ++survey.box->buttonCount;
    if (GetDlgCtrlID(child) == IDOK) survey.box->hasOkButton = true;
  }
  if (_wcsicmp(className.c_str(), L"Static") == 0 && (style & SS_TYPEMASK) == SS_ICON) {
    const auto icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
    if (icon != nullptr && icon == survey.informationIcon) survey.box->showsInformationIcon = true;
  }
  survey.box->labels.push_back(TextOf(child));
  return TRUE;
}

}  // namespace

ModalBoxWatcher::ModalBoxWatcher(HWND watchedWindow, std::function<void(const SeenBox&)> onShown)
    : watchedWindow_(watchedWindow), onShown_(std::move(onShown)) {
  activeWatcher = this;
  hook_ = SetWindowsHookExW(WH_CBT, &ModalBoxWatcher::HookProcedure, nullptr, GetCurrentThreadId());
}

ModalBoxWatcher::~ModalBoxWatcher() {
  if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
  activeWatcher = nullptr;
}

LRESULT CALLBACK ModalBoxWatcher::HookProcedure(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE && activeWatcher != nullptr) {
    activeWatcher->OnActivate(reinterpret_cast<HWND>(wParam));
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void ModalBoxWatcher::OnActivate(HWND box) {
  // Dialog boxes are of the system class "#32770"; each is handled on its first activation.
  if (ClassOf(box) != L"#32770") return;
  if (std::find(handled_.begin(), handled_.end(), box) != handled_.end()) return;
  handled_.push_back(box);
  // A box can be activated before it has set its texts and hidden its spare buttons, so it is
  // looked at from a timer, which only the box's own modal loop can deliver.
  pending_.push_back(box);
  SetTimer(nullptr, 0, 50, &ModalBoxWatcher::OnTimer);
}

void CALLBACK ModalBoxWatcher::OnTimer(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  if (activeWatcher == nullptr) return;
  std::vector<HWND> boxes;
  boxes.swap(activeWatcher->pending_);
  for (HWND box : boxes) {
    if (IsWindow(box)) activeWatcher->SurveyAndClose(box);
  }
}

void ModalBoxWatcher::SurveyAndClose(HWND box) {
  SeenBox seen;
  seen.caption = TextOf(box);
  wchar_t text[512] = {};
  GetDlgItemTextW(box, 0xFFFF, text, 512);
  seen.text = text;
  seen.owner = GetWindow(box, GW_OWNER);
  seen.watchedWindowEnabled = watchedWindow_ != nullptr && IsWindowEnabled(watchedWindow_);
  ChildSurvey survey{&seen, LoadIconW(nullptr, IDI_INFORMATION)};
  EnumChildWindows(box, &SurveyChild, reinterpret_cast<LPARAM>(&survey));
  seen_.push_back(seen);
  if (onShown_) onShown_(seen_.back());
  // Posted, not sent: the box's own modal loop takes it and returns to its caller.
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
}
}  // namespace morlune::testing
