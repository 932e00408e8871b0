// Extraction benchmark: RunExtraction behind a real Qt progress bar against
// "unrar x" on the same archive. Prints figures; it checks nothing.
//
//   qvx_bench_extract [cache folder] [turns]
//
// The data set (about 500 MB: half random bytes in 50 files, half text in
// 2,000 files) and its archive are made once and kept in the cache folder.
// Each turn extracts into a fresh folder, each method in a child process of
// its own so that its peak resident memory can be read from wait4().
#include "config/InstallerState.h"
#include "extract/ExtractionRun.h"
#include "extract/ProgressView.h"

#include "platform/Fonts.h"
#include "platform/Label.h"
#include "platform/ProgressBar.h"
#include <QApplication>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int RandomFiles = 50;
constexpr std::size_t RandomFileSize = 5'000'000;
constexpr int TextFiles = 2000;
constexpr std::size_t TextFileSize = 125'000;

double Seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

void MakeDataSet(const fs::path &data) {
    std::mt19937_64 generator(42);
    std::string bytes(RandomFileSize, '\0');
    for (int i = 0; i < RandomFiles; ++i) {
        for (std::size_t at = 0; at + 8 <= bytes.size(); at += 8) {
            const std::uint64_t word = generator();
            std::copy_n(reinterpret_cast<const char *>(&word), 8, bytes.begin() + at);
        }
        fs::create_directories(data / "random");
        std::ofstream(data / "random" / ("blob" + std::to_string(i) + ".bin"), std::ios::binary)
            << bytes;
    }
    static const char *const words[] = {"installer", "volume", "archive", "entry", "progress",
                                        "window",    "folder", "release", "text",  "data",
                                        "header",    "block",  "abort",   "title", "bar"};
    for (int i = 0; i < TextFiles; ++i) {
        std::string text;
        while (text.size() < TextFileSize) {
            text += words[generator() % std::size(words)];
            text += (generator() % 12 == 0) ? ".\n" : " ";
        }
        const fs::path folder = data / "text" / ("part" + std::to_string(i / 100));
        fs::create_directories(folder);
        std::ofstream(folder / ("doc" + std::to_string(i) + ".txt"), std::ios::binary) << text;
    }
}

// Makes the data set and its archive unless the cache already holds them.
fs::path PrepareArchive(const fs::path &cache) {
    const fs::path data = cache / "data";
    const fs::path archive = cache / "bench.rar";
    if (fs::exists(archive))
        return archive;
    std::printf("making the data set and its archive in %s (once)...\n", cache.c_str());
    std::fflush(stdout);
    fs::remove_all(data);
    MakeDataSet(data);
    const std::string command = "cd '" + data.string() + "' && rar a -idq -r '" +
                                (cache / "bench.partial.rar").string() + "' '*'";
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "rar failed\n");
        std::exit(1);
    }
    fs::rename(cache / "bench.partial.rar", archive);
    return archive;
}

// Keeps the pump statistics both views report.
class PumpClock {
  public:
    void Start() { lastPump_ = Clock::now(); }
    void BeforePump() {
        pumpStart_ = Clock::now();
        longestGap_ = std::max(longestGap_, pumpStart_ - lastPump_);
        ++pumps_;
    }
    void AfterPump() {
        lastPump_ = Clock::now();
        inPumps_ += lastPump_ - pumpStart_;
    }
    Clock::duration InPumps() const { return inPumps_; }
    // Adds the time of a view call other than a pump (the bar repaints itself
    // at once when its value changes).
    void AddUpdate(Clock::duration spent) { inUpdates_ += spent; }
    Clock::duration InUpdates() const { return inUpdates_; }
    Clock::duration LongestGap() const { return longestGap_; }
    long Pumps() const { return pumps_; }

  private:
    Clock::time_point lastPump_;
    Clock::time_point pumpStart_;
    Clock::duration longestGap_{};
    Clock::duration inPumps_{};
    Clock::duration inUpdates_{};
    long pumps_ = 0;
};

