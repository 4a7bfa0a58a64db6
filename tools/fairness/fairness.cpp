// Fairness report: a search player tries every level on many seeds without the c key and prints what it reached.
#include <SDL.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "keyscript.h"
#include "play.h"
#include "search.h"

namespace {

// ---- The report ----

struct Options
{
    std::vector<int> levels = {1, 2, 3};
    std::vector<int> seeds;
    int budget = 160;     // the widest beam the search may use
    int jobs = 1;         // processes sharing the seeds
    bool scripts = false; // print the key script of every finished seed
    std::string replay;   // replay this script instead of searching
};

const int FIRST_WIDTH = 10;  // the beam of the first try; each retry is four times wider

int LeastFrames(int end) { return (end + 8) / 9; }

std::string DescribeSheller(int entry, int speed, int type, int x)
{
    int platform = platformOf[entry];
    int onRow = 0;
    for (int i = platform + 1; i < numObjects && object[i].GetStatus() == STATUS_ENEMY; i++)
        onRow++;
    char text[200];
    snprintf(text, sizeof text, "sheller %d of %d on row %d (platform x %d, y %d), speed %d, %s, at x %d", entry - platform,
             onRow, rowOf[entry], object[platform].GetX() + location, object[platform].GetY(), speed,
             type == TYPE_LEFT ? "walking left" : "walking right", x);
    return text;
}

// What killed the search's lines of play near the furthest place: falls, and
// shellers by how many lines each one ended.
std::string DescribeDeaths(const std::vector<Death>& deaths)
{
    if (deaths.empty())
        return "no deaths near there: the frame limit ran out\n";
    int falls = 0, lo = deaths[0].location, hi = deaths[0].location;
    std::map<int, int> byKiller;
    std::map<int, Death> example;
    for (const Death& d : deaths) {
        lo = std::min(lo, d.location);
        hi = std::max(hi, d.location);
        if (d.killer < 0) {
            falls++;
        } else {
            byKiller[d.killer]++;
            example[d.killer] = d;
        }
    }
    std::vector<std::pair<int, int>> order;
    for (const auto& k : byKiller)
        order.push_back({k.second, k.first});
    std::sort(order.rbegin(), order.rend());
    std::string out;
    char line[300];
    snprintf(line, sizeof line, "deaths at locations %d to %d: %zu, of them %d falls below the screen\n", lo, hi,
             deaths.size(), falls);
    out += line;
    for (size_t i = 0; i < order.size() && i < 5; i++) {
        const Death& d = example[order[i].second];
        snprintf(line, sizeof line, "%6d x %s\n", order[i].first,
                 DescribeSheller(d.killer, d.speed, d.type, d.shellerX).c_str());
        out += line;
    }
    if (order.size() > 5) {
        int rest = 0;
        for (size_t i = 5; i < order.size(); i++)
            rest += order[i].first;
        snprintf(line, sizeof line, "%6d x %zu other shellers\n", rest, order.size() - 5);
        out += line;
    }
    return out;
}

// The outcome of one level and seed, as the summary needs it.
struct SeedOutcome
{
    int level = 0, seed = 0;
    bool finished = false;
    int frames = 0;
    int least = 0;  // frames of walking right without a stop: no run is shorter
    int width = 0;  // the beam that found the finished run
    long long simulated = 0;
    double seconds = 0;
};

std::string Indent(const std::string& text, const char* margin)
{
    std::string out;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        out += margin + text.substr(start, end - start) + "\n";
        start = end + 1;
    }
    return out;
}

// Searches one level on one seed with ever wider beams, verifies a find by
// replaying it, and writes the seed's lines of the report into `text`.
SeedOutcome RunSeed(int number, int seed, const Options& opt, std::string& text)
{
    SeedOutcome out;
    out.level = number;
    out.seed = seed;
    auto t0 = std::chrono::steady_clock::now();
    char line[400];

    BuildLevel(number, seed);
    if (!OnePicturePerSet()) {
        text = "an entry has animation sets of more than one picture: saved states would not be exact\n";
        return out;
    }
    int end = levelEnd;
    out.least = LeastFrames(end);
    int limit = 3 * out.least;
    std::string widths;
    SearchResult found;
    int width = std::min(FIRST_WIDTH, opt.budget);
    std::string failedReplay;
    int stomped = 0;
    for (;;) {
        BuildLevel(number, seed);
        found = Search(width, limit);
        out.simulated += found.simulated;
        widths += (widths.empty() ? "" : ", ") + std::to_string(width);
        if (found.finished) {
            ReplayResult r = Replay(number, seed, found.keys);
            if (r.finished) {
                stomped = r.stomped;
                out.width = width;
                break;
            }
            snprintf(line, sizeof line, "the find of beam %d did not replay: %s at location %d after %d frames\n", width,
                     r.died ? "died" : "ran out of keys", r.location, r.frames);
            failedReplay += line;
            found.finished = false;
        }
        if (width >= opt.budget)
            break;
        width = std::min(width * 4, opt.budget);
    }
    out.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();

    if (found.finished) {
        out.finished = true;
        out.frames = (int)found.keys.size();
        snprintf(line, sizeof line,
                 "level %d seed %2d: finished in %d frames (%d at the least), %d of %d shellers stomped; beam %s; "
                 "%.2fM frames searched in %.1f s; replay clean\n",
                 number, seed, out.frames, LeastFrames(end), stomped, Shellers(), widths.c_str(), out.simulated / 1e6,
                 out.seconds);
        text = line + Indent(failedReplay, "    ");
        if (opt.scripts)
            text += "    keys: " + EncodeScript(found.keys) + "\n";
    } else {
        // The deaths are described against the level as built, at location 0.
        BuildLevel(number, seed);
        snprintf(line, sizeof line,
                 "level %d seed %2d: NOT finished; furthest location %d of %d (player's left edge at x %d); beam %s; %.2fM frames searched in %.1f s\n",
                 number, seed, found.furthest, end, found.furthest + player.GetX(), widths.c_str(), out.simulated / 1e6,
                 out.seconds);
        text = line + Indent(failedReplay + DescribeDeaths(found.deaths), "    ");
    }
    return out;
}

