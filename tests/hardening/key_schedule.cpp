// Test-only preload for the real game binary: holds keys on a schedule counted in screen flips.
//
// LD_PRELOAD it into the game headless, where nothing else can press a key:
//   ZARVELL2_KEYS="40:return 50:- 60:right+up+c 400:escape"
// From the given flip on, exactly the listed keys are held ("-" for none).
// The count is of SDL_Flip calls: a title frame flips twice, a frame of level
// play once, a level build once. ZARVELL2_KEYS_LOG names a file that gets the
// number of flips seen, written as the program ends. The game itself runs
// unchanged: this only writes SDL's key-state array after each flip, as a
// player's key presses would.
#include <SDL.h>
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const int MAX_STEPS = 64;
const int MAX_HELD = 8;

struct Step
{
    long flip;
    int held[MAX_HELD];
    int count;
};

Step steps[MAX_STEPS];
int numSteps = 0;
int nextStep = 0;
long flips = 0;

struct KeyName
{
    const char* name;
    int key;
};

const KeyName KEY_NAMES[] = {
    {"return", SDLK_RETURN}, {"escape", SDLK_ESCAPE}, {"right", SDLK_RIGHT}, {"left", SDLK_LEFT},
    {"up", SDLK_UP},         {"down", SDLK_DOWN},     {"c", SDLK_c},         {"p", SDLK_p},
    {"m", SDLK_m},
};

int KeyCode(const char* name, size_t length)
{
    for (const KeyName& k : KEY_NAMES)
        if (strlen(k.name) == length && strncmp(k.name, name, length) == 0)
            return k.key;
    return -1;
}

// Reads the schedule once; a malformed one stops the program, since a run
// with the wrong keys would prove nothing.
void ReadSchedule()
{
    const char* text = getenv("ZARVELL2_KEYS");
    if (text == NULL)
        return;
    const char* p = text;
    while (*p != '\0') {
        while (*p == ' ')
            p++;
        if (*p == '\0')
            break;
        char* end = NULL;
        long flip = strtol(p, &end, 10);
        if (end == p || *end != ':' || numSteps == MAX_STEPS) {
            fprintf(stderr, "key schedule: cannot read \"%s\"\n", p);
            exit(99);
        }
        Step& step = steps[numSteps++];
        step.flip = flip;
        step.count = 0;
        p = end + 1;
        while (*p != ' ' && *p != '\0') {
            size_t length = strcspn(p, "+ ");
            if (!(length == 1 && *p == '-')) {
                int key = KeyCode(p, length);
                if (key < 0 || step.count == MAX_HELD) {
                    fprintf(stderr, "key schedule: unknown key in \"%s\"\n", p);
                    exit(99);
                }
                step.held[step.count++] = key;
            }
            p += length;
            if (*p == '+')
                p++;
        }
    }
}

void ApplySchedule()
{
    bool changed = false;
    while (nextStep < numSteps && steps[nextStep].flip <= flips) {
        nextStep++;
        changed = true;
    }
    if (!changed)
        return;
    int count = 0;
    Uint8* keys = SDL_GetKeyState(&count);
    memset(keys, 0, count);
    const Step& step = steps[nextStep - 1];
    for (int i = 0; i < step.count; i++)
        keys[step.held[i]] = 1;
}

__attribute__((constructor)) void Start()
{
    ReadSchedule();
}

__attribute__((destructor)) void Finish()
{
    const char* log = getenv("ZARVELL2_KEYS_LOG");
    if (log == NULL)
        return;
    FILE* out = fopen(log, "w");
    if (out == NULL)
        return;
    fprintf(out, "%ld\n", flips);
    fclose(out);
}

}  // namespace

extern "C" int SDL_Flip(SDL_Surface* screen)
{
    static int (*const real)(SDL_Surface*) = (int (*)(SDL_Surface*))dlsym(RTLD_NEXT, "SDL_Flip");
    int result = real(screen);
    flips++;
    ApplySchedule();
    return result;
}
