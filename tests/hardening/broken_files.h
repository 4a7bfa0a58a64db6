// Broken files for the bad-input table: pictures and sounds damaged or odd in one known way.
#ifndef BROKEN_FILES_H
#define BROKEN_FILES_H

#include <SDL.h>

#include <functional>
#include <string>
#include <vector>

// A file's bytes, and a file written from bytes.
std::vector<Uint8> ReadBytes(const std::string& file);
void WriteBytes(const std::string& file, const std::vector<Uint8>& bytes);
// Cuts a file down to its first `keep` bytes.
void Truncate(const std::string& file, size_t keep);
// Writes a PNG row by row: `row(y, pixels)` fills one row of w pixels of `channels` bytes.
bool WritePng(const std::string& file, int w, int h, int channels, const std::function<void(int, Uint8*)>& row);
// A picture far bigger than any screen, in one colour.
void WriteHugePicture(const std::string& file);
// The picture as an artist might export it with transparency instead of the
// key colour: every key-coloured pixel becomes fully transparent black.
void ReplaceKeyWithAlpha(const std::string& file);
// A RIFF WAVE file of `frames` frames of a quiet square wave in the given format.
void WriteWav(const std::string& file, Uint16 code, Uint16 channels, Uint32 rate, Uint16 bits, int frames);

#endif
