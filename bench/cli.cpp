// The command line against its floor: `geardim sheet ... --format json` and a bare
// QCommandLineParser program with the same options, started alternately, each timed
// from process start to exit; medians and quartiles, and the ratio.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

double runOnce(const char *program)
{
    std::vector<std::string> args = {program, "sheet", "--module", "1", "--teeth", "30", "--allowance-upper",
                                     "-0.03", "--allowance-lower", "-0.06", "--gauge-diameter", "1.7", "--format",
                                     "json"};
    std::vector<char *> argv;
    for (std::string &a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, program, &actions, nullptr, argv.data(), environ) != 0)
        return -1;
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    waitpid(pid, &status, 0);
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? ms : -1;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s FLOOR GEARDIM [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 61;
    unsetenv("DISPLAY");
    std::vector<double> floor, program;
    runOnce(argv[1]);
    runOnce(argv[2]);
    for (int i = 0; i < runs; ++i) {
        const double f = runOnce(argv[1]), p = runOnce(argv[2]);
        if (f < 0 || p < 0) {
            std::fprintf(stderr, "a program failed\n");
            return 1;
        }
        floor.push_back(f);
        program.push_back(p);
    }
    const auto quartiles = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return std::pair{v[v.size() / 4], v[v.size() * 3 / 4]};
    };
    const auto [fq1, fq3] = quartiles(floor);
    const auto [pq1, pq3] = quartiles(program);
    const double ratio = median(program) / median(floor);
    std::printf("command line, process start to exit, median of %d runs each, no display\n", runs);
    std::printf("  QCommandLineParser floor        %7.2f ms (%6.2f-%6.2f)\n", median(floor), fq1, fq3);
    std::printf("  geardim sheet ... --format json %7.2f ms (%6.2f-%6.2f)\n", median(program), pq1, pq3);
    std::printf("  ratio %.3f (target <= 2)\n  %s\n", ratio, ratio <= 2 ? "target met" : "TARGET MISSED");
    return ratio <= 2 ? 0 : 1;
}
