// The sound slots: the slot a sound takes, what the callback mixes, files that cannot be played, and what reaches the device.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <malloc.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#endif

#include "fixtures.h"
#include "game/zarvell2.h"
#include "globals.h"

namespace {

namespace fs = std::filesystem;

// ---- WAV fixtures ----

struct WavFormat
{
    Uint16 code;      // 1: PCM
    Uint16 channels;
    Uint32 rate;
    Uint16 bits;
};

const WavFormat DEVICE_FORMAT = {1, 2, 22050, 16};  // the game's own format: nothing to convert

void Put16(std::vector<Uint8>& bytes, Uint16 value)
{
    bytes.push_back(value & 0xFF);
    bytes.push_back(value >> 8);
}

void Put32(std::vector<Uint8>& bytes, Uint32 value)
{
    for (int i = 0; i < 4; i++)
        bytes.push_back((value >> (8 * i)) & 0xFF);
}

// The bytes of a RIFF WAVE file: a 16-byte fmt chunk and one data chunk.
std::vector<Uint8> WavBytes(const WavFormat& f, const std::vector<Uint8>& data)
{
    std::vector<Uint8> bytes;
    const Uint16 blockAlign = f.channels * f.bits / 8;
    bytes.insert(bytes.end(), {'R', 'I', 'F', 'F'});
    Put32(bytes, 36 + data.size());
    bytes.insert(bytes.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    Put32(bytes, 16);
    Put16(bytes, f.code);
    Put16(bytes, f.channels);
    Put32(bytes, f.rate);
    Put32(bytes, f.rate * blockAlign);
    Put16(bytes, blockAlign);
    Put16(bytes, f.bits);
    bytes.insert(bytes.end(), {'d', 'a', 't', 'a'});
    Put32(bytes, data.size());
    bytes.insert(bytes.end(), data.begin(), data.end());
    return bytes;
}

void WriteBytes(const std::string& file, const std::vector<Uint8>& bytes)
{
    std::ofstream out(file, std::ios::binary);
    out.write((const char*)bytes.data(), bytes.size());
}

void WriteWav(const std::string& file, const WavFormat& f, const std::vector<Uint8>& data)
{
    WriteBytes(file, WavBytes(f, data));
}

// Little-endian bytes of 16-bit samples.
std::vector<Uint8> Bytes16(const std::vector<Sint16>& samples)
{
    std::vector<Uint8> bytes;
    for (Sint16 s : samples)
        Put16(bytes, (Uint16)s);
    return bytes;
}

Sint16 Sample16(const Uint8* bytes, size_t index)
{
    return (Sint16)(bytes[2 * index] | (bytes[2 * index + 1] << 8));
}

// Stereo frames whose left and right samples run up from two different starts,
// so that every frame of a fixture, and each of its channels, can be told apart.
std::vector<Uint8> Ramp(int frames, Sint16 left, Sint16 right)
{
    std::vector<Sint16> samples;
    for (int i = 0; i < frames; i++) {
        samples.push_back(left + i);
        samples.push_back(right + 2 * i);
    }
    return Bytes16(samples);
}

// ---- Slots ----

// Frees what the slots hold and empties them, as at the start of the program.
void ClearSlots()
{
    for (SoundSlot& slot : sounds) {
        free(slot.buffer);
        slot.buffer = NULL;
        slot.position = 0;
        slot.length = 0;
    }
}

// Gives slot `index` a buffer holding `data`, already mixed up to `position`.
void FillSlot(int index, const std::vector<Uint8>& data, Uint32 position)
{
    free(sounds[index].buffer);
    sounds[index].buffer = (Uint8*)malloc(data.size());
    memcpy(sounds[index].buffer, data.data(), data.size());
    sounds[index].length = data.size();
    sounds[index].position = position;
}

std::vector<Uint8> SlotBytes(int index)
{
    const SoundSlot& slot = sounds[index];
    return std::vector<Uint8>(slot.buffer, slot.buffer + slot.length);
}

// What a test remembers of a slot, to tell whether it was left alone.
struct SlotState
{
    Uint8* buffer;
    Uint32 position, length;
    std::vector<Uint8> bytes;
};

SlotState Remember(int index)
{
    const SoundSlot& slot = sounds[index];
    return {slot.buffer, slot.position, slot.length,
            slot.buffer ? SlotBytes(index) : std::vector<Uint8>()};
}

void ExpectUnchanged(int index, const SlotState& before, const std::string& context)
{
    const SoundSlot& slot = sounds[index];
    EXPECT_EQ(slot.buffer, before.buffer) << context << ", slot " << index;
    EXPECT_EQ(slot.position, before.position) << context << ", slot " << index;
    EXPECT_EQ(slot.length, before.length) << context << ", slot " << index;
    // Reading the bytes also lets AddressSanitizer tell a buffer freed behind the slot's back.
    if (slot.buffer != NULL && slot.buffer == before.buffer) {
        EXPECT_EQ(SlotBytes(index), before.bytes) << context << ", slot " << index;
    }
}

std::string PlayAndCaptureErrors(const char* file)
{
    ::testing::internal::CaptureStderr();
    PlaySound(file);
    return ::testing::internal::GetCapturedStderr();
}

// Bytes the C library's heap holds for the program right now (not meaningful
// under AddressSanitizer, which keeps a heap of its own).
size_t HeapInUse()
{
    struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// True when the block of `size` bytes at `block`, live when the heap held
// `heapBefore` bytes, has since gone back to the heap. AddressSanitizer poisons
// a freed block while it waits in quarantine; the C library's heap shrinks by it.
bool GivenBack(const void* block, size_t size, size_t heapBefore)
{
#if defined(__SANITIZE_ADDRESS__)
    (void)size;
    (void)heapBefore;
    return __asan_address_is_poisoned(block) != 0;
#else
    (void)block;
    return HeapInUse() + size / 2 < heapBefore;
#endif
}

void* FailingAlloc(size_t /*size*/)
{
    return NULL;
}

class SoundSlots : public ::testing::Test
{
protected:
    // SDL mixes in the format of the open device and refuses to mix without
    // one, so the device is opened the game's way and paused: the tests call the
    // callback themselves. A paused device's thread still writes silence, at the
    // pace of real time once the tests' "no delay" setting is gone.
    static void SetUpTestSuite()
    {
        unsetenv("SDL_DISKAUDIODELAY");
        OpenAudio();
        SDL_PauseAudio(1);
    }
    static void TearDownTestSuite() { SDL_CloseAudio(); }

    void SetUp() override { ClearSlots(); }
    void TearDown() override
    {
        soundAlloc = malloc;
        ClearSlots();
    }
};

// ---- Which slot a sound takes ----

enum SlotUse { EMPTY, PLAYING, FINISHED };
const char* const USE_NAMES[] = {"empty", "playing", "finished"};

struct ChoiceCase
{
    SlotUse first, second;
    const char* file;
    int chosen;  // -1: the sound is dropped
};

TEST_F(SoundSlots, ASoundTakesTheFirstFreeSlotAndIsDroppedUnreadWhenBothPlay)
{
    ScratchFolder folder;
    const std::vector<Uint8> tone = Ramp(100, 1000, -3000);
    WriteWav("tone.wav", DEVICE_FORMAT, tone);
    const std::vector<Uint8> earlier[2] = {Ramp(50, 7000, 7000), Ramp(60, -7000, -7000)};

    const ChoiceCase cases[] = {
        {EMPTY, EMPTY, "tone.wav", 0},        // the first start
        {PLAYING, EMPTY, "tone.wav", 1},
        {FINISHED, PLAYING, "tone.wav", 0},
        {FINISHED, FINISHED, "tone.wav", 0},
        {PLAYING, FINISHED, "tone.wav", 1},
        {PLAYING, PLAYING, "tone.wav", -1},
        {PLAYING, PLAYING, "missing.wav", -1},  // not even opened: no message
    };
    for (const ChoiceCase& c : cases) {
        const std::string context = std::string(c.file) + " with slots " + USE_NAMES[c.first] + "/"
                                    + USE_NAMES[c.second];
        ClearSlots();
        const SlotUse uses[2] = {c.first, c.second};
        for (int i = 0; i < SOUND_SLOTS; i++) {
            if (uses[i] == PLAYING)
                FillSlot(i, earlier[i], 8);
            else if (uses[i] == FINISHED)
                FillSlot(i, earlier[i], earlier[i].size());
        }
        SlotState before[2] = {Remember(0), Remember(1)};

        EXPECT_EQ(PlayAndCaptureErrors(c.file), "") << context;

        for (int i = 0; i < SOUND_SLOTS; i++) {
            if (i != c.chosen) {
                ExpectUnchanged(i, before[i], context);
                continue;
            }
            EXPECT_NE(sounds[i].buffer, nullptr) << context;
            EXPECT_EQ(sounds[i].position, 0u) << context;
            ASSERT_EQ(sounds[i].length, tone.size()) << context;
            EXPECT_EQ(SlotBytes(i), tone) << context;
        }
    }
}

TEST_F(SoundSlots, ReusingAFinishedSlotFreesItsOldBuffer)
{
    ScratchFolder folder;
    const std::vector<Uint8> tone = Ramp(100, 1000, -3000);
    WriteWav("tone.wav", DEVICE_FORMAT, tone);
    // An old buffer far larger than anything else the call allocates and keeps,
    // so that its release shows in the heap's total.
    const size_t OLD = 4 << 20;
    FillSlot(0, std::vector<Uint8>(OLD, 1), OLD);
    FillSlot(1, Ramp(60, 0, 0), 0);

    const Uint8* old = sounds[0].buffer;
    size_t heapBefore = HeapInUse();
    EXPECT_EQ(PlayAndCaptureErrors("tone.wav"), "");

    EXPECT_EQ(SlotBytes(0), tone);
    EXPECT_TRUE(GivenBack(old, OLD, heapBefore));
}

// ---- The callback ----

struct MixCase
{
    const char* what;
    Uint32 length[2];    // bytes in each slot; 0 leaves the slot never used
    Uint32 position[2];  // bytes already mixed
    int len;             // the device buffer's size in bytes
};

TEST_F(SoundSlots, TheCallbackAddsWhatRemainsOfEachSlotAndLeavesFinishedSlotsFree)
{
    const MixCase cases[] = {
        {"both never used", {0, 0}, {0, 0}, 400},
        {"both finished", {200, 200}, {200, 200}, 400},
        {"first has less than a buffer left", {200, 0}, {160, 0}, 400},
        {"first has more than a buffer left", {1000, 0}, {100, 0}, 400},
        {"first has exactly a buffer left", {800, 0}, {400, 0}, 400},
        {"only the second plays", {200, 1000}, {200, 0}, 400},
        {"both play, the first ends early", {300, 1000}, {100, 0}, 400},
    };
    // Quiet enough that two of them added never clip.
    const std::vector<Uint8> content[2] = {Ramp(500, 1000, -2000), Ramp(500, -5000, 3000)};

    for (const MixCase& c : cases) {
        ClearSlots();
        for (int i = 0; i < SOUND_SLOTS; i++) {
            if (c.length[i] > 0)
                FillSlot(i, std::vector<Uint8>(content[i].begin(), content[i].begin() + c.length[i]),
                         c.position[i]);
        }

        std::vector<Uint8> stream(c.len, 0);  // SDL hands over silence
        mixaudio(NULL, stream.data(), c.len);

        for (int s = 0; s < c.len / 2; s++) {
            int expected = 0;
            for (int i = 0; i < SOUND_SLOTS; i++) {
                Uint32 at = c.position[i] + 2 * s;
                if (at < c.length[i])
                    expected += Sample16(content[i].data(), at / 2);
            }
            ASSERT_EQ(Sample16(stream.data(), s), expected) << c.what << ", sample " << s;
        }
        for (int i = 0; i < SOUND_SLOTS; i++) {
            Uint32 end = std::min(c.length[i], c.position[i] + c.len);
            EXPECT_EQ(sounds[i].position, end) << c.what << ", slot " << i;
        }
    }
}

// ---- Files that cannot be played ----

struct UnreadableCase
{
    const char* file;
    std::vector<Uint8> bytes;  // empty: the file does not exist
};

TEST_F(SoundSlots, AnUnreadableFileIsReportedOnEveryTryAndLeavesTheSlotsAlone)
{
    ScratchFolder folder;
    const char text[] = "this is not a sound\n";
    const std::vector<Uint8> whole = WavBytes(DEVICE_FORMAT, Ramp(100, 0, 0));
    const UnreadableCase cases[] = {
        {"missing.wav", {}},
        {"text.wav", std::vector<Uint8>(text, text + sizeof text - 1)},
        {"cut.wav", std::vector<Uint8>(whole.begin(), whole.begin() + 30)},  // ends inside the fmt chunk
    };
    for (const UnreadableCase& c : cases) {
        if (!c.bytes.empty())
            WriteBytes(c.file, c.bytes);
        ClearSlots();
        const std::vector<Uint8> old = Ramp(50, 100, 100);
        FillSlot(0, old, old.size());  // finished: the slot a readable file would take
        FillSlot(1, Ramp(50, 200, 200), 0);
        SlotState before[2] = {Remember(0), Remember(1)};

        for (int attempt = 1; attempt <= 2; attempt++) {
            std::string err = PlayAndCaptureErrors(c.file);
            std::string reason = SDL_GetError();
            EXPECT_NE(reason, "") << c.file;
            EXPECT_EQ(err, "Couldn't load " + std::string(c.file) + ": " + reason + "\n")
                << c.file << ", try " << attempt;
            for (int i = 0; i < SOUND_SLOTS; i++)
                ExpectUnchanged(i, before[i], c.file);
        }
    }
}

struct UnconvertibleCase
{
    const char* what;
    WavFormat format;
    void* (*alloc)(size_t);
    const char* message;
};

TEST_F(SoundSlots, ASoundThatCannotBeConvertedIsDroppedWithAMessage)
{
    ScratchFolder folder;
    const UnconvertibleCase cases[] = {
        // SDL's reader takes up to 255 channels; its converter no more than 8.
        {"nine channels", {1, 9, 22050, 16}, malloc, "Couldn't convert sound.wav: "},
        {"no memory for the conversion", {1, 1, 11025, 8}, FailingAlloc,
         "Couldn't convert sound.wav: out of memory\n"},
    };
    for (const UnconvertibleCase& c : cases) {
        WriteWav("sound.wav", c.format, std::vector<Uint8>(c.format.channels * c.format.bits / 8 * 100, 0x50));
        ClearSlots();
        const std::vector<Uint8> old = Ramp(50, 100, 100);
        FillSlot(0, old, old.size());
        FillSlot(1, Ramp(50, 200, 200), 0);
        SlotState before[2] = {Remember(0), Remember(1)};

        soundAlloc = c.alloc;
        std::string err = PlayAndCaptureErrors("sound.wav");
        soundAlloc = malloc;

        EXPECT_EQ(err.rfind(c.message, 0), 0u) << c.what << ": " << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << c.what << ": " << err;
        for (int i = 0; i < SOUND_SLOTS; i++)
            ExpectUnchanged(i, before[i], c.what);
    }
}

// ---- A file in another format ----

TEST_F(SoundSlots, AnEightBitMonoFileAtHalfTheRateIsConvertedAndPlays)
{
    ScratchFolder folder;
    // Unsigned 8-bit: 0xC0 is a quarter of full scale up, 0x40 as far down.
    const int FRAMES = 1000;
    std::vector<Uint8> data(FRAMES / 2, 0xC0);
    data.resize(FRAMES, 0x40);
    WriteWav("old.wav", {1, 1, 11025, 8}, data);

    EXPECT_EQ(PlayAndCaptureErrors("old.wav"), "");

    // Twice the frames, two channels of two bytes each.
    const int frames = sounds[0].length / 4;
    EXPECT_NEAR(frames, 2 * FRAMES, 4);
    ASSERT_EQ(sounds[0].length % 4, 0u);
    ASSERT_GT(frames, 0);
    const Uint8* pcm = sounds[0].buffer;
    // Away from the edges and the step, where resampling rings.
    for (int f = 0; f < frames; f++) {
        if (f < 50 || (f > frames / 2 - 50 && f < frames / 2 + 50) || f > frames - 50)
            continue;
        const int expected = f < frames / 2 ? 16384 : -16384;
        ASSERT_NEAR(Sample16(pcm, 2 * f), expected, 200) << "frame " << f;
        ASSERT_EQ(Sample16(pcm, 2 * f + 1), Sample16(pcm, 2 * f)) << "frame " << f;
    }

    // And it is heard: the callback copies it into a silent buffer.
    std::vector<Uint8> stream(sounds[0].length + 400, 0);
    const std::vector<Uint8> converted = SlotBytes(0);
    mixaudio(NULL, stream.data(), stream.size());
    EXPECT_TRUE(std::equal(converted.begin(), converted.end(), stream.begin()));
    EXPECT_TRUE(std::all_of(stream.begin() + converted.size(), stream.end(), [](Uint8 b) { return b == 0; }));
    EXPECT_EQ(sounds[0].position, sounds[0].length);
}

// ---- What reaches the audio device ----

const char* const MUSIC = "data/snd/addiction.wav";
const int DEVICE_RATE = 44100;  // what the disk driver is opened at here; it converts from the game's 22050

// A folder for a child's output that leaves the working directory alone.
class OutputFolder
{
public:
    OutputFolder()
    {
        char pattern[] = "/tmp/zarvell2-probe-XXXXXX";
        if (mkdtemp(pattern) != NULL)
            path = pattern;
    }
    ~OutputFolder()
    {
        std::error_code ignored;
        if (!path.empty())
            fs::remove_all(path, ignored);
    }
    std::string path;
};

struct ProbeRun
{
    int status;  // the exit status, or -1 when the program did not exit normally
    std::string out, err;
};

std::string ReadFile(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Runs the music probe in the working directory with this environment's
// settings, the audio ones replaced by `audio`, and collects what it printed.
ProbeRun RunProbe(const std::vector<std::string>& audio, const std::string& mostMs, const std::string& folder)
{
    std::vector<std::string> settings;
    for (char** e = environ; *e != NULL; e++) {
        if (strncmp(*e, "SDL_AUDIODRIVER=", 16) != 0 && strncmp(*e, "SDL_DISKAUDIO", 13) != 0)
            settings.push_back(*e);
    }
    settings.insert(settings.end(), audio.begin(), audio.end());
    std::vector<char*> envp;
    for (std::string& s : settings)
        envp.push_back(&s[0]);
    envp.push_back(NULL);

    const std::string outFile = folder + "/stdout", errFile = folder + "/stderr";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::string program = MUSIC_PROBE, most = mostMs;
    char* argv[] = {&program[0], &most[0], NULL};

    ProbeRun run = {-1, "", ""};
    pid_t pid;
    int spawned = posix_spawn(&pid, program.c_str(), &actions, NULL, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        ADD_FAILURE() << "cannot start " << program << ": " << strerror(spawned);
        return run;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (WIFEXITED(status))
        run.status = WEXITSTATUS(status);
    run.out = ReadFile(outFile);
    run.err = ReadFile(errFile);
    return run;
}

// Interleaved 16-bit stereo frames, one channel at a time.
struct Stereo
{
    std::vector<double> left, right;
};

Stereo Frames(const Uint8* bytes, size_t length)
{
    Stereo s;
    for (size_t f = 0; f < length / 4; f++) {
        s.left.push_back(Sample16(bytes, 2 * f));
        s.right.push_back(Sample16(bytes, 2 * f + 1));
    }
    return s;
}

// The music as the device should get it, made from the file by SDL's own reader
// and converter, independently of the game's code.
Stereo ExpectedMusic()
{
    SDL_AudioSpec wave;
    Uint8* data = NULL;
    Uint32 length = 0;
    if (SDL_LoadWAV(MUSIC, &wave, &data, &length) == NULL) {
        ADD_FAILURE() << "cannot read " << MUSIC << ": " << SDL_GetError();
        return Stereo();
    }
    SDL_AudioCVT cvt;
    SDL_BuildAudioCVT(&cvt, wave.format, wave.channels, wave.freq, AUDIO_S16LSB, 2, DEVICE_RATE);
    std::vector<Uint8> work((size_t)length * cvt.len_mult);
    memcpy(work.data(), data, length);
    SDL_FreeWAV(data);
    cvt.buf = work.data();
    cvt.len = length;
    SDL_ConvertAudio(&cvt);
    return Frames(work.data(), cvt.len_cvt);
}

size_t FirstLoud(const std::vector<double>& v, double level)
{
    for (size_t i = 0; i < v.size(); i++)
        if (std::fabs(v[i]) >= level)
            return i;
    return v.size();
}

double Rms(const std::vector<double>& v, size_t from, size_t count)
{
    double sum = 0;
    for (size_t i = from; i < from + count; i++)
        sum += v[i] * v[i];
    return std::sqrt(sum / count);
}

// Normalised correlation of a[from_a ...] with b[from_b ...] over count samples.
double Correlation(const std::vector<double>& a, size_t fromA, const std::vector<double>& b, size_t fromB,
                   size_t count)
{
    double ab = 0, aa = 0, bb = 0;
    for (size_t i = 0; i < count; i++) {
        ab += a[fromA + i] * b[fromB + i];
        aa += a[fromA + i] * a[fromA + i];
        bb += b[fromB + i] * b[fromB + i];
    }
    return aa > 0 && bb > 0 ? ab / std::sqrt(aa * bb) : 0;
}

TEST(SoundDevice, TheMusicStartedByTheGameReachesTheDeviceWholeAndAtItsLevel)
{
    ASSERT_TRUE(fs::exists(MUSIC)) << MUSIC << " is missing: the music track belongs to the art files";
    const Stereo expected = ExpectedMusic();
    ASSERT_GT(expected.left.size(), (size_t)DEVICE_RATE) << "a music track of less than a second";

    OutputFolder folder;
    const std::string capture = folder.path + "/device.raw";
    // A short pause per device buffer plays the track some twenty times faster
    // than real time, without filling the disk as a free run would.
    ProbeRun run = RunProbe({"SDL_AUDIODRIVER=disk", "SDL_DISKAUDIOFILE=" + capture, "SDL_DISKAUDIODELAY=2"},
                       "30000", folder.path);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.find("Couldn't"), std::string::npos) << run.err;

    const std::string raw = ReadFile(capture);
    const Stereo heard = Frames((const Uint8*)raw.data(), raw.size());

    // Line the two up by their first loud frame, then settle on the best of a few frames around it.
    const double LOUD = 1000;
    size_t startExpected = FirstLoud(expected.left, LOUD), startHeard = FirstLoud(heard.left, LOUD);
    ASSERT_LT(startHeard, heard.left.size()) << "the device got nothing but silence";
    ASSERT_LT(startExpected, expected.left.size());
    const size_t window = std::min((size_t)DEVICE_RATE, expected.left.size() - startExpected);
    size_t best = startHeard;
    double bestCorrelation = -1;
    for (size_t at = startHeard > 8 ? startHeard - 8 : 0; at <= startHeard + 8; at++) {
        if (at + window > heard.left.size())
            break;
        double c = Correlation(heard.left, at, expected.left, startExpected, window);
        if (c > bestCorrelation) {
            bestCorrelation = c;
            best = at;
        }
    }

    // The whole track from the point of line-up, on both channels.
    const size_t count = expected.left.size() - startExpected;
    ASSERT_LE(best + count, heard.left.size()) << "the device got " << heard.left.size() / (double)DEVICE_RATE
                                               << " s, not the whole track";
    const std::vector<double>* channels[2][2] = {{&heard.left, &expected.left}, {&heard.right, &expected.right}};
    for (auto& pair : channels) {
        const std::vector<double>& got = *pair[0];
        const std::vector<double>& want = *pair[1];
        double level = Rms(got, best, count) / Rms(want, startExpected, count);
        EXPECT_NEAR(level, 1.0, 0.03) << "level heard over level of the file";
        EXPECT_GT(Correlation(got, best, want, startExpected, count), 0.99);
    }
}

TEST(SoundDevice, WithoutAnAudioDeviceTheGameSaysSoAndRunsOn)
{
    OutputFolder folder;
    ProbeRun run = RunProbe({"SDL_AUDIODRIVER=none-such"}, "300", folder.path);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Can't play music. Game should still run fine. Check your audio.\n");
}

}  // namespace
