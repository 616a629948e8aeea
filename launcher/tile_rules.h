#pragma once

#include <cstdint>
#include <string_view>

namespace launcher {

// A platform colour value, 0x00BBGGRR; values with the top bit set name system colours.
using Colour = std::uint32_t;

inline constexpr Colour HighlightColour = 0x00F1A978; // red 120, green 169, blue 241
inline constexpr Colour PlainTileColour = 0x00FFFFFF;
inline constexpr Colour WhiteText = 0x00FFFFFF;
inline constexpr Colour WindowTextColour = 0x80000008; // the system window-text colour

// The tiles as the selection and highlight rules see them. The window implements it; the
// rules keep their state in these colours alone.
class TileBoard {
public:
    virtual ~TileBoard() = default;

    [[nodiscard]] virtual Colour tileColour(std::string_view tile) const = 0;
    // Background of the tile and the font colour its captions follow.
    virtual void setTileColours(std::string_view tile, Colour background, Colour font) = 0;
    // Font colour of a label with a font of its own (a task's bold title).
    virtual void setLabelFontColour(std::string_view label, Colour font) = 0;
    virtual void setPaneVisible(std::string_view pane, bool visible) = 0;
};

// The category tile an element stands for: its own name for a tile, the parent tile for its
// icon or caption label; other names come back unchanged.
[[nodiscard]] std::string_view CategoryTileOf(std::string_view element);

// Selects the category of the clicked element and shows its pane.
void SelectCategory(TileBoard& board, std::string_view element);

// Highlights a task tile within its pane.
void HighlightTask(TileBoard& board, std::string_view tile);

// The main window's show rule: the first showing selects the first category; `tag` is the
// once-flag kept on the window.
void FormShow(TileBoard& board, int& tag);

} // namespace launcher