// ---- Command line ----

// "1-20" or "1,3,5-7".
bool ParseList(const char* arg, std::vector<int>& out)
{
    out.clear();
    std::stringstream in(arg);
    std::string part;
    while (std::getline(in, part, ',')) {
        int a = 0, b = 0;
        char dash = 0;
        std::istringstream p(part);
        if (!(p >> a))
            return false;
        if (p >> dash) {
            if (dash != '-' || !(p >> b) || b < a)
                return false;
        } else {
            b = a;
        }
        for (int v = a; v <= b; v++)
            out.push_back(v);
    }
    return !out.empty();
}

void Usage(const char* name)
{
    fprintf(stderr,
            "usage: %s [--levels 1,2,3] [--seeds 1-20] [--budget N] [--jobs N] [--scripts]\n"
            "       %s --levels L --seeds S --replay \"R30 RU1 R45 -3\"\n"
            "Run from the folder that holds data/. The search plays without the c key; --budget is the\n"
            "widest beam it may try (it starts at %d and widens fourfold after a failure).\n",
            name, name, FIRST_WIDTH);
}

// A seed's record for the summary, one line: "= level seed finished frames least width simulated seconds".
std::string Record(const SeedOutcome& o)
{
    char line[160];
    snprintf(line, sizeof line, "= %d %d %d %d %d %d %lld %.3f\n", o.level, o.seed, o.finished ? 1 : 0, o.frames, o.least,
             o.width, o.simulated, o.seconds);
    return line;
}

bool ParseRecord(const std::string& line, SeedOutcome& o)
{
    int finished = 0;
    if (sscanf(line.c_str(), "= %d %d %d %d %d %d %lld %lf", &o.level, &o.seed, &finished, &o.frames, &o.least,
               &o.width, &o.simulated, &o.seconds) != 8)
        return false;
    o.finished = finished != 0;
    return true;
}

// Runs the tasks given to worker `index` of `jobs`, writing each one's record,
// its lines of the report and a line "." to `fd`.
void Work(const std::vector<std::pair<int, int>>& tasks, int index, int jobs, const Options& opt, int fd)
{
    StartEngine();
    for (size_t t = index; t < tasks.size(); t += jobs) {
        std::string text;
        SeedOutcome o = RunSeed(tasks[t].first, tasks[t].second, opt, text);
        std::string block = Record(o) + text + ".\n";
        for (size_t done = 0; done < block.size();) {
            ssize_t n = write(fd, block.data() + done, block.size() - done);
            if (n <= 0)
                exit(1);
            done += n;
        }
    }
}

