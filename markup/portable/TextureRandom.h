#pragma once

#include <cstdint>

namespace fennick {

// The random source of the procedural textures: a small linear congruential generator with
// results 0..32767, so that a texture drawn from a given seed can be drawn again.
class TextureRandom {
public:
    static constexpr int kMax = 32767;

    explicit TextureRandom(std::uint32_t seed = 1) : state_(seed) {}

    void Seed(std::uint32_t seed) { state_ = seed; }

    int Next()
    {
        state_ = state_ * 1103515245u + 12345u;
        return static_cast<int>((state_ >> 16) & kMax);
    }

private:
    std::uint32_t state_;
};

} // namespace fennick