// A view that shows nothing: what the run and the library cost on their own.
class BareView : public extract::ProgressView {
  public:
    void SetTitle(const std::string &) override {}
    void SetEntryName(const std::string &) override {}
    void SetBarPosition(int) override {}
    void PumpEvents() override {
        clock.BeforePump();
        clock.AfterPump();
    }
    bool IsCancelRequested() override { return false; }
    void ShowError(const std::string &text) override {
        std::fprintf(stderr, "error: %s\n", text.c_str());
    }
    PumpClock clock;
};

// A progress window built like the program's: two captions and the bar,
// pumped by the run. Records the longest time between two pumps.
class BenchView : public extract::ProgressView {
  public:
    BenchView() {
        window_.resize(327, 107);
        window_.show();
        QCoreApplication::processEvents();
    }
    void SetTitle(const std::string &text) override {
        const Clock::time_point start = Clock::now();
        title_.SetText(text);
        clock.AddUpdate(Clock::now() - start);
    }
    void SetEntryName(const std::string &text) override {
        const Clock::time_point start = Clock::now();
        entry_.SetText(text);
        clock.AddUpdate(Clock::now() - start);
    }
    void SetBarPosition(int position) override {
        const Clock::time_point start = Clock::now();
        bar_.SetPosition(position);
        clock.AddUpdate(Clock::now() - start);
    }
    void PumpEvents() override {
        clock.BeforePump();
        QCoreApplication::processEvents();
        clock.AfterPump();
    }
    bool IsCancelRequested() override { return false; }
    void ShowError(const std::string &text) override {
        std::fprintf(stderr, "error: %s\n", text.c_str());
    }
    PumpClock clock;

  private:
    QWidget window_;
    platform::Label title_{&window_, 8, 6, "Installing", platform::ArialFont(12, true), Qt::black};
    platform::Label entry_{&window_, 69, 44, "Filename:", platform::ArialFont(12, true), Qt::white};
    platform::ProgressBar bar_{&window_, QRect(10, 60, 305, 16), 0, 100, 0};
};

long PeakKilobytesSoFar() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// One extraction through RunExtraction on the view; prints "<seconds>
// <longest gap ms> <pumps> <peak KB before the run> <seconds in pumps>
// <seconds in other view calls>" on the pipe.
template <typename View>
int Extract(View &view, const std::string &archive, const std::string &destination, int pipeOut) {
    const long baseline = PeakKilobytesSoFar();
    config::InstallerState.ArchivePath = archive;
    config::InstallerState.DestinationFolder = destination;
    view.clock.Start();
    const Clock::time_point start = Clock::now();
    extract::RunExtraction(view);
    const double seconds = Seconds(Clock::now() - start);
    const double gapMs = std::chrono::duration<double, std::milli>(view.clock.LongestGap()).count();
    const std::string report = std::to_string(seconds) + " " + std::to_string(gapMs) + " " +
                               std::to_string(view.clock.Pumps()) + " " + std::to_string(baseline) +
                               " " + std::to_string(Seconds(view.clock.InPumps())) + " " +
                               std::to_string(Seconds(view.clock.InUpdates())) + "\n";
    return write(pipeOut, report.data(), report.size()) == static_cast<ssize_t>(report.size()) ? 0
                                                                                               : 1;
}

// Child side of one run: with a Qt window (offscreen) or with the bare view.
int RunOnce(bool withWindow, const std::string &archive, const std::string &destination,
            int pipeOut) {
    if (!withWindow) {
        BareView view;
        return Extract(view, archive, destination, pipeOut);
    }
    int argc = 1;
    char name[] = "qvx_bench_extract";
    char *argv[] = {name, nullptr};
    QApplication application(argc, argv);
    BenchView view;
    return Extract(view, archive, destination, pipeOut);
}

struct Turn {
    double seconds = 0;
    double peakMegabytes = 0;
    double longestGapMs = 0;
    long pumps = 0;
    double baselineMegabytes = 0;
    double secondsInPumps = 0;
    double secondsInUpdates = 0;
};

