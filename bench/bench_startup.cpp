// Start-up of the converter: the time from process start until its main window
// is shown (offscreen), and the process's peak memory, against the
// command-line program's --help in the same run as a floor for starting a
// process of this project at all.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct Run {
    double seconds = 0;
    long peakKib = 0;
    int status = -1;
};

// Starts the program with a fresh set of user folders and waits for it to end.
Run Start(const std::string& program, const std::vector<std::string>& arguments,
          const fs::path& home) {
    std::vector<std::string> environment = {
        "QT_QPA_PLATFORM=offscreen",
        "OMBRIX_QUIT_WHEN_SHOWN=1",
        "LC_ALL=C",
        "HOME=" + home.string(),
        "XDG_CONFIG_HOME=" + (home / "config").string(),
        "XDG_CONFIG_DIRS=" + (home / "etc").string(),
        "XDG_DATA_HOME=" + (home / "data").string(),
        "XDG_RUNTIME_DIR=" + home.string(),
    };
    std::vector<char*> envp;
    for (std::string& e : environment) {
        envp.push_back(e.data());
    }
    envp.push_back(nullptr);
    std::vector<std::string> args = {program};
    args.insert(args.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);

    const auto begin = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        // The offscreen platform's notices would drown the figures.
        const int quiet = ::open("/dev/null", O_WRONLY);
        ::dup2(quiet, STDERR_FILENO);
        ::execve(program.c_str(), argv.data(), envp.data());
        ::_exit(127);
    }
    Run run;
    rusage usage{};
    int status = 0;
    ::wait4(pid, &status, 0, &usage);
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    run.peakKib = usage.ru_maxrss;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

void Measure(benchmark::State& state, const std::string& program,
             const std::vector<std::string>& arguments) {
    if (::access(program.c_str(), X_OK) != 0) {
        state.SkipWithError((program + " is not built").c_str());
        return;
    }
    const fs::path home =
        fs::temp_directory_path() / ("ombrix-bench-" + std::to_string(::getpid()));
    fs::create_directories(home);
    // The toolkit refuses a runtime folder that others may read.
    fs::permissions(home, fs::perms::owner_all);
    long peak = 0;
    for (auto _ : state) {
        const Run run = Start(program, arguments, home);
        if (run.status != 0) {
            state.SkipWithError("the program did not end with status 0");
            break;
        }
        state.SetIterationTime(run.seconds);
        peak = std::max(peak, run.peakKib);
    }
    state.counters["peak_MiB"] = static_cast<double>(peak) / 1024.0;
    fs::remove_all(home);
}

void ConverterWindowShown(benchmark::State& state) {
    Measure(state, std::string(OMBRIX_BIN_DIR) + "/ombrixgo", {});
}

void CommandLineHelp(benchmark::State& state) {
    Measure(state, std::string(OMBRIX_BIN_DIR) + "/ombrixconv", {"--help"});
}

} // namespace

BENCHMARK(CommandLineHelp)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(ConverterWindowShown)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

BENCHMARK_MAIN();
