#ifndef DATALIMITS_H
#define DATALIMITS_H

#include <QtGlobal>

// How much the game reads of each kind of data file, at most. Each bound is far above what a
// real mod needs and far below a machine's memory; a file over it is read as its kind reads a
// broken file, and the game reads no byte past the bound.
namespace DataLimits {

// A catalogue of 1 MiB holds thousands of kinds, while a column shows 16 buttons; the shipped
// ones are 2 KB. Parsed, a catalogue takes at most about 20 times its size.
constexpr qint64 kCatalogueBytes = 1024 * 1024;
// 8 MiB holds 500 000 schedule lines of "12,apple,3" (more than a week of play, one fruit a
// second); the shipped schedule is 1 KB.
constexpr qint64 kScheduleBytes = 8 * 1024 * 1024;
// A picture of the largest side the game decodes (4096 px) compresses to far less; the shipped
// pictures are below 30 KB.
constexpr qint64 kPictureBytes = 16 * 1024 * 1024;
// 2 MiB is 11 s of 48 kHz 16-bit stereo, longer than any cue and enough for a looped background.
constexpr qint64 kSoundBytes = 2 * 1024 * 1024;
// Sixteen sounds of the largest size; the shipped ten take 0.8 MB.
constexpr qint64 kSoundsTogetherBytes = 16 * kSoundBytes;

}

#endif
