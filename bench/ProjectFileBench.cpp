// Opening project files: a file far larger than any project is refused by
// its size alone. Target: a 100 MB file refused in well under 0.1 s (the
// memory it takes: tests/tools CliProject, under prlimit).
#include <ProjectFile.h>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

// A file of a project's first line and 100 MB of nothing (sparse: it takes
// no room on the disk).
struct HugeProjectFile {
    HugeProjectFile()
    {
        std::ofstream(path, std::ios::binary) << "ADC = 1\r\n";
        std::filesystem::resize_file(path, 100u << 20);
    }
    ~HugeProjectFile() { std::filesystem::remove(path); }
    const std::string path
        = (std::filesystem::temp_directory_path() / "ramvik-bench-huge.rmvp").string();
};

void BM_RefuseHugeProjectFile(benchmark::State& state)
{
    const HugeProjectFile file;
    for (auto _ : state) {
        const SmallFile read = ReadProjectFileBytes(file.path);
        if (read.status != SmallFileStatus::TooLarge)
            state.SkipWithError("the file was not refused by its size");
        benchmark::DoNotOptimize(read);
    }
}

} // namespace

BENCHMARK(BM_RefuseHugeProjectFile)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
