// SPDX-License-Identifier: GPL-3.0-or-later
// Starts stockcalc.exe (STOCKCALC_EXE) and takes orders on standard input,
// one a line, for tools/gallery-windows.sh:
//   show N Name=text ...  walks to window FormN, types each text into its
//                         box, computes (Command1) and answers
//                         "shown N LEFT TOP WIDTH HEIGHT": where the
//                         window's client area is on the screen
//   quit                  closes the window shown; the program ends
// Any failure is one line on standard error and exit status 1.

#include <cstdio>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "program_driver.h"

using namespace stockcalc::win32test;

namespace {

void Show(Program& program, int form, const std::vector<std::string>& assignments) {
  program.GoTo(form);
  for (const std::string& assignment : assignments) {
    const std::size_t equals = assignment.find('=');
    if (equals == std::string::npos) throw std::runtime_error("not Name=text: " + assignment);
    program.SetText(program.Control(form, assignment.substr(0, equals)), assignment.substr(equals + 1));
  }
  if (program.Click(form, "Command1") != nullptr) throw std::runtime_error("computing opened a message box");
  HWND window = program.Window(form);
  program.Sync(window);
  RECT client{};
  GetClientRect(window, &client);
  POINT corner{0, 0};
  ClientToScreen(window, &corner);
  std::printf("shown %d %ld %ld %ld %ld\n", form, corner.x, corner.y, client.right, client.bottom);
  std::fflush(stdout);
}

}  // namespace

int main() {
  try {
    Program program;
    std::string line;
    while (std::getline(std::cin, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      std::istringstream words(line);
      std::string order;
      words >> order;
      if (order == "show") {
        int form = 0;
        words >> form;
        std::vector<std::string> assignments;
        for (std::string word; words >> word;) assignments.push_back(word);
        Show(program, form, assignments);
      } else if (order == "quit") {
        const int shown = program.ShownForm();
        if (shown == 0 || !program.CloseAndWait(program.Window(shown), kAnswerMs)) {
          throw std::runtime_error("the program did not end");
        }
        return 0;
      } else if (!order.empty()) {
        throw std::runtime_error("unknown order: " + order);
      }
    }
    return 0;
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "win32_gallery_driver: %s\n", failure.what());
    return 1;
  }
}
