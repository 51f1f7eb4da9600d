// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>
#include <vector>

// A screen's layout as data: window and controls in twips, as the screens
// were designed, turned into widgets by buildForm().
namespace ui {

inline constexpr int TwipsPerPixel = 15;

constexpr int pixels(int twips)
{
    return twips / TwipsPerPixel;
}

// A colour as the layouts and handlers write it: 0x00BBGGRR, or a system
// colour as 0x80000000 plus its index, resolved from the palette when built.
struct Colour
{
    quint32 value = 0;

    static constexpr Colour rgb(int r, int g, int b)
    {
        return {quint32(r) | quint32(g) << 8 | quint32(b) << 16};
    }
    static constexpr Colour system(int index) { return {0x80000000u + quint32(index)}; }

    constexpr bool isSystem() const { return value & 0x80000000u; }
    constexpr int red() const { return value & 0xff; }
    constexpr int green() const { return value >> 8 & 0xff; }
    constexpr int blue() const { return value >> 16 & 0xff; }
    constexpr bool operator==(const Colour &) const = default;
};

namespace colours {
inline constexpr Colour Black = Colour::rgb(0, 0, 0);
inline constexpr Colour White = Colour::rgb(255, 255, 255);
inline constexpr Colour Red = Colour::rgb(255, 0, 0);
inline constexpr Colour Green = Colour::rgb(0, 255, 0);
inline constexpr Colour Blue = Colour::rgb(0, 0, 255);
inline constexpr Colour Yellow = Colour::rgb(255, 255, 0);
inline constexpr Colour WindowText = Colour::system(8);
inline constexpr Colour ButtonText = Colour::system(18);
} // namespace colours

enum class ControlKind { Label, TextBox, PictureBox, Timer };
enum class Border { None, Single, Sunken };
enum class Align { Left, Centre };

struct FontSpec
{
    QString family{};
    int pointSize = 0;
    bool bold = false;
};

struct ControlSpec
{
    QString name{};
    int index = -1; // element of a control array, or -1
    ControlKind kind = ControlKind::Label;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int tabIndex = -1;   // -1: takes no focus
    bool tabStop = true; // false: focused by a click only, never by Tab
    QString text{};
    Colour foreColour = colours::WindowText;
    Colour backColour = colours::Black;
    std::optional<FontSpec> font{};
    Align align = Align::Left;
    bool wordWrap = false;
    bool richText = false;
    Border border = Border::None;
    QString picture{};   // picture boxes size themselves to it
    bool button = false; // picture boxes and labels: pressed as a button, not only shown
    QString toolTip{};
    bool visible = true;
    int interval = 0; // timers, milliseconds
    QString accessibleName{};
    QString accessibleDescription{};
};

struct MenuSpec
{
    QString name{};
    QString caption{};
    std::vector<MenuSpec> items{}; // empty: a command on the menu bar itself
};

struct FormSpec
{
    QString name{};
    QString caption{};
    int clientWidth = 0;
    int clientHeight = 0;
    Colour backColour = colours::Black;
    bool borderless = false;
    std::vector<ControlSpec> controls{}; // front to back
    std::vector<MenuSpec> menu{};
};

} // namespace ui
