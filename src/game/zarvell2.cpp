// The game state, the frame loop and the title, intro and pause handlers.
#include "game/zarvell2.h"

#include <cstdio>
#include <cstdlib>

#include "engine/zvengine.h"
#include "globals.h"
#include "levels/levels.h"
#include "sound/playsound.h"

int mode = MODE_TITLE;
int level = 1;
bool falling = true;
bool jumping = false;
int jumpingHeight = 0;
int location = 0;
int levelEnd = 0;
Uint32 startTime = 0;

zve_Object object[MAX_OBJECTS];
int numObjects = 0;
zve_Object player;
zve_Object background;
zve_Object kiwis;

bool playMusic = false;
Uint32 musicTicks = 0;
SDL_AudioSpec fmt;

static const char* const MUSIC_FILE = "data/snd/addiction.wav";
static const Uint32 MUSIC_PERIOD = 36000;  // ms between starts; the track is as long

void OpenAudio()
{
    fmt.freq = 22050;
    fmt.format = AUDIO_S16LSB;
    fmt.channels = 2;
    fmt.samples = 4000;
    fmt.callback = mixaudio;
    fmt.userdata = NULL;

    if (SDL_OpenAudio(&fmt, NULL) < 0) {
        printf("Can't play music. Game should still run fine. Check your audio.\n");
        fflush(stdout);
    }
    SDL_PauseAudio(0);
}

bool MusicDue(Uint32 lastStart, Uint32 now)
{
    return lastStart == 0 || now - lastStart > MUSIC_PERIOD;
}

void MainLoop()
{
    startTime = zve_GetTicks();

    if (playMusic && MusicDue(musicTicks, zve_GetTicks())) {
        // Set before trying, so a failed start is tried again only 36 s later.
        musicTicks = zve_GetTicks();
        PlaySound(MUSIC_FILE);
        // The file's samples and the old start's buffer are freed now.
        zve_ReleaseFreeMemory();
    }

    switch (mode) {
    case MODE_LEVEL: Level(); break;
    case MODE_INTRO: Intro(); break;
    case MODE_TITLE: Title(); break;
    case MODE_PAUSE: Pause(); break;
    default: break;
    }

    SDL_Flip(zve_screen);

    if (CheckKey(SDLK_ESCAPE))
        exit(1);

    // Short sleeps rather than one long one keep the frame close to 20 ms.
    while (zve_GetTicks() - startTime <= 19)
        zve_Delay(1);
    zve_Delay(1);
}

void SetBackground(const char* picture)
{
    background.SetExists(true);
    background.SetStatus(STATUS_SCENERY);
    background.LoadFrame(0, picture);
    background.SetType(TYPE_RIGHT);
}

void Title()
{
    SetBackground("data/art/title.png");
    background.Draw();
    SDL_Flip(zve_screen);

    if (CheckKey(SDLK_RETURN)) {
        if (level == 0)
            level = 1;
        mode = MODE_INTRO;
        playMusic = true;
    }
}

void Intro()
{
    switch (level) {
    case 1: LoadLevelOne(); mode = MODE_LEVEL; break;
    case 2: LoadLevelTwo(); mode = MODE_LEVEL; break;
    case 3: LoadLevelThree(); mode = MODE_LEVEL; break;
    case 4: LoadLevelEnd(); break;  // it leaves MODE_TITLE and level 0 behind
    default: break;
    }
}

void Pause()
{
    if (CheckKey(SDLK_p))
        mode = MODE_LEVEL;
}
