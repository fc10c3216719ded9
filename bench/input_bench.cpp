// Times what tavlin does with a player's files in FOLDER, the way the strip does it: a quiz pick
// (./tavlin.quiz, read through the real disk, as at every whole minute and every "N") and a load
// of the alarm list (FOLDER/tavlin.gogo, as at start-up and at every "알림체크").
// Usage: tavlin_input_bench FOLDER [ROUNDS]   (prints min, median and max per kind, in ms)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "alarms/alarm_list.h"
#include "base/file_system.h"
#include "quiz/quiz_line.h"

namespace {

void Time(const char* what, int rounds, const std::function<std::string()>& run) {
  std::vector<double> ms;
  std::string outcome;
  for (int i = 0; i < rounds; ++i) {
    const auto start = std::chrono::steady_clock::now();
    outcome = run();
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count());
  }
  const double first = ms.front();
  std::sort(ms.begin(), ms.end());
  std::printf(
      "%-10s first %7.1f ms  min %7.1f ms  median %7.1f ms  max %7.1f ms  (%d rounds; %s)\n", what,
      first, ms.front(), ms[ms.size() / 2], ms.back(), rounds, outcome.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s FOLDER [ROUNDS]\n", argv[0]);
    return 2;
  }
  std::filesystem::current_path(argv[1]);
  const int rounds = argc > 2 ? std::atoi(argv[2]) : 10;
  tavlin::RealFileSystem disk;
  if (disk.Exists(tavlin::kQuizFilePath)) {
    tavlin::QuizModel quiz(disk);
    uint64_t seed = 1;
    Time("quiz pick", rounds, [&] {
      const std::string line = quiz.Pick(seed++);
      return std::to_string(line.size()) + " bytes shown";
    });
  }
  const std::string folder = "./";
  if (disk.Exists(tavlin::AlarmFilePath(folder))) {
    tavlin::AlarmTable table;
    Time("alarm load", rounds, [&]() -> std::string {
      try {
        const tavlin::AlarmLoadResult result = tavlin::LoadAlarmList(folder, disk, table);
        return std::to_string(result.data_lines) + " alarms" +
               (result.notice.empty() ? "" : ", with a notice");
      } catch (const tavlin::TavlinError& error) {
        return std::string("failed: ") + error.what();
      }
    });
  }
  return 0;
}
