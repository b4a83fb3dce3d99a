// Loading the largest tables a definition file may hold, and looking values
// up in them through the lookup indexes against a plain scan in file order.

#include "engine/ConversionLoader.h"

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

using ombrix::ConversionDefinition;

constexpr int TableLines = 25566;

// Six-digit keys, all different and none a prefix of another, like the area
// codes of a telephone numbering change.
std::string Key(int i) {
    return std::to_string(100000 + (static_cast<long>(i) * 37) % 900000);
}

class OkSink : public ombrix::MessageSink {
public:
    ombrix::MessageAnswer Show(const ombrix::Message&) override {
        return ombrix::MessageAnswer::Ok;
    }
};

// The generated files and the loaded tables, shared by every benchmark.
struct Tables {
    Tables() {
        folder = std::filesystem::temp_directory_path() /
                 ("ombrix_bench_tables_" + std::to_string(getpid()));
        std::filesystem::create_directories(folder);
        std::ofstream change(folder / "change.nod", std::ios::binary);
        std::ofstream translation(folder / "translation.nod", std::ios::binary);
        change << "NAME Numbering change\r\n";
        translation << "NAME Words\r\n";
        for (int i = 0; i < TableLines; ++i) {
            change << "CHG " << Key(i) << ",0" << Key(i) << "\r\n";
            translation << "TRANS [word" << i << "],[Wort " << i << "]\r\n";
        }
    }
    ~Tables() {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }

    bool Load(ConversionDefinition& def, const char* name) {
        std::string path = name;
        ombrix::LoaderContext ctx{sink, texts, nullptr, {folder.string(), folder.string()}};
        return ombrix::LoadConversion(def, path, ombrix::LoadMode, ctx);
    }

    std::filesystem::path folder;
    OkSink sink;
    ombrix::MessageTexts texts;
};

// Values typed by a user: mostly numbers under some table key, one in ten
// under none.
std::vector<std::string> ChangeInputs() {
    std::mt19937 random(1);
    std::uniform_int_distribution<int> entry(0, TableLines - 1);
    std::vector<std::string> inputs;
    for (int i = 0; i < 4096; ++i)
        inputs.push_back(i % 10 == 0 ? "0" + std::to_string(i) : Key(entry(random)) + " 4711");
    return inputs;
}

std::vector<std::string> TranslationInputs() {
    std::mt19937 random(2);
    std::uniform_int_distribution<int> entry(0, TableLines - 1);
    std::vector<std::string> inputs;
    for (int i = 0; i < 4096; ++i)
        inputs.push_back(i % 10 == 0 ? "nothing" : "WORD" + std::to_string(entry(random)));
    return inputs;
}

void BM_LoadChangeFile(benchmark::State& state, Tables* tables) {
    ConversionDefinition def;
    for (auto _ : state) {
        if (!tables->Load(def, "change"))
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(def.ChangeTable().size());
    }
}

void BM_LoadTranslationFile(benchmark::State& state, Tables* tables) {
    ConversionDefinition def;
    for (auto _ : state) {
        if (!tables->Load(def, "translation"))
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(def.TranslationTable().size());
    }
}

template <bool Indexed>
void BM_ChangeLookup(benchmark::State& state, const ConversionDefinition* def) {
    const std::vector<std::string> inputs = ChangeInputs();
    std::size_t next = 0;
    for (auto _ : state) {
        const std::string& input = inputs[next++ % inputs.size()];
        benchmark::DoNotOptimize(Indexed ? def->FindChange(input, true)
                                         : def->ScanChange(input, true));
    }
}

template <bool Indexed>
void BM_TranslationLookup(benchmark::State& state, const ConversionDefinition* def) {
    const std::vector<std::string> inputs = TranslationInputs();
    std::size_t next = 0;
    for (auto _ : state) {
        const std::string& input = inputs[next++ % inputs.size()];
        benchmark::DoNotOptimize(Indexed ? def->FindTranslation(input, true)
                                         : def->ScanTranslation(input, true));
    }
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    Tables tables;
    ConversionDefinition changes;
    ConversionDefinition translations;
    if (!tables.Load(changes, "change") || !tables.Load(translations, "translation"))
        return 1;

    benchmark::RegisterBenchmark("LoadChangeFile/25566", BM_LoadChangeFile, &tables)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("LoadTranslationFile/25566", BM_LoadTranslationFile, &tables)
        ->Unit(benchmark::kMillisecond);
    // A million lookups through the index; the scan is far slower per lookup,
    // so it runs fewer of them and the per-lookup times give the ratio.
    benchmark::RegisterBenchmark("ChangeLookup/index", BM_ChangeLookup<true>, &changes)
        ->Iterations(1000000);
    benchmark::RegisterBenchmark("ChangeLookup/scan", BM_ChangeLookup<false>, &changes)
        ->Iterations(20000);
    benchmark::RegisterBenchmark("TranslationLookup/index", BM_TranslationLookup<true>,
                                 &translations)
        ->Iterations(1000000);
    benchmark::RegisterBenchmark("TranslationLookup/scan", BM_TranslationLookup<false>,
                                 &translations)
        ->Iterations(20000);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
