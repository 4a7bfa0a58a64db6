// Broken files for the bad-input table: how each kind of damage is made.
#include "broken_files.h"

#include <SDL_image.h>
#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>

std::vector<Uint8> ReadBytes(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::vector<Uint8>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& file, const std::vector<Uint8>& bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write((const char*)bytes.data(), bytes.size());
}

void Truncate(const std::string& file, size_t keep)
{
    std::vector<Uint8> bytes = ReadBytes(file);
    bytes.resize(std::min(keep, bytes.size()));
    WriteBytes(file, bytes);
}

// Writes a PNG row by row: `row(y, pixels)` fills one row of w pixels of `channels` bytes.
bool WritePng(const std::string& file, int w, int h, int channels, const std::function<void(int, Uint8*)>& row)
{
    FILE* out = fopen(file.c_str(), "wb");
    if (out == NULL)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, NULL, NULL, NULL);
    png_infop info = png_create_info_struct(png);
    std::vector<Uint8> pixels((size_t)w * channels);
    bool ok = false;
    if (setjmp(png_jmpbuf(png)) == 0) {
        png_init_io(png, out);
        png_set_compression_level(png, 1);
        png_set_IHDR(png, info, w, h, 8, channels == 4 ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB,
                     PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        for (int y = 0; y < h; y++) {
            row(y, pixels.data());
            png_write_row(png, pixels.data());
        }
        png_write_end(png, NULL);
        ok = true;
    }
    png_destroy_write_struct(&png, &info);
    fclose(out);
    return ok;
}

// A picture far bigger than any screen, in one colour.
void WriteHugePicture(const std::string& file)
{
    const int SIDE = 8000;
    ASSERT_TRUE(WritePng(file, SIDE, SIDE, 3, [](int y, Uint8* p) {
        for (int x = 0; x < SIDE; x++) {
            p[3 * x] = 40;
            p[3 * x + 1] = (Uint8)(y / 32);
            p[3 * x + 2] = 200;
        }
    }));
}

// The picture as an artist might export it with transparency instead of the
// key colour: every key-coloured pixel becomes fully transparent black.
void ReplaceKeyWithAlpha(const std::string& file)
{
    SDL_Surface* read = IMG_Load(file.c_str());
    ASSERT_NE(read, nullptr) << file;
    SDL_Surface* rgb = SDL_CreateRGBSurface(SDL_SWSURFACE, read->w, read->h, 24, 0xFF0000, 0x00FF00, 0x0000FF, 0);
    SDL_BlitSurface(read, NULL, rgb, NULL);
    SDL_LockSurface(rgb);
    bool written = WritePng(file, rgb->w, rgb->h, 4, [rgb](int y, Uint8* p) {
        for (int x = 0; x < rgb->w; x++) {
            const Uint8* q = (const Uint8*)rgb->pixels + y * rgb->pitch + 3 * x;
            Uint32 pixel = q[0] | q[1] << 8 | q[2] << 16;
            Uint8 r, g, b;
            SDL_GetRGB(pixel, rgb->format, &r, &g, &b);
            bool key = r == 255 && g == 0 && b == 128;
            p[4 * x] = key ? 0 : r;
            p[4 * x + 1] = key ? 0 : g;
            p[4 * x + 2] = key ? 0 : b;
            p[4 * x + 3] = key ? 0 : 255;
        }
    });
    SDL_UnlockSurface(rgb);
    SDL_FreeSurface(rgb);
    SDL_FreeSurface(read);
    ASSERT_TRUE(written) << file;
}

static void Put16(std::vector<Uint8>& b, Uint16 v)
{
    b.push_back(v & 0xFF);
    b.push_back(v >> 8);
}

static void Put32(std::vector<Uint8>& b, Uint32 v)
{
    for (int i = 0; i < 4; i++)
        b.push_back((v >> (8 * i)) & 0xFF);
}

// A RIFF WAVE file of `frames` frames of a quiet square wave in the given format.
void WriteWav(const std::string& file, Uint16 code, Uint16 channels, Uint32 rate, Uint16 bits, int frames)
{
    const Uint16 block = channels * bits / 8;
    std::vector<Uint8> data;
    for (int f = 0; f < frames; f++) {
        bool high = (f / 50) % 2 == 0;
        for (int c = 0; c < channels; c++) {
            if (code == 3) {  // 32-bit float
                float v = high ? 0.1f : -0.1f;
                Uint32 u;
                memcpy(&u, &v, 4);
                Put32(data, u);
            } else if (bits == 8) {
                data.push_back(high ? 140 : 116);
            } else {
                Put16(data, (Uint16)(high ? 3000 : -3000));
            }
        }
    }
    std::vector<Uint8> b = {'R', 'I', 'F', 'F'};
    Put32(b, 36 + data.size());
    b.insert(b.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    Put32(b, 16);
    Put16(b, code);
    Put16(b, channels);
    Put32(b, rate);
    Put32(b, rate * block);
    Put16(b, block);
    Put16(b, bits);
    b.insert(b.end(), {'d', 'a', 't', 'a'});
    Put32(b, data.size());
    b.insert(b.end(), data.begin(), data.end());
    WriteBytes(file, b);
}

