// The installation benchmark, natively: installs the benchmark's pack into every skin of a
// QIP 2005 folder through InstallIntoSkins and the POSIX file layer, then empties the same
// folders and copies the same files into them with std::filesystem alone, and prints both
// times and their ratio. Each is run ROUNDS times, alternately, and the best time counts.
//
//   install_bench PROGRAM-FOLDER QIP-FOLDER [ROUNDS]
//
// PROGRAM-FOLDER holds the pack in "Source SMP" (bench/make_pack.py writes both folders).

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <numeric>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/installations.h"
#include "app/wizard.h"
#include "lang/language.h"
#include "pack/pack_data.h"
#include "pack/smp_ini.h"
#include "platform/posix/posix_platform.h"

namespace fs = std::filesystem;
using namespace velmora;

namespace {

const char* const kKinds[] = {"Animated", "Static"};

// Answers OK to every box and No to every question, and keeps the copy reports.
class AnsweringDialogs : public Dialogs {
  public:
    BoxAnswer Ask(const MessageBoxRequest& box) override {
        shown.push_back(box);
        return box.buttons == BoxButtons::YesNo ? BoxAnswer::No : BoxAnswer::Ok;
    }

    std::vector<MessageBoxRequest> shown;
};

// The skins list with every skin marked, and a progress display without a window.
class MarkEverySkin : public SkinsChoice, public InstallProgressView {
  public:
    explicit MarkEverySkin(Files& files) : files_(files) {}

    SkinPick ChooseSkins(const std::string& skinsFolder, SkinList& skins) override {
        skins = {};
        ListSkins(files_, skinsFolder, skins);
        std::vector<int> all(skins.SkinNames.size());
        std::iota(all.begin(), all.end(), 0);
        MarkChosenSkins(skins, all);
        return {SkinPick::Left::Chosen, static_cast<int>(all.size())};
    }
    void SetBackEnabled(bool) override {}
    void ShowProgressCaption() override {}
    void StartProgress(const ProgressLayout&, const InstallClock&) override {}
    void ShowOverall(int) override {}
    void ResetStaticBar() override {}
    void BeforeEntry(bool, int) override {}
    void FinishProgress() override {}

  private:
    Files& files_;
};

// Wall-clock time, and the processor time of this process (which other programs on a busy
// machine disturb less), in seconds.
struct Times {
    double wall = 0;
    double cpu = 0;
};

double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec / 1e9;
}

class Stopwatch {
  public:
    Times Read() const {
        return {std::chrono::duration<double>(std::chrono::steady_clock::now() - wall_).count(),
                CpuSeconds() - cpu_};
    }

  private:
    std::chrono::steady_clock::time_point wall_ = std::chrono::steady_clock::now();
    double cpu_ = CpuSeconds();
};

void KeepBest(Times& best, const Times& run) {
    best.wall = std::min(best.wall, run.wall);
    best.cpu = std::min(best.cpu, run.cpu);
}

size_t FilesIn(const fs::path& folder) {
    return std::count_if(fs::directory_iterator(folder), fs::directory_iterator(),
                         [](const fs::directory_entry& entry) { return entry.is_regular_file(); });
}

class Benchmark {
  public:
    Benchmark(const std::string& programFolder, const std::string& qipFolder)
        : host_(programFolder),
          platform_{files_, dialogs_, host_, processes_, registry_, clock_},
          wizard_(platform_),
          pack_(fs::path(programFolder) / "Source SMP"),
          qip_(qipFolder) {
        wizard_.state.LanguageName = kBuiltInLanguage;
        LoadLanguage(wizard_, "");
        // The pack must pass the wizard's own checks, or the benchmark measures nothing real.
        const PackChecks checks = PackChecksOf(wizard_);
        if (!LoadPackDescription(checks, wizard_.pack).empty() ||
            !ValidatePackData(checks, wizard_.text, ModeOf(wizard_.pack), wizard_.pack)
                 .findings.empty()) {
            throw std::runtime_error("the wizard does not accept the pack in " + pack_.string());
        }
        smiles_ = CountValue(wizard_.pack.AnimatedFullLightCount);
        wizard_.qip.folder = qipFolder;
        wizard_.state.ModeChoice = kFirstMode;
        for (const fs::directory_entry& skin : fs::directory_iterator(qip_ / "Skins"))
            skins_.push_back(skin.path() / "Smilies");
        std::sort(skins_.begin(), skins_.end());
    }

