// Whole-process figures of tessaview-convert: a batch of 1,000 full Mode 1
// dumps against a plain direct-code loop over the same files, a single
// conversion from start to exit, and the peak memory for batches of
// different sizes and for huge dumps. Every run is a child process measured
// by wait4; the figures are medians.
//   tessaview-cli-bench [REPETITIONS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Cost {
    double user = 0;   // seconds
    double system = 0; // seconds
    double wall = 0;   // seconds
    long peakKiB = 0;
};

double seconds(const timeval& time) {
    return double(time.tv_sec) + double(time.tv_usec) / 1e6;
}

Cost runChild(const std::vector<std::string>& command) {
    std::vector<char*> argv;
    for (const std::string& word : command) {
        argv.push_back(const_cast<char*>(word.c_str()));
    }
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "failed: %s\n", command[0].c_str());
        std::exit(1);
    }
    return {seconds(usage.ru_utime), seconds(usage.ru_stime),
            std::chrono::duration<double>(end - start).count(), usage.ru_maxrss};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Medians {
    double user, system, wall;
    long peakKiB;
};

Medians medians(const std::vector<Cost>& costs) {
    std::vector<double> user, system, wall;
    long peak = 0;
    for (const Cost& cost : costs) {
        user.push_back(cost.user);
        system.push_back(cost.system);
        wall.push_back(cost.wall);
        peak = std::max(peak, cost.peakKiB);
    }
    return {median(user), median(system), median(wall), peak};
}

void print(const char* what, const Medians& m, double scale, const char* unit) {
    std::printf("%-48s user %8.3f  system %8.3f  wall %8.3f %s  peak RSS %6.2f MiB\n", what,
                m.user * scale, m.system * scale, m.wall * scale, unit, m.peakKiB / 1024.0);
}

std::vector<std::string> makeDumps(const fs::path& folder, int count, unsigned seed) {
    fs::create_directories(folder);
    std::mt19937 random(seed);
    std::vector<char> bytes(20480);
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i) {
        for (char& byte : bytes) {
            byte = char(random());
        }
        const fs::path path = folder / ("dump" + std::to_string(i));
        std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
        paths.push_back(path.string());
    }
    return paths;
}

std::vector<std::string> concat(std::vector<std::string> head,
                                const std::vector<std::string>& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

// A clean start for a run: an empty output folder when asked, and nothing
// of the last run still waiting to be written to disk.
void prepare(const fs::path& output, bool emptyOutput) {
    if (emptyOutput) {
        fs::remove_all(output);
        fs::create_directories(output);
    }
    ::sync();
}

} // namespace

int main(int argc, char** argv) {
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    const std::string convert = TESSAVIEW_CONVERT_PATH;
    const std::string directLoop = TESSAVIEW_DIRECT_LOOP_PATH;
    const fs::path root =
        fs::temp_directory_path() / ("tessaview-cli-bench-" + std::to_string(::getpid()));
    const fs::path output = root / "out";
    const std::string out = output.string();
    fs::create_directories(output);
    const std::vector<std::string> dumps = makeDumps(root / "dumps", 1000, 1);
    const std::vector<std::string> batchCommand =
        concat({convert, "--mode", "1", "--quiet", "--output-dir", out}, dumps);
    const std::vector<std::string> directCommand = concat({directLoop, out}, dumps);
    const std::vector<std::string> atomicCommand = concat({directLoop, "--atomic", out}, dumps);

    std::printf("%d repetitions; medians; peak RSS is the largest of the runs\n\n", repetitions);
    for (const bool emptyOutput : {true, false}) {
        std::vector<Cost> batch, direct, atomic;
        for (int i = 0; i < repetitions; ++i) {
            // Taken in turn, so that both meet the same state of the machine.
            prepare(output, emptyOutput);
            batch.push_back(runChild(batchCommand));
            prepare(output, emptyOutput);
            direct.push_back(runChild(directCommand));
            prepare(output, emptyOutput);
            atomic.push_back(runChild(atomicCommand));
        }
        std::printf("%s\n", emptyOutput ? "New outputs:" : "Replacing existing outputs:");
        print("  1,000 Mode 1 dumps, tessaview-convert", medians(batch), 1, "s ");
        print("  1,000 Mode 1 dumps, direct loop", medians(direct), 1, "s ");
        print("  1,000 Mode 1 dumps, direct loop, temp + rename", medians(atomic), 1, "s ");
    }

    std::vector<Cost> single;
    const std::string singleOutput = (output / "single.bmp").string();
    prepare(output, true);
    for (int i = 0; i < 5 * repetitions; ++i) {
        single.push_back(runChild({convert, "--mode", "1", "-o", singleOutput, dumps[0]}));
    }
    std::printf("\n");
    print("1 Mode 1 dump, start to exit", medians(single), 1000, "ms");

    // Peak memory: fewer and more dumps, the largest pictures, huge sparse dumps.
    std::printf("\nPeak memory:\n");
    const std::vector<std::string> first10(dumps.begin(), dumps.begin() + 10);
    prepare(output, true);
    print("  10 dumps",
          medians({runChild(
              concat({convert, "--mode", "1", "--quiet", "--output-dir", out}, first10))}),
          1, "s ");
    const std::vector<std::string> more = makeDumps(root / "more", 4000, 2);
    prepare(output, true);
    print("  5,000 dumps", medians({runChild(concat(batchCommand, more))}), 1, "s ");
    const std::vector<std::string> first100(dumps.begin(), dumps.begin() + 100);
    prepare(output, true);
    print("  100 dumps, Mode 0 preview as PNG",
          medians({runChild(concat({convert, "--mode", "0", "--preview", "--format", "png",
                                    "--quiet", "--output-dir", out},
                                   first100))}),
          1, "s ");
    std::vector<std::string> huge;
    for (int i = 0; i < 20; ++i) {
        const fs::path path = root / ("huge" + std::to_string(i));
        fs::copy_file(dumps[std::size_t(i)], path);
        fs::resize_file(path, std::uintmax_t(4) << 30);
        huge.push_back(path.string());
    }
    prepare(output, true);
    print("  20 sparse 4 GiB dumps",
          medians({runChild(concat({convert, "--mode", "1", "--output-dir", out}, huge))}), 1,
          "s ");
    fs::remove_all(root);
    return 0;
}
