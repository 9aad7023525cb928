// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace veltrin {

/// A drawing colour: a fixed RGB value, or one of the scene's two named colours. The style the
/// picture is drawn in says what each is shown as (see SceneStyle).
class Colour
{
public:
    enum class Kind : std::uint8_t { Rgb, Foreground, RayColour };

    static constexpr Colour rgb(int red, int green, int blue)
    {
        return {Kind::Rgb, std::uint8_t(red), std::uint8_t(green), std::uint8_t(blue)};
    }
    /// The scene's foreground: the axis, the mirror and the spirals.
    static constexpr Colour foreground() { return {Kind::Foreground, 0, 0, 0}; }
    /// The colour of the light rays.
    static constexpr Colour rayColour() { return {Kind::RayColour, 0, 0, 0}; }
    /// The picture's ground, also the colour that erases.
    static constexpr Colour silver() { return rgb(192, 192, 192); }

    constexpr Kind kind() const { return m_kind; }
    constexpr int red() const { return m_red; }
    constexpr int green() const { return m_green; }
    constexpr int blue() const { return m_blue; }
    /// An RGB value as 0xffRRGGBB, the form the painter takes.
    constexpr unsigned argb() const
    {
        return 0xff000000u | unsigned(m_red) << 16 | unsigned(m_green) << 8 | unsigned(m_blue);
    }

    friend constexpr bool operator==(Colour, Colour) = default;

private:
    constexpr Colour(Kind kind, std::uint8_t red, std::uint8_t green, std::uint8_t blue)
        : m_kind(kind), m_red(red), m_green(green), m_blue(blue)
    {
    }

    Kind m_kind;
    std::uint8_t m_red;
    std::uint8_t m_green;
    std::uint8_t m_blue;
};

} // namespace veltrin
