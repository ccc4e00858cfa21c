#pragma once

#include <cstdint>
#include <memory>
#include <vector>

/// Film grain laid over a background's luma while it is rendered, so that
/// theme videos need not carry it (grain is most of a grainy video's bits).
/// Each pixel is mixed with a speck of random grey at a random opacity of
/// up to strength / 255, as grain painted into the picture was. The specks
/// come from one tile made once per strength; every line of every frame
/// takes them from a new random place, so no pattern repeats.
class FilmGrain
{
public:
    static constexpr int MaxStrength = 15;

    /// Strengths above MaxStrength are taken as MaxStrength; 0 or less lays
    /// nothing.
    explicit FilmGrain(int strength);

    bool IsActive() const;
    /// Writes \a in with frame \a index's grain to \a out (which may be \a in):
    /// \a height lines of \a width 8-bit luma samples. The same frame always
    /// gets the same grain.
    void Apply(const uint8_t* in, int inStride, uint8_t* out, int outStride, int width,
               int height, int64_t index) const;
    /// The same for line \a row of the frame alone.
    void ApplyRow(const uint8_t* in, uint8_t* out, int width, int row, int64_t index) const;

private:
    std::shared_ptr<const std::vector<uint8_t>> tile;
};
