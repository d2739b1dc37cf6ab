// Starts a program on an X display with no window manager, times it from the start of the
// process until its first window shows drawn content, and reports its peak memory.
//
//   startup_probe RUNS PROGRAM_A PROGRAM_B
//
// Runs the two programs in turn, RUNS times each, and prints the medians and their ratios.
// "Drawn content": the pixel at the window's centre is no longer the black of an Xvfb started
// with -br, which is what an unpainted window shows there.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Measurement {
  double secondsToFirstFrame = 0;
  long peakKilobytes = 0;
};

[[noreturn]] void Fail(const std::string& why) {
  std::fprintf(stderr, "startup_probe: %s\n", why.c_str());
  std::exit(1);
}

unsigned long CentrePixel(Display* display, Window window) {
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display, window, &attributes)) return 0;
  XImage* image = XGetImage(display, window, attributes.width / 2, attributes.height / 2, 1, 1,
                            AllPlanes, ZPixmap);
  if (image == nullptr) return 0;
  const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
  XDestroyImage(image);
  return pixel;
}

Measurement MeasureOnce(Display* display, const char* program) {
  const Window root = DefaultRootWindow(display);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, True);

  const Clock::time_point start = Clock::now();
  const pid_t child = fork();
  if (child < 0) Fail("fork failed");
  if (child == 0) {
    execl(program, program, static_cast<char*>(nullptr));
    _exit(127);
  }

  const Clock::time_point deadline = start + std::chrono::seconds(20);
  Window shown = 0;
  while (shown == 0) {
    if (Clock::now() > deadline) Fail(std::string(program) + " showed no window");
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == MapNotify && shown == 0) shown = event.xmap.window;
    }
    if (shown == 0) std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  while (CentrePixel(display, shown) == 0) {
    if (Clock::now() > deadline) Fail(std::string(program) + " drew nothing");
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();

  // Let it settle, as a person would look at it, then end it and read its peak memory.
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  kill(child, SIGTERM);
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child) Fail("wait4 failed");
  XSelectInput(display, root, NoEventMask);
  XSync(display, True);
  return {seconds, usage.ru_maxrss};
}

template <typename T>
T Median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 4) Fail("usage: startup_probe RUNS PROGRAM_A PROGRAM_B");
  const int runs = std::max(1, std::atoi(argv[1]));
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) Fail("cannot open the X display");

  std::vector<double> seconds[2];
  std::vector<long> kilobytes[2];
  for (int run = 0; run < runs; ++run) {
    for (int which = 0; which < 2; ++which) {
      const Measurement m = MeasureOnce(display, argv[2 + which]);
      seconds[which].push_back(m.secondsToFirstFrame);
      kilobytes[which].push_back(m.peakKilobytes);
    }
  }
  const double timeA = Median(seconds[0]);
  const double timeB = Median(seconds[1]);
  const long memoryA = Median(kilobytes[0]);
  const long memoryB = Median(kilobytes[1]);
  std::printf("runs each: %d\n", runs);
  std::printf("%-40s first frame %7.1f ms  peak RSS %7ld KiB\n", argv[2], timeA * 1000, memoryA);
  std::printf("%-40s first frame %7.1f ms  peak RSS %7ld KiB\n", argv[3], timeB * 1000, memoryB);
  std::printf("ratio first frame %.3f  ratio peak RSS %.3f\n", timeA / timeB,
              static_cast<double>(memoryA) / static_cast<double>(memoryB));
  XCloseDisplay(display);
  return 0;
}
