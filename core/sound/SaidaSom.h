// The audio output the sound table plays through: one device, and for each
// loaded sound a buffer with its own source, so that different sounds
// overlap and a sound played again restarts from its beginning.
#pragma once

#include "core/sound/Riff.h"

#include <cstdint>
#include <span>

class SaidaSom {
public:
    virtual ~SaidaSom() = default;

    // Opens the default device; false when there is none.
    virtual bool mAbre() = 0;
    // Releases every buffer and the device.
    virtual void mFecha() = 0;

    // A buffer holding the sound, with its source: a handle of 0 or more, or
    // −1 when the device cannot take the format.
    virtual int mCriaBuffer(const FormatoWave& formato, std::span<const uint8_t> dados) = 0;
    virtual void mLiberaBuffer(int buffer) = 0;

    // Plays the buffer once from its beginning, restarting it if it plays.
    virtual void mToca(int buffer) = 0;
};