Turn TimeRun(bool withWindow, const std::string &archive, const std::string &destination) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        std::exit(1);
    const pid_t child = fork();
    if (child == 0) {
        close(pipeFds[0]);
        _exit(RunOnce(withWindow, archive, destination, pipeFds[1]));
    }
    close(pipeFds[1]);
    char buffer[256] = {};
    const ssize_t got = read(pipeFds[0], buffer, sizeof buffer - 1);
    close(pipeFds[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    Turn turn;
    long baseline = 0;
    if (got <= 0 ||
        std::sscanf(buffer, "%lf %lf %ld %ld %lf %lf", &turn.seconds, &turn.longestGapMs,
                    &turn.pumps, &baseline, &turn.secondsInPumps, &turn.secondsInUpdates) != 6) {
        std::fprintf(stderr, "the run's child failed\n");
        std::exit(1);
    }
    turn.peakMegabytes = usage.ru_maxrss / 1024.0;
    turn.baselineMegabytes = baseline / 1024.0;
    return turn;
}

Turn TimeUnrar(const std::string &archive, const std::string &destination) {
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        const std::string target = destination + "/";
        execlp("unrar", "unrar", "x", "-idq", "-o+", archive.c_str(), target.c_str(),
               static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    Turn turn;
    turn.seconds = Seconds(Clock::now() - start);
    turn.peakMegabytes = usage.ru_maxrss / 1024.0;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "unrar failed\n");
        std::exit(1);
    }
    return turn;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const fs::path cache = argc > 1 ? fs::path(argv[1]) : fs::path("/tmp/qvx-bench");
    const int turns = std::max(3, argc > 2 ? std::atoi(argv[2]) : 3);
    fs::create_directories(cache);
    const std::string archive = PrepareArchive(cache).string();
    std::printf("archive %s: %.1f MB\n", archive.c_str(), fs::file_size(archive) / 1e6);

    // Three methods, in turns, each into a fresh folder.
    struct Method {
        const char *name;
        std::function<Turn(const std::string &destination)> extract;
        std::vector<Turn> turns;
    };
    std::vector<Method> methods = {
        {"run, Qt window", [&](auto &to) { return TimeRun(true, archive, to); }, {}},
        {"run, bare view", [&](auto &to) { return TimeRun(false, archive, to); }, {}},
        {"unrar x", [&](auto &to) { return TimeUnrar(archive, to); }, {}},
    };
    const fs::path destination = cache / "out";
    for (int i = 0; i < turns; ++i) {
        std::printf("turn %d:", i + 1);
        for (Method &method : methods) {
            fs::remove_all(destination);
            fs::create_directories(destination);
            method.turns.push_back(method.extract(destination.string()));
            std::printf("  %s %.3f s", method.name, method.turns.back().seconds);
        }
        std::printf("\n");
        std::fflush(stdout);
    }
    fs::remove_all(destination);

    std::vector<double> medians, peaks;
    for (const Method &method : methods) {
        std::vector<double> seconds;
        Turn worst;
        for (const Turn &turn : method.turns) {
            seconds.push_back(turn.seconds);
            worst.peakMegabytes = std::max(worst.peakMegabytes, turn.peakMegabytes);
            worst.baselineMegabytes = std::max(worst.baselineMegabytes, turn.baselineMegabytes);
            worst.longestGapMs = std::max(worst.longestGapMs, turn.longestGapMs);
            worst.secondsInPumps = std::max(worst.secondsInPumps, turn.secondsInPumps);
            worst.secondsInUpdates = std::max(worst.secondsInUpdates, turn.secondsInUpdates);
        }
        medians.push_back(Median(seconds));
        peaks.push_back(worst.peakMegabytes);
        std::printf("%-15s median %.3f s, peak RSS %.1f MB", method.name, medians.back(),
                    worst.peakMegabytes);
        if (method.turns.front().pumps > 0)
            std::printf(" (%.1f MB before the run), longest pump gap %.1f ms, %ld pumps"
                        " taking up to %.3f s, other view calls up to %.3f s",
                        worst.baselineMegabytes, worst.longestGapMs, method.turns.front().pumps,
                        worst.secondsInPumps, worst.secondsInUpdates);
        std::printf("\n");
    }
    std::printf("peak RSS difference run (Qt window) - unrar: %.1f MB\n", peaks[0] - peaks[2]);
    std::printf("time ratio bare run/unrar: %.3f\n", medians[1] / medians[2]);
    std::printf("time ratio run/unrar: %.3f\n", medians[0] / medians[2]);
    return 0;
}
