// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up benchmark: launches programs on the X display of $DISPLAY and
// measures, from the X server's own events, the wall time from launch until
// the first top-level window is mapped; the peak resident memory once the
// window has settled; and the time from a close request (WM_DELETE_WINDOW,
// as a window manager sends it) until the process is gone. It alternates the
// programs A B A B after a warm-up and prints medians and the median of the
// pairwise ratios A / B. It ends every process it starts.
//
// With --name, only a top-level window of that title counts: wine maps
// windows of its own beside the program's.
//
// Usage: startup [--runs N] [--name TITLE] PROGRAM_A PROGRAM_B

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

struct Run {
  double map_ms = 0;
  double peak_mib = 0;
  double close_ms = 0;
};

class Display {
 public:
  explicit Display(std::string name) : conn_(xcb_connect(nullptr, nullptr)), name_(std::move(name)) {
    if (xcb_connection_has_error(conn_) != 0) {
      std::fprintf(stderr, "cannot connect to the X display\n");
      std::exit(2);
    }
    root_ = xcb_setup_roots_iterator(xcb_get_setup(conn_)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(conn_, root_, XCB_CW_EVENT_MASK, &mask);
    protocols_ = Atom("WM_PROTOCOLS");
    delete_window_ = Atom("WM_DELETE_WINDOW");
    net_wm_name_ = Atom("_NET_WM_NAME");
    utf8_string_ = Atom("UTF8_STRING");
    xcb_flush(conn_);
  }
  ~Display() { xcb_disconnect(conn_); }

  // The next top-level window mapped before the deadline (of the title
  // asked for, if one was).
  std::optional<xcb_window_t> WaitForMap(Clock::time_point deadline) {
    while (Clock::now() < deadline) {
      while (xcb_generic_event_t* event = xcb_poll_for_event(conn_)) {
        const bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
        const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
        std::free(event);
        if (mapped && (name_.empty() || Title(window) == name_)) return window;
      }
      pollfd fd{xcb_get_file_descriptor(conn_), POLLIN, 0};
      poll(&fd, 1, 5);
    }
    return std::nullopt;
  }

  void Drain() {
    while (xcb_generic_event_t* event = xcb_poll_for_event(conn_)) std::free(event);
  }

  void RequestClose(xcb_window_t window) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = protocols_;
    message.data.data32[0] = delete_window_;
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(conn_, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
    xcb_flush(conn_);
  }

 private:
  xcb_atom_t Atom(const char* name) {
    auto cookie = xcb_intern_atom(conn_, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(conn_, cookie, nullptr);
    const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
  }

  std::string Title(xcb_window_t window) {
    auto cookie = xcb_get_property(conn_, 0, window, net_wm_name_, utf8_string_, 0, 1024);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(conn_, cookie, nullptr);
    std::string title;
    if (reply != nullptr) {
      title.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                   static_cast<std::size_t>(xcb_get_property_value_length(reply)));
    }
    std::free(reply);
    return title;
  }

  xcb_connection_t* conn_;
  std::string name_;
  xcb_window_t root_ = 0;
  xcb_atom_t protocols_ = 0;
  xcb_atom_t delete_window_ = 0;
  xcb_atom_t net_wm_name_ = 0;
  xcb_atom_t utf8_string_ = 0;
};

double PeakResidentMiB(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::strtod(line.c_str() + 6, nullptr) / 1024.0;
  }
  return 0;
}

// Waits for the process to end; kills it after the deadline. True if it
// ended by itself.
bool Reap(pid_t pid, Clock::time_point deadline) {
  while (Clock::now() < deadline) {
    if (waitpid(pid, nullptr, WNOHANG) == pid) return true;
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  return false;
}

std::optional<Run> Measure(Display& display, const char* program) {
  display.Drain();
  const Clock::time_point start = Clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    execl(program, program, static_cast<char*>(nullptr));
    _exit(127);
  }
  Run run;
  const auto window = display.WaitForMap(start + std::chrono::seconds(10));
  if (!window) {
    Reap(pid, Clock::now());
    std::fprintf(stderr, "%s mapped no window\n", program);
    return std::nullopt;
  }
  run.map_ms = Ms(Clock::now() - start);
  std::this_thread::sleep_for(std::chrono::milliseconds(500));  // let it settle
  run.peak_mib = PeakResidentMiB(pid);
  const Clock::time_point close = Clock::now();
  display.RequestClose(*window);
  if (!Reap(pid, close + std::chrono::seconds(5))) {
    std::fprintf(stderr, "%s did not end on a close request\n", program);
    return std::nullopt;
  }
  run.close_ms = Ms(Clock::now() - close);
  return run;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  int runs = 11;
  std::string name;
  int arg = 1;
  while (argc - arg > 2) {
    if (std::strcmp(argv[arg], "--runs") == 0) {
      runs = std::max(1, std::atoi(argv[arg + 1]));
    } else if (std::strcmp(argv[arg], "--name") == 0) {
      name = argv[arg + 1];
    } else {
      break;
    }
    arg += 2;
  }
  if (argc - arg != 2) {
    std::fprintf(stderr, "usage: startup [--runs N] [--name TITLE] PROGRAM_A PROGRAM_B\n");
    return 2;
  }
  const char* programs[2] = {argv[arg], argv[arg + 1]};
  Display display(name);
  for (const char* program : programs) {
    if (!Measure(display, program)) return 1;  // warm-up: caches, fonts
  }
  std::vector<Run> results[2];
  for (int i = 0; i < runs; ++i) {
    for (int p = 0; p < 2; ++p) {
      const auto run = Measure(display, programs[p]);
      if (!run) return 1;
      results[p].push_back(*run);
    }
  }
  auto column = [&](int p, double Run::*field) {
    std::vector<double> values;
    for (const Run& run : results[p]) values.push_back(run.*field);
    return values;
  };
  auto ratios = [&](double Run::*field) {
    std::vector<double> values;
    for (int i = 0; i < runs; ++i) values.push_back(results[0][i].*field / results[1][i].*field);
    return values;
  };
  std::printf("%d runs each, alternating, after a warm-up\n", runs);
  std::printf("%-28s %14s %14s %14s\n", "program", "to window ms", "peak RSS MiB", "close ms");
  for (int p = 0; p < 2; ++p) {
    std::printf("%-28s %14.1f %14.1f %14.1f\n", programs[p], Median(column(p, &Run::map_ms)),
                Median(column(p, &Run::peak_mib)), Median(column(p, &Run::close_ms)));
  }
  std::printf("%-28s %14.3f %14.3f %14.3f\n", "median ratio A / B", Median(ratios(&Run::map_ms)),
              Median(ratios(&Run::peak_mib)), Median(ratios(&Run::close_ms)));
  return 0;
}
