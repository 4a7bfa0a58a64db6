// Key scripts: holding a frame's keys, and writing and reading runs of frames.
#include "keyscript.h"

#include <SDL.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <sstream>

static const char LETTERS[] = "RLUDC";  // bit n of a frame's keys is LETTERS[n]
static const SDLKey KEYS[] = {SDLK_RIGHT, SDLK_LEFT, SDLK_UP, SDLK_DOWN, SDLK_c};

void HoldKeys(unsigned keys)
{
    Uint8* state = SDL_GetKeyState(NULL);
    for (int bit = 0; bit < 5; bit++)
        state[KEYS[bit]] = (keys >> bit) & 1;
}

std::string EncodeScript(const std::vector<unsigned>& frames)
{
    std::ostringstream out;
    for (size_t i = 0; i < frames.size();) {
        size_t j = i;
        while (j < frames.size() && frames[j] == frames[i])
            j++;
        if (i > 0)
            out << ' ';
        if (frames[i] == 0)
            out << '-';
        for (int bit = 0; bit < 5; bit++)
            if (frames[i] & (1u << bit))
                out << LETTERS[bit];
        out << (j - i);
        i = j;
    }
    return out.str();
}

bool DecodeScript(const std::string& script, std::vector<unsigned>& frames)
{
    frames.clear();
    std::istringstream in(script);
    std::string token;
    while (in >> token) {
        unsigned keys = 0;
        size_t i = 0;
        if (token[0] == '-') {
            i = 1;
        } else {
            for (; i < token.size() && !isdigit((unsigned char)token[i]); i++) {
                const char* letter = strchr(LETTERS, token[i]);
                if (letter == NULL || *letter == '\0')
                    return false;
                keys |= 1u << (letter - LETTERS);
            }
        }
        if (i == 0 || i >= token.size())
            return false;
        char* end = NULL;
        long count = strtol(token.c_str() + i, &end, 10);
        if (*end != '\0' || count <= 0)
            return false;
        frames.insert(frames.end(), count, keys);
    }
    return true;
}
