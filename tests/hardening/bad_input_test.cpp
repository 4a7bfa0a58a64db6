// The real game started on broken files, without audio, without a display: its messages, status 1, no crash.
//
// Each case prepares a working folder (a copy of data/ with one thing broken),
// runs the game binary itself headless there with keys held on a schedule by a
// test-only preload (key_schedule.cpp): the title, Enter, a few hundred frames
// walking right, then Escape. Every line the game prints must be one the case
// expects, on the stream it belongs to, as many times as the game loads the
// file; whatever else appears (a sanitizer's report, a crash) fails the case.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_image.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "broken_files.h"
#include "engine/zvengine.h"
#include "fixtures.h"
#include "globals.h"

namespace {

namespace fs = std::filesystem;

// ---- What the game prints ----

std::string ImageMessage(const std::string& path)
{
    return "Image not found, it's going to crash! ( fix " + path + ")\n";
}

// Lines that end in SDL's own error text are matched up to it: "<prefix><reason>\n".
const std::string MUSIC_UNREADABLE = "Couldn't load data/snd/addiction.wav: ";
const std::string MUSIC_UNCONVERTIBLE = "Couldn't convert data/snd/addiction.wav: ";
const std::string NO_AUDIO = "Can't play music. Game should still run fine. Check your audio.\n";
const std::string NO_SDL =
    "\nSDL init failed. You're not in text mode are you?\n\n"
    "If you can't figure out why this problem occured contact " ZVE_SUPPORT_ADDRESS ".\n";
const std::string NO_WINDOW =
    "\nUnable to make the SDL window. Check SDL and ensure your setup can handle the color modes "
    "and resolution. Email " ZVE_SUPPORT_ADDRESS " if you need help. Sorry :(\n";
const std::string ANY_IMAGE = "Image not found, it's going to crash! ( fix data";

// Lines that the libraries print on their own, which the game cannot stop:
// SDL's disk audio driver announces itself, and libpng names what it found
// wrong in a damaged file before SDL_image gives up on it.
const char* const LIBRARY_LINES[] = {
    "CRITICAL: You are using the SDL disk i/o audio driver!",
    "CRITICAL:  Writing to file [",
    "libpng error: ",
    "libpng warning: ",
};

enum Stream { OUT, ERR };

// How often a message must appear.
const int ANY = -1;  // any number of times, none included
struct Count
{
    int exactly;       // this many times, or ANY; unused when perBuild > 0 or perMusicStart
    int perBuild;      // this many times per level build: the same multiple for every such line of a case
    bool perMusicStart;  // once per start of the music: at the first frame after Enter, then every 36 s
};
Count Exactly(int n) { return {n, 0, false}; }
Count PerBuild(int n) { return {0, n, false}; }
const Count PER_MUSIC_START = {0, 0, true};
const double MUSIC_PERIOD_S = 36;

struct Expect
{
    Stream stream;
    std::string text;  // a whole message, or a prefix ending in ": " or "data" that the line goes on from
    Count count;
};

// ---- The keys ----

// Enter after the title has shown for 20 frames (the title flips twice a
// frame), then walking and jumping right with the shellers harmless for some
// 200 frames of level play, then Escape, held until the game ends.
const int ENTER_FLIP = 40;
const char* const PLAY = "40:return 44:- 46:right+up+c 250:escape";
const int TITLE_FRAMES = ENTER_FLIP / 2 + 1;  // the frame that reads Enter loads the title too
// A title that takes seconds to load: Enter at once.
const char* const PLAY_SOON = "4:return 8:- 10:right+up+c 200:escape";

// ---- The cases ----

enum Display
{
    HEADLESS,      // SDL's dummy video driver: a working 640x480x24 screen
    NO_DRIVER,     // a video driver that does not exist
    X_NOWHERE,     // X11, with DISPLAY naming a display that is not there
    X_256_COLOURS  // X11 on a virtual display of 8 bits per pixel
};

struct Case
{
    const char* name;
    std::function<void(const std::string& data)> breakIt;  // given the path of the copy of data/
    std::vector<Expect> expect;
    const char* keys = PLAY;
    Display display = HEADLESS;
    bool audio = true;  // false: an audio driver that does not exist
    int runs = 1;       // start-up failures are quick: run them several times, as a crash at exit may not come every time
};

const std::string ART = "/art/";

// Uses of a file in one build of level one: shellers walk with one picture each way.
const int LEVEL_ONE_SHELLERS = 110;
const int LEVEL_ONE_G3_PLATFORMS = 13;

std::vector<Case> PictureCases()
{
    auto remove = [](const char* name) { return [name](const std::string& data) { fs::remove(data + ART + name); }; };
    return {
        {"no data folder", [](const std::string& data) { fs::remove_all(data); },
         {{ERR, ImageMessage("data/art/title.png"), Exactly(TITLE_FRAMES)},
          {ERR, ImageMessage("data/art/lvl1.png"), PerBuild(1)},
          {ERR, ImageMessage("data/art/sky-right_all-1.png"), PerBuild(1)},
          {ERR, ImageMessage("data/art/zarvell-right_all-1.png"), PerBuild(1)},
          {ERR, ImageMessage("data/art/zarvell-left_all-2.png"), PerBuild(1)},
          {ERR, ImageMessage("data/art/lvl1_g3.png"), PerBuild(LEVEL_ONE_G3_PLATFORMS)},
          {ERR, ImageMessage("data/art/sheller-left_walking-1.png"), PerBuild(LEVEL_ONE_SHELLERS)},
          {ERR, ImageMessage("data//art/sheller-right_walking-1.png"), PerBuild(LEVEL_ONE_SHELLERS)},
          {ERR, MUSIC_UNREADABLE, PER_MUSIC_START},
          {ERR, ANY_IMAGE, Exactly(ANY)}}},
        {"title missing", remove("title.png"), {{ERR, ImageMessage("data/art/title.png"), Exactly(TITLE_FRAMES)}}},
        {"level card missing", remove("lvl1.png"), {{ERR, ImageMessage("data/art/lvl1.png"), PerBuild(1)}}},
        {"sky missing", remove("sky-right_all-1.png"),
         {{ERR, ImageMessage("data/art/sky-right_all-1.png"), PerBuild(1)}}},
        {"player frame missing", remove("zarvell-right_all-1.png"),
         {{ERR, ImageMessage("data/art/zarvell-right_all-1.png"), PerBuild(1)}}},
        {"sheller missing", remove("sheller-left_walking-1.png"),
         {{ERR, ImageMessage("data/art/sheller-left_walking-1.png"), PerBuild(LEVEL_ONE_SHELLERS)}}},
        {"platform missing", remove("lvl1_g2.png"), {{ERR, ImageMessage("data/art/lvl1_g2.png"), PerBuild(1)}}},
        {"sheller picture of zero bytes",
         [](const std::string& data) { Truncate(data + ART + "sheller-right_walking-1.png", 0); },
         {{ERR, ImageMessage("data//art/sheller-right_walking-1.png"), PerBuild(LEVEL_ONE_SHELLERS)}}},
        {"platform PNG cut in half",
         [](const std::string& data) {
             std::string file = data + ART + "lvl1_g3.png";
             Truncate(file, fs::file_size(file) / 2);
         },
         {{ERR, ImageMessage("data/art/lvl1_g3.png"), PerBuild(LEVEL_ONE_G3_PLATFORMS)}}},
        {"title that is a text file",
         [](const std::string& data) { WriteBytes(data + ART + "title.png", {'n', 'o', 't', ' ', 'a', ' ', 'p', 'n', 'g', '\n'}); },
         {{ERR, ImageMessage("data/art/title.png"), Exactly(TITLE_FRAMES)}}},
        // Loaded, converted and freed again on every title frame: seconds each, hundreds of MB at a time.
        {"title of 8000x8000 pixels", [](const std::string& data) { WriteHugePicture(data + ART + "title.png"); },
         {}, PLAY_SOON},
        // Drawn clipped at the top left of the screen on every frame of level play.
        {"sky of 8000x8000 pixels",
         [](const std::string& data) { WriteHugePicture(data + ART + "sky-right_all-1.png"); }, {}},
        {"player frame with an alpha channel and no key colour",
         [](const std::string& data) { ReplaceKeyWithAlpha(data + ART + "zarvell-right_all-1.png"); }, {}},
    };
}

std::vector<Case> MusicCases()
{
    const std::string music = "/snd/addiction.wav";
    return {
        {"music missing", [music](const std::string& data) { fs::remove(data + music); },
         {{ERR, MUSIC_UNREADABLE, PER_MUSIC_START}}},
        {"music of zero bytes", [music](const std::string& data) { Truncate(data + music, 0); },
         {{ERR, MUSIC_UNREADABLE, PER_MUSIC_START}}},
        // SDL plays what there is of a file cut short in its samples.
        {"music cut short in its samples",
         [music](const std::string& data) { Truncate(data + music, fs::file_size(data + music) / 2); }, {}},
        {"music cut short in its header", [music](const std::string& data) { Truncate(data + music, 30); },
         {{ERR, MUSIC_UNREADABLE, PER_MUSIC_START}}},
        {"music that is not a WAV",
         [music](const std::string& data) { WriteBytes(data + music, {'n', 'o', 't', ' ', 'a', ' ', 'w', 'a', 'v', '\n'}); },
         {{ERR, MUSIC_UNREADABLE, PER_MUSIC_START}}},
        {"music in 8-bit mono at 11025 Hz",
         [music](const std::string& data) { WriteWav(data + music, 1, 1, 11025, 8, 20000); }, {}},
        // SDL reads up to 255 channels and converts no more than 8.
        {"music in nine channels",
         [music](const std::string& data) { WriteWav(data + music, 1, 9, 22050, 16, 5000); },
         {{ERR, MUSIC_UNCONVERTIBLE, PER_MUSIC_START}}},
        // The SDL 1.2 interface has no float samples: the reader refuses them.
        {"music in 32-bit float",
         [music](const std::string& data) { WriteWav(data + music, 3, 2, 48000, 32, 20000); },
         {{ERR, MUSIC_UNREADABLE, PER_MUSIC_START}}},
    };
}

std::vector<Case> StartUpCases()
{
    auto nothing = [](const std::string&) {};
    Case noAudio = {"no audio device", nothing, {{OUT, NO_AUDIO, Exactly(1)}}};
    noAudio.audio = false;
    Case noDriver = {"no video driver", nothing, {{ERR, NO_SDL, Exactly(1)}}};
    noDriver.display = NO_DRIVER;
    noDriver.runs = 10;
    Case nowhere = {"an X display that is not there", nothing, {{ERR, NO_SDL, Exactly(1)}}};
    nowhere.display = X_NOWHERE;
    nowhere.runs = 10;
    Case eightBit = {"an X display of 256 colours", nothing, {{ERR, NO_WINDOW, Exactly(1)}}};
    eightBit.display = X_256_COLOURS;
    eightBit.runs = 5;
    return {noAudio, noDriver, nowhere, eightBit};
}

// ---- Running the game ----

struct Run
{
    bool ended = false;   // exited by itself before the time limit
    int status = -1;      // exit status, when it exited
    int signal = 0;       // the signal that ended it, when one did
    long flips = -1;      // screen flips the key preload saw
    double seconds = 0;   // how long it ran
    std::string out, err;
};

std::string ReadFile(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A virtual X display of 8 bits per pixel, for as long as the object lives.
class EightBitDisplay
{
public:
    EightBitDisplay()
    {
        int fds[2];
        if (pipe(fds) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], 3);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        const char* argv[] = {"Xvfb", "-displayfd", "3", "-screen", "0", "640x480x8", "-nolisten", "tcp", NULL};
        if (posix_spawnp(&pid, "Xvfb", &actions, NULL, (char**)argv, environ) != 0)
            pid = 0;
        posix_spawn_file_actions_destroy(&actions);
        close(fds[1]);
        char number[16] = {0};
        ssize_t got = pid != 0 ? read(fds[0], number, sizeof number - 1) : 0;
        close(fds[0]);
        if (got > 0)
            display = ":" + std::string(number, strcspn(number, "\n"));
    }
    ~EightBitDisplay()
    {
        if (pid != 0) {
            kill(pid, SIGTERM);
            waitpid(pid, NULL, 0);
        }
    }
    std::string display;  // empty when Xvfb did not start

private:
    pid_t pid = 0;
};

// A display name with no X server behind it.
std::string AbsentDisplay()
{
    for (int n = 917;; n++)
        if (!fs::exists("/tmp/.X11-unix/X" + std::to_string(n)) && !fs::exists("/tmp/.X" + std::to_string(n) + "-lock"))
            return ":" + std::to_string(n);
}

class GameRun
{
public:
    // Starts the game in `folder` with this process's environment minus SDL's
    // settings, plus `settings`, which replace any of the same name.
    GameRun(const std::string& folder, const std::vector<std::string>& settings) : folder(folder)
    {
        std::vector<std::string> env;
        for (char** e = environ; *e != NULL; e++) {
            std::string s = *e;
            std::string name = s.substr(0, s.find('=') + 1);
            bool replaced = std::any_of(settings.begin(), settings.end(),
                                        [&name](const std::string& t) { return t.rfind(name, 0) == 0; });
            if (!replaced && name.rfind("SDL_", 0) != 0 && name != "DISPLAY=" && name.rfind("ZARVELL2_", 0) != 0)
                env.push_back(s);
        }
        env.insert(env.end(), settings.begin(), settings.end());
        env.push_back("ZARVELL2_KEYS_LOG=" + folder + "/flips");
        std::vector<char*> envp;
        for (std::string& s : env)
            envp.push_back(&s[0]);
        envp.push_back(NULL);

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
        posix_spawn_file_actions_addopen(&actions, 1, (folder + "/stdout").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, 2, (folder + "/stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        std::string program = GAME_BINARY;
        char* argv[] = {&program[0], NULL};
        if (posix_spawn(&pid, program.c_str(), &actions, NULL, argv, envp.data()) != 0)
            pid = 0;
        posix_spawn_file_actions_destroy(&actions);
    }

    // True once the run has ended, or has been killed for running past its
    // time limit; `run` then holds what it did.
    bool Done(Run& run)
    {
        int status = 0;
        if (pid == 0) {
            run = Run();
            return true;
        }
        bool late = std::chrono::steady_clock::now() > deadline;
        if (waitpid(pid, &status, WNOHANG) == 0) {
            if (!late)
                return false;
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
        }
        run.ended = !late;
        run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        if (WIFEXITED(status))
            run.status = WEXITSTATUS(status);
        if (WIFSIGNALED(status))
            run.signal = WTERMSIG(status);
        run.out = ReadFile(folder + "/stdout");
        run.err = ReadFile(folder + "/stderr");
        std::ifstream(folder + "/flips") >> run.flips;
        return true;
    }

private:
    std::string folder;
    pid_t pid = 0;
    std::chrono::steady_clock::time_point started = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point deadline = started + std::chrono::seconds(240);
};

// Removes every occurrence of `text` (or, for a prefix, of the rest of its
// line too) from `stream` and returns how many there were.
int Take(std::string& stream, const std::string& text)
{
    bool prefix = text.back() != '\n';
    int found = 0;
    size_t at = 0;
    while ((at = stream.find(text, at)) != std::string::npos) {
        // A message starts a line.
        if (at != 0 && stream[at - 1] != '\n' && text[0] != '\n') {
            at++;
            continue;
        }
        size_t end = at + text.size();
        if (prefix) {
            size_t newline = stream.find('\n', end);
            if (newline == std::string::npos || newline == end) {  // a reason must follow
                at++;
                continue;
            }
            end = newline + 1;
        }
        stream.erase(at, end - at);
        found++;
    }
    return found;
}

// Checks one run against its case; returns what was wrong, or "".
std::string Judge(const Case& c, const Run& run, long lastFlip)
{
    std::ostringstream wrong;
    if (!run.ended)
        wrong << "did not end within the time limit\n";
    if (run.signal != 0)
        wrong << "ended by signal " << run.signal << " (" << strsignal(run.signal) << ")\n";
    else if (run.status != 1)
        wrong << "exit status " << run.status << ", expected 1\n";
    if (c.display == HEADLESS && run.flips < lastFlip)
        wrong << "ended after " << run.flips << " flips, before the key schedule's Escape at " << lastFlip << "\n";
    if (c.display != HEADLESS && run.flips != 0)
        wrong << "showed " << run.flips << " frames, expected none\n";

    std::string streams[2] = {run.out, run.err};
    int builds = 0;
    for (const Expect& e : c.expect) {
        int n = Take(streams[e.stream], e.text);
        std::string what = "\"" + e.text.substr(0, 60) + "\" on " + (e.stream == OUT ? "stdout" : "stderr");
        if (e.count.perBuild > 0) {
            if (n == 0 || n % e.count.perBuild != 0)
                wrong << what << ": " << n << " times, expected a multiple of " << e.count.perBuild << "\n";
            else if (builds == 0)
                builds = n / e.count.perBuild;
            else if (n / e.count.perBuild != builds)
                wrong << what << ": " << n << " times, " << n / e.count.perBuild << " builds' worth; other lines say "
                      << builds << "\n";
        } else if (e.count.perMusicStart) {
            // A run that lasted longer than the music's period tries it again.
            int most = 1 + (int)(run.seconds / MUSIC_PERIOD_S);
            if (n < 1 || n > most)
                wrong << what << ": " << n << " times in a run of " << run.seconds << " s, expected 1 to " << most << "\n";
        } else if (e.count.exactly != ANY && n != e.count.exactly) {
            wrong << what << ": " << n << " times, expected " << e.count.exactly << "\n";
        }
    }
    for (int s = 0; s < 2; s++) {
        std::istringstream lines(streams[s]);
        std::string line;
        while (std::getline(lines, line)) {
            bool known = line.empty();
            for (const char* library : LIBRARY_LINES)
                known = known || (s == ERR && line.rfind(library, 0) == 0);
            if (!known)
                wrong << "unexpected on " << (s == OUT ? "stdout" : "stderr") << ": " << line << "\n";
        }
    }
    return wrong.str();
}

long LastFlip(const char* keys)
{
    std::string k = keys;
    size_t last = k.rfind(' ');
    return strtol(k.c_str() + (last == std::string::npos ? 0 : last + 1), NULL, 10);
}

// Settings for a case: the keys, the preload, and what stands for audio and display.
std::vector<std::string> Settings(const Case& c, const EightBitDisplay* eightBit)
{
    std::vector<std::string> settings = {"ZARVELL2_KEYS=" + std::string(c.keys), "LD_PRELOAD=" KEY_PRELOAD,
                                         "SDL_DISKAUDIOFILE=/dev/null"};
    settings.push_back(c.audio ? "SDL_AUDIODRIVER=disk" : "SDL_AUDIODRIVER=none-such");
    switch (c.display) {
    case HEADLESS: settings.push_back("SDL_VIDEODRIVER=dummy"); break;
    case NO_DRIVER: settings.push_back("SDL_VIDEODRIVER=none-such"); break;
    case X_NOWHERE:
        settings.push_back("SDL_VIDEODRIVER=x11");
        settings.push_back("DISPLAY=" + AbsentDisplay());
        break;
    case X_256_COLOURS:
        settings.push_back("SDL_VIDEODRIVER=x11");
        settings.push_back("DISPLAY=" + (eightBit ? eightBit->display : std::string()));
        break;
    }
    if (c.display == X_NOWHERE || c.display == X_256_COLOURS) {
        // The X11 and D-Bus libraries that SDL loads for X keep memory that
        // leak checking cannot tell from the game's (as in tests/e2e/lib.sh);
        // memory errors are still caught.
        const char* asan = getenv("ASAN_OPTIONS");
        settings.push_back("ASAN_OPTIONS=" + std::string(asan ? asan : "") + ":detect_leaks=0");
    }
    return settings;
}

// Runs the cases a few at a time (their frames mostly wait) and reports each
// run that went wrong, keeping its folder for a look.
void RunCases(const std::vector<Case>& cases)
{
    char pattern[] = "/tmp/zarvell2-bad-input-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string root = pattern;
    const size_t AT_ONCE = 4;

    std::unique_ptr<EightBitDisplay> eightBit;
    for (const Case& c : cases)
        if (c.display == X_256_COLOURS && !eightBit) {
            eightBit.reset(new EightBitDisplay);
            ASSERT_NE(eightBit->display, "") << c.name << ": Xvfb did not start";
        }

    struct Job
    {
        const Case* c;
        int run;
        std::string folder;
        std::unique_ptr<GameRun> game;
    };
    std::vector<Job> jobs;
    for (const Case& c : cases)
        for (int r = 0; r < c.runs; r++)
            jobs.push_back({&c, r, root + "/case" + std::to_string(jobs.size()), nullptr});

    size_t next = 0, finished = 0;
    while (finished < jobs.size()) {
        size_t running = next - finished;
        while (running < AT_ONCE && next < jobs.size()) {
            Job& job = jobs[next++];
            fs::create_directories(job.folder);
            fs::copy(DATA_DIR, job.folder + "/data", fs::copy_options::recursive);
            job.c->breakIt(job.folder + "/data");
            job.game.reset(new GameRun(job.folder, Settings(*job.c, eightBit.get())));
            running++;
        }
        for (Job& job : jobs) {
            Run run;
            if (!job.game || !job.game->Done(run))
                continue;
            job.game.reset();
            finished++;
            std::string wrong = Judge(*job.c, run, LastFlip(job.c->keys));
            EXPECT_EQ(wrong, "") << "case \"" << job.c->name << "\", run " << job.run + 1 << " of " << job.c->runs
                                 << ", in " << job.folder << "\n--- stdout:\n" << run.out.substr(0, 2000)
                                 << "--- stderr (start):\n" << run.err.substr(0, 4000);
            if (wrong.empty())
                fs::remove_all(job.folder);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    std::error_code ignored;
    fs::remove(root, ignored);  // stays, with the failed runs' folders, when any failed
}

// What the player sees of such a picture: the display has no alpha, so the
// conversion to its format drops the channel, and only the key colour stays
// transparent. Pixels an artist left fully transparent show in their colour.
TEST(BadInput, APictureWithAnAlphaChannelIsDrawnOpaqueInItsOwnColours)
{
    ScratchFolder folder;
    // Left half: fully transparent brown; right half: opaque green.
    ASSERT_TRUE(WritePng("alpha.png", 40, 20, 4, [](int, Uint8* p) {
        for (int x = 0; x < 40; x++) {
            const Uint8 brown[4] = {90, 60, 30, 0}, green[4] = {0, 200, 0, 255};
            memcpy(p + 4 * x, x < 20 ? brown : green, 4);
        }
    }));
    TestObject o;
    o.SetExists(true);
    ASSERT_EQ(o.LoadFrame(0, "alpha.png"), 1);
    EXPECT_EQ(o.GetFrame(0, 0)->format->Amask, 0u);
    o.SetType(TYPE_RIGHT);
    o.SetPos(100, 100);
    SDL_FillRect(zve_screen, NULL, SDL_MapRGB(zve_screen->format, 10, 20, 30));
    o.Draw();

    Uint8 r, g, b;
    ScreenPixel(105, 110, r, g, b);
    EXPECT_EQ(std::vector<int>({r, g, b}), std::vector<int>({90, 60, 30})) << "a transparent pixel";
    ScreenPixel(125, 110, r, g, b);
    EXPECT_EQ(std::vector<int>({r, g, b}), std::vector<int>({0, 200, 0})) << "an opaque pixel";
    ScreenPixel(145, 110, r, g, b);
    EXPECT_EQ(std::vector<int>({r, g, b}), std::vector<int>({10, 20, 30})) << "beside the picture";
}

TEST(BadInput, BrokenPicturesAreReportedEachTimeTheyAreLoadedAndNothingCrashes)
{
    RunCases(PictureCases());
}

TEST(BadInput, BrokenMusicIsReportedAtEachStartAndNothingCrashes)
{
    RunCases(MusicCases());
}

TEST(BadInput, NoAudioPlaysOnAndNoDisplayEndsWithItsMessage)
{
    RunCases(StartUpCases());
}

}  // namespace
