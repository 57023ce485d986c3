#pragma once
// Fills of a 32-bit raster held back and written row by row: every waiting
// fill of a row at once, from left to right and each pixel once, just before
// anything else touches that row. The chart's background, the day bands over
// it and the curves' pixels then cost one pass over the memory instead of one
// each. Plain C++: it knows rows of pixels, not Qt.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace cyclo {

// Where rows of 32-bit pixels are: row y starts `stride` words after row
// y - 1.
struct RasterRows
{
    std::uint32_t* bits;
    std::ptrdiff_t stride;

    [[nodiscard]] std::uint32_t* row(int y) const { return bits + y * stride; }
};

class DeferredFills
{
public:
    // Asked for the pixels whenever fills are written, so that their owner
    // may move them in between (a shared image detaching).
    using PixelSource = std::function<RasterRows()>;

    // Fills for a raster of `width` x `height` pixels that `pixels` hands out.
    DeferredFills(int width, int height, PixelSource pixels);

    // The raster has a new size; what waits is forgotten.
    void resize(int width, int height);

    // Fills columns left .. right-1 of rows top .. bottom-1, clipped to the
    // raster, with `colour`. The result is that of writing it now, in order
    // with every other fill; a large fill, and a small one on rows where
    // large fills wait, is written later.
    void fill(int left, int top, int right, int bottom, std::uint32_t colour);
    // Writes what waits on rows top .. bottom-1, before they are drawn on
    // directly.
    void settleRows(int top, int bottom);
    // Writes everything that waits.
    void settleAll();
    // Forgets everything that waits.
    void discard();

    // Whether anything waits to be written.
    [[nodiscard]] bool empty() const { return pendingFills_.empty(); }

private:
    // A small fill of one row, waiting for the large fills under it.
    struct RowRun
    {
        int left;
        int right;
        std::uint32_t colour;
    };

    // A large fill, waiting.
    struct PendingFill
    {
        int left;
        int top;
        int right;
        int bottom;
        std::uint32_t colour;
    };

    void settleRows(const RasterRows& raster, int top, int bottom);
    void settleRun(const RasterRows& raster, int first, int last);
    void collectSpans(int y, std::size_t first);
    void fillUncovered(int left, int right, std::uint32_t colour);

    int width_;
    int height_;
    PixelSource pixels_;
    std::vector<PendingFill> pendingFills_;
    // settledFills_[y] counts the pending fills already written to row y.
    std::vector<std::size_t> settledFills_;
    // The pending fills' tops and bottoms and the raster's height, sorted;
    // rows between two of them are covered alike. Empty when out of date.
    std::vector<int> fillEdges_;
    // Small fills on rows still waiting for large ones, per row, in order;
    // they follow every pending large fill on their row.
    std::vector<std::vector<RowRun>> queuedRuns_;
    std::vector<std::pair<int, int>> covered_; // scratch of collectSpans
    std::vector<PendingFill> spans_;           // scratch of collectSpans
    std::vector<std::uint32_t> rowBuffer_;     // scratch of settleRun
};

} // namespace cyclo