double Median(std::vector<int> v)
{
    std::sort(v.begin(), v.end());
    size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

void PrintSummary(const std::vector<SeedOutcome>& outcomes, const Options& opt)
{
    printf("\nSummary (no c key; beams from %d up to %d)\n", std::min(FIRST_WIDTH, opt.budget), opt.budget);
    printf("level  finished  frames: min  median     max  least possible  found with beam    frames searched  search time\n");
    for (int number : opt.levels) {
        std::vector<int> frames;
        std::map<int, int> byWidth;
        int seeds = 0, least = 0;
        long long simulated = 0;
        double seconds = 0;
        for (const SeedOutcome& o : outcomes) {
            if (o.level != number)
                continue;
            seeds++;
            least = o.least;
            simulated += o.simulated;
            seconds += o.seconds;
            if (o.finished) {
                frames.push_back(o.frames);
                byWidth[o.width]++;
            }
        }
        char range[64] = "     -       -       -";
        if (!frames.empty())
            snprintf(range, sizeof range, "%6d  %6.1f  %6d", *std::min_element(frames.begin(), frames.end()),
                     Median(frames), *std::max_element(frames.begin(), frames.end()));
        std::string widths;
        for (const auto& w : byWidth)
            widths += (widths.empty() ? "" : ", ") + std::to_string(w.first) + ": " + std::to_string(w.second);
        printf("%5d  %5zu/%-2d  %s  %14d  %-17s  %14.2fM  %9.0f s\n", number, frames.size(), seeds, range, least,
               widths.empty() ? "-" : widths.c_str(), simulated / 1e6, seconds);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    Options opt;
    ParseList("1-20", opt.seeds);
    for (int i = 1; i < argc; i++) {
        std::string a = argv[i];
        bool more = i + 1 < argc;
        if (a == "--levels" && more) {
            if (!ParseList(argv[++i], opt.levels)) {
                Usage(argv[0]);
                return 2;
            }
            for (int l : opt.levels)
                if (l < 1 || l > 3) {
                    Usage(argv[0]);
                    return 2;
                }
        } else if (a == "--seeds" && more) {
            if (!ParseList(argv[++i], opt.seeds)) {
                Usage(argv[0]);
                return 2;
            }
        } else if (a == "--budget" && more) {
            opt.budget = atoi(argv[++i]);
        } else if (a == "--jobs" && more) {
            opt.jobs = atoi(argv[++i]);
        } else if (a == "--scripts") {
            opt.scripts = true;
        } else if (a == "--replay" && more) {
            opt.replay = argv[++i];
        } else {
            Usage(argv[0]);
            return 2;
        }
    }
    if (opt.budget < 1 || opt.jobs < 1) {
        Usage(argv[0]);
        return 2;
    }

    if (!opt.replay.empty()) {
        std::vector<unsigned> keys;
        if (opt.levels.size() != 1 || opt.seeds.size() != 1 || !DecodeScript(opt.replay, keys)) {
            Usage(argv[0]);
            return 2;
        }
        StartEngine();
        ReplayResult r = Replay(opt.levels[0], opt.seeds[0], keys);
        printf("level %d seed %d: %s after %d of %zu frames at location %d of %d\n", opt.levels[0], opt.seeds[0],
               r.finished ? "finished" : r.died ? "died" : "not finished", r.frames, keys.size(), r.location, levelEnd);
        return r.finished ? 0 : 1;
    }

    std::vector<std::pair<int, int>> tasks;
    for (int number : opt.levels)
        for (int seed : opt.seeds)
            tasks.push_back({number, seed});
    printf("Fairness report: levels played without the c key by a beam search over macro-actions of %d frames\n",
           MACRO);
    fflush(stdout);
    auto t0 = std::chrono::steady_clock::now();

    // Each worker is a process of its own, with its own SDL and game state;
    // the report gathers their blocks as they come.
    int jobs = std::min<int>(opt.jobs, tasks.size());
    std::vector<int> fds;
    std::vector<pid_t> pids;
    for (int k = 0; k < jobs; k++) {
        int p[2];
        if (pipe(p) != 0) {
            perror("pipe");
            return 1;
        }
        fflush(stdout);
        pid_t pid = fork();
        if (pid < 0) {
            perror("fork");
            return 1;
        }
        if (pid == 0) {
            close(p[0]);
            for (int fd : fds)
                close(fd);
            Work(tasks, k, jobs, opt, p[1]);
            close(p[1]);
            _exit(0);
        }
        close(p[1]);
        fds.push_back(p[0]);
        pids.push_back(pid);
    }

    std::vector<SeedOutcome> outcomes;
    std::vector<std::string> pending(jobs);
    int open = jobs;
    while (open > 0) {
        std::vector<pollfd> polls;
        for (int fd : fds)
            polls.push_back({fd, POLLIN, 0});
        if (poll(polls.data(), polls.size(), -1) < 0) {
            perror("poll");
            return 1;
        }
        for (int k = 0; k < jobs; k++) {
            if (fds[k] < 0 || !(polls[k].revents & (POLLIN | POLLHUP | POLLERR)))
                continue;
            char buffer[4096];
            ssize_t n = read(fds[k], buffer, sizeof buffer);
            if (n <= 0) {
                close(fds[k]);
                fds[k] = -1;
                open--;
                continue;
            }
            pending[k].append(buffer, n);
            // A block: the record, the report's lines, then ".".
            size_t endOfBlock;
            while ((endOfBlock = pending[k].find("\n.\n")) != std::string::npos) {
                std::string block = pending[k].substr(0, endOfBlock + 1);
                pending[k].erase(0, endOfBlock + 3);
                size_t firstLine = block.find('\n');
                SeedOutcome o;
                if (ParseRecord(block.substr(0, firstLine), o))
                    outcomes.push_back(o);
                fputs(block.c_str() + firstLine + 1, stdout);
                fflush(stdout);
            }
        }
    }
    bool allWorked = true;
    for (pid_t pid : pids) {
        int status = 0;
        waitpid(pid, &status, 0);
        allWorked = allWorked && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    if (!allWorked || outcomes.size() != tasks.size())
        fprintf(stderr, "a worker failed: %zu of %zu seeds reported\n", outcomes.size(), tasks.size());

    PrintSummary(outcomes, opt);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    printf("wall time %.0f s with %d process%s\n", seconds, jobs, jobs == 1 ? "" : "es");
    return allWorked ? 0 : 1;
}