    size_t Skins() const { return skins_.size(); }
    int Smiles() const { return smiles_; }

    Times TimeInstallation() {
        dialogs_.shown.clear();
        MarkEverySkin view(files_);
        const Stopwatch stopwatch;
        InstallIntoSkins(wizard_, view, view);
        const Times times = stopwatch.Read();
        // Every skin's report says the pack was installed; then the quota question.
        size_t reports = 0;
        for (const MessageBoxRequest& box : dialogs_.shown) {
            if (box.title != wizard_.text[Text::CopyReportTitle]) continue;
            ++reports;
            if (box.icon != BoxIcon::Information)
                throw std::runtime_error("the installation reported errors:\n" + box.text);
        }
        if (reports != skins_.size()) throw std::runtime_error("not every skin was reported");
        ExpectFilesPerFolder(smiles_ + 2);  // the smiles, _define.ini and the record
        return times;
    }

    // The same work without the wizard: each smile folder emptied, then every file of the
    // pack's folder copied in.
    Times TimePlainCopy() {
        const Stopwatch stopwatch;
        for (const fs::path& smilies : skins_) {
            for (const char* kind : kKinds) {
                const fs::path target = smilies / kind;
                for (const fs::directory_entry& old : fs::directory_iterator(target))
                    if (old.is_regular_file()) fs::remove(old.path());
                for (const fs::directory_entry& file :
                     fs::directory_iterator(pack_ / (std::string(kind) + " Single Full Light")))
                    fs::copy_file(file.path(), target / file.path().filename(),
                                  fs::copy_options::overwrite_existing);
            }
        }
        const Times times = stopwatch.Read();
        ExpectFilesPerFolder(smiles_ + 1);
        return times;
    }

  private:
    void ExpectFilesPerFolder(size_t count) {
        for (const fs::path& smilies : skins_) {
            for (const char* kind : kKinds) {
                if (FilesIn(smilies / kind) != count)
                    throw std::runtime_error((smilies / kind).string() + " does not hold " +
                                             std::to_string(count) + " files");
            }
        }
    }

    PosixFiles files_;
    AnsweringDialogs dialogs_;
    PosixHost host_;
    PosixProcesses processes_;
    PosixRegistry registry_;
    PosixClock clock_;
    Platform platform_;
    Wizard wizard_;
    fs::path pack_;
    fs::path qip_;
    std::vector<fs::path> skins_;
    int smiles_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: %s PROGRAM-FOLDER QIP-FOLDER [ROUNDS]\n", argv[0]);
        return 2;
    }
    const int rounds = argc == 4 ? std::max(1, std::atoi(argv[3])) : 5;
    try {
        Benchmark bench(fs::absolute(argv[1]).string(), fs::absolute(argv[2]).string());
        // Untimed: both timed runs then start from folders full of smiles and a warm cache.
        bench.TimePlainCopy();
        Times install{1e9, 1e9};
        Times copy{1e9, 1e9};
        for (int round = 0; round < rounds; ++round) {
            KeepBest(install, bench.TimeInstallation());
            KeepBest(copy, bench.TimePlainCopy());
        }
        std::printf("Native: %zu skins x (%d animated + %d static smiles), best of %d rounds\n",
                    bench.Skins(), bench.Smiles(), bench.Smiles(), rounds);
        std::printf("                                      wall       processor\n");
        std::printf("  installation (InstallIntoSkins)  %7.3f s   %7.3f s\n", install.wall,
                    install.cpu);
        std::printf("  plain copy (std::filesystem)     %7.3f s   %7.3f s\n", copy.wall, copy.cpu);
        std::printf("  ratio                            %7.2f     %7.2f     (target: wall at most 1.3)\n",
                    install.wall / copy.wall, install.cpu / copy.cpu);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "install_bench: %s\n", error.what());
        return 1;
    }
}
