#pragma once

// The colour schemes the contrast audit renders in, and the colours that the
// window and the pane must keep in the default scheme whatever their ratio.

#include <QPalette>

#include <array>
#include <span>

namespace contrast {

struct RoleColour {
    QPalette::ColorRole role;
    QRgb rgb;
};

struct Scheme {
    const char* name;
    bool highContrast;                    // ZELVANO_HIGH_CONTRAST=1 while it is audited
    std::span<const RoleColour> roles;    // every colour group
    std::span<const RoleColour> disabled; // the disabled group on top
};

using R = QPalette::ColorRole;

// The palette Qt 6.4.2's GTK theme gives under QT_QPA_PLATFORMTHEME=gtk3
// GTK_THEME=Adwaita:dark: Qt's own dark palette, read from
// QApplication::palette() under Xvfb.
inline constexpr RoleColour kDark[] = {
    {R::WindowText, 0xf0f0f0},    {R::Button, 0x323232},
    {R::Light, 0x4b4b4b},         {R::Midlight, 0x2a2a2a},
    {R::Dark, 0x212121},          {R::Mid, 0x262626},
    {R::Text, 0xf0f0f0},          {R::BrightText, 0x4b4b4b},
    {R::ButtonText, 0xf0f0f0},    {R::Base, 0x242424},
    {R::Window, 0x323232},        {R::Shadow, 0x191919},
    {R::Highlight, 0x308cc6},     {R::HighlightedText, 0xf0f0f0},
    {R::Link, 0x308cc6},          {R::LinkVisited, 0xff00ff},
    {R::AlternateBase, 0x2b2b2b}, {R::ToolTipBase, 0xffffdc},
    {R::ToolTipText, 0x000000},   {R::PlaceholderText, 0xf0f0f0},
};
inline constexpr RoleColour kDarkDisabled[] = {
    {R::WindowText, 0x828282}, {R::Text, 0x828282}, {R::ButtonText, 0x828282},
    {R::Dark, 0xbebebe},       {R::Base, 0x323232}, {R::Shadow, 0x252525},
    {R::Highlight, 0x919191},
};

// What Qt's windows plugin makes of the High Contrast schemes' system
// colours. It reads no COLOR_HOTLIGHT, so Link stays #0000ff; the disabled
// texts are the scheme's GrayText. Roles not listed are QPalette's own
// derivation from Button and Window.
inline constexpr RoleColour kHighContrastBlack[] = {
    {R::Window, 0x000000},    {R::Base, 0x000000},
    {R::Button, 0x000000},    {R::WindowText, 0xffffff},
    {R::Text, 0xffffff},      {R::ButtonText, 0xffffff},
    {R::Highlight, 0x1aebff}, {R::HighlightedText, 0x000000},
    {R::Link, 0x0000ff},      {R::LinkVisited, 0xff00ff},
};
inline constexpr RoleColour kHighContrastBlackDisabled[] = {
    {R::WindowText, 0x3ff23f}, {R::Text, 0x3ff23f}, {R::ButtonText, 0x3ff23f}};
inline constexpr RoleColour kHighContrastWhite[] = {
    {R::Window, 0xffffff},    {R::Base, 0xffffff},
    {R::Button, 0xffffff},    {R::WindowText, 0x000000},
    {R::Text, 0x000000},      {R::ButtonText, 0x000000},
    {R::Highlight, 0x37006e}, {R::HighlightedText, 0xffffff},
    {R::Link, 0x0000ff},      {R::LinkVisited, 0xff00ff},
};
inline constexpr RoleColour kHighContrastWhiteDisabled[] = {
    {R::WindowText, 0x600000}, {R::Text, 0x600000}, {R::ButtonText, 0x600000}};

// "default" is the program's own palette, left as it is.
inline constexpr std::array kSchemes{
    Scheme{"default", false, {}, {}},
    Scheme{"dark", false, kDark, kDarkDisabled},
    Scheme{"hc-black", true, kHighContrastBlack, kHighContrastBlackDisabled},
    Scheme{"hc-white", true, kHighContrastWhite, kHighContrastWhiteDisabled},
};

// Elements whose default-scheme colours are the window's prescribed look: the
// audit lists them with their ratio and does not fail on them. `place` and
// `element` are prefixes of what the audit prints; an empty `kind` is any kind.
struct Prescribed {
    const char* place;
    const char* element;
    const char* kind;
    const char* what;
};

inline constexpr std::array kPrescribed{
    Prescribed{"pane", "title:", "text",
               "bar titles: white on the special strip, blend(highlight, black, 192) on the "
               "standard one, blend(white, highlight, 128) and blend(highlight, black, 240) hot"},
    Prescribed{"pane", "title:", "indicator",
               "the pane's collapse glyphs, its own greyscale images recoloured to the "
               "gradient caption colours"},
    Prescribed{"pane", "title:", "edge",
               "the bars' frames: a white line around the panel colour, on the pane's "
               "gradient from blend(inactive caption, white, 128) to blend(active caption, "
               "white, 192)"},
    Prescribed{"pane", "item:", "text",
               "pane links: blend(highlight, black, 192), hot blend(highlight, black, 240), on "
               "the panel colour blend(default panel colour, active caption, 230)"},
    Prescribed{"picAbout", "Hyperlink", "text",
               "the about panel's links: ForeColor dark red (136, 0, 0), HoverColor the highlight, "
               "on the button face"},
};

} // namespace contrast
